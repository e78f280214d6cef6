#pragma once

#include "data/CADODatabase.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonMaterial.h"

#include <string>

// The course databases of an installed program folder with the learner's own tables over them, read
// the way the programs read them in the interface language they logged: to make again what a
// program made from them.
class InstalledCourse {
public:
    InstalledCourse(const std::string& programFolder, const std::string& languageSuffix,
                    const std::string& learnerFile);

    CADODatabase* LessonDb() { return &m_lessonDb; }
    CADODatabase* WordDb() { return &m_wordDb; }
    const std::string& LanguageSuffix() const { return m_languageSuffix; }
    LessonContentService& Content() { return m_content; }
    // The lesson as the programs read it; fails the test when it cannot be read.
    LessonMaterial ReadLesson(int number);

private:
    std::string m_languageSuffix;
    CADODatabase m_lessonDb;
    CADODatabase m_wordDb;
    LessonContentService m_content;
};
