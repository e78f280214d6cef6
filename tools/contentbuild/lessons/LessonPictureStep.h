#pragma once

#include "LessonSource.h"
#include "PictureTexts.h"

#include <QImage>

#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace lessons {

// The filling step of the lesson database that draws every picture of the lessons in each
// interface language: the note pictures (notesimg), the language-point page (langpointimg), the
// lesson head (lessonhead) and the child-lesson titles (scenedescimg).
class LessonPictureStep {
public:
    explicit LessonPictureStep(std::vector<PictureTexts> texts) : m_texts(std::move(texts)) {}

    bool operator()(sqlite3* db, const std::vector<LessonSource>& lessons, std::string& error) const;

    // How many pictures the last run stored.
    int Stored() const { return *m_stored; }

private:
    bool FillLesson(sqlite3* db, const LessonSource& lesson, const PictureTexts& texts,
                    std::string& error) const;
    bool Store(sqlite3* db, const std::string& table, const std::string& column, const std::string& keyColumn,
               const std::string& key, const QImage& picture, std::string& error) const;

    std::vector<PictureTexts> m_texts;
    std::shared_ptr<int> m_stored = std::make_shared<int>(0); // shared by the copies the writer keeps
};

// The texts of every language, read from `folder`; false with `error` set when one is missing.
bool LoadPictureTexts(const std::string& folder, const std::vector<std::string>& languages,
                      std::vector<PictureTexts>& texts, std::string& error);

} // namespace lessons
