#pragma once

#include "lesson/LessonMaterial.h"

#include <string>

class CADODatabase;

// Reads lessons for the programs that practise them: a whole lesson with the texts of one interface
// language, and the sounds that go with its sentences and words. Reading goes through the
// program's query texts, so failures are logged as every content reader logs them; the last
// failure is also kept for the window to tell the learner.
class LessonContentService {
public:
    LessonContentService(CADODatabase* lessonDb, CADODatabase* wordDb, std::string languageSuffix);

    // False when the lesson has no row in the lesson list (or the list cannot be read).
    bool LessonExists(int lesson);
    // The whole lesson; false when one of its main queries failed (what was read is kept).
    bool ReadLesson(int lesson, LessonMaterial& out);
    // The lesson's new words alone, in the lesson's order (without reading its sounds and pictures).
    bool ReadNewWords(int lesson, std::vector<lesson::NewWord>& out);

    // Writes a sentence's recorded sound (MP3) to `path`; false when it has none.
    bool SaveSentenceSound(const std::string& sentenceId, const std::string& path);
    // Writes the recorded sound of a word (MP3) to `path`: the phrase with this text and pinyin,
    // else any recording of that pinyin; false when there is none.
    bool SaveWordSound(const std::u16string& word, const std::u16string& pinyin, const std::string& path);
    // Writes the recorded sound of one tone-marked syllable ("xué") to `path`; false when there is none.
    bool SaveSyllableSound(const std::u16string& syllable, const std::string& path);
    // True when the word database has the reference strokes a written character is checked against.
    bool HasStrokeData(const std::u16string& character);

    const std::string& LastError() const { return m_lastError; }
    const std::string& LanguageSuffix() const { return m_suffix; }

private:
    bool Fail(const std::string& failedSql);

    CADODatabase* m_lessonDb;
    CADODatabase* m_wordDb;
    std::string m_suffix;
    std::string m_lastError;
};
