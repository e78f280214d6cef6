#pragma once

#include "lesson/LessonCatalogData.h"
#include "lesson/LessonMaterial.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class CADODatabase;
class SqlQuery;

// Reads lessons for the windows that show them and the programs that practise them: the catalogue,
// a whole lesson or one of its parts with the texts of one interface language, and the pictures,
// scenes and sounds that go with them. Reading goes through the program's query texts, so failures
// are logged as every content reader logs them; the last failure is also kept for the window to
// tell the learner.
class LessonContentService {
public:
    // How writing one stored picture, scene or sound to a file went.
    enum class Stored {
        kQueryFailed, // the query could not be run (its text is the last error)
        kNoRow,       // the content has no such row
        kEmpty,       // the row has nothing in that field, or the file could not be written
        kWritten,
    };

    LessonContentService(CADODatabase* lessonDb, CADODatabase* wordDb, std::string languageSuffix);

    // False when the lesson has no row in the lesson list (or the list cannot be read).
    bool LessonExists(int lesson);
    // The whole lesson; false when one of its main queries failed (what was read is kept).
    bool ReadLesson(int lesson, LessonMaterial& out);
    // The lesson's new words alone, in the lesson's order (without reading its sounds and pictures).
    bool ReadNewWords(int lesson, std::vector<lesson::NewWord>& out);
    // The new words of several lessons at once, by lesson (lessons without new words left out).
    bool ReadNewWordsOfLessons(const std::set<int>& lessons,
                               std::map<int, std::vector<lesson::NewWord>>& out);

    // Writes a sentence's recorded sound (MP3) to `path`; false when it has none.
    bool SaveSentenceSound(const std::string& sentenceId, const std::string& path);
    // Writes the recorded sound of a word (MP3) to `path`: the phrase with this text and pinyin,
    // else any recording of that pinyin; false when there is none.
    bool SaveWordSound(const std::u16string& word, const std::u16string& pinyin, const std::string& path);
    // Writes the recorded sound of one tone-marked syllable ("xué") to `path`; false when there is none.
    bool SaveSyllableSound(const std::u16string& syllable, const std::string& path);
    // True when the word database has the reference strokes a written character is checked against.
    bool HasStrokeData(const std::u16string& character);

    // The lesson list of the catalogue, titled in the interface language (empty when unreadable).
    bool ReadLessonList(catalog::LessonList& out);
    // The spoken title of the lesson and the head picture of the lesson window.
    Stored SaveLessonSound(int lesson, const std::string& path);
    Stored SaveLessonHead(int lesson, const std::string& path);

    // The parts of one lesson as the lesson window's panes show them; false when the main query
    // failed (its text is the last error, empty when nothing was run).
    bool ReadChildLessons(int lesson, std::vector<lesson::ChildLesson>& out);
    bool ReadSentences(const std::string& childLessonId, std::vector<lesson::Sentence>& out);
    bool ReadNotes(int lesson, std::vector<lesson::Note>& out);
    bool ReadTypicals(int lesson, std::vector<lesson::Typical>& out);
    bool ReadTypicalExamples(const std::string& typicalId, std::vector<lesson::TypicalExample>& out);
    // One typical sentence with its translation; fields not found stay empty.
    lesson::Typical ReadTypical(const std::string& typicalId);

    // A child lesson's title picture and its scene (an animation file).
    Stored SaveChildLessonTitle(const std::string& childLessonId, const std::string& path);
    Stored SaveScene(const std::string& childLessonId, const std::string& path);
    // The lesson's language points and one note, as BMP pictures.
    Stored SaveLanguagePoints(int lesson, const std::string& path);
    Stored SaveNote(const std::string& noteId, const std::string& path);
    // The recorded sound (MP3) of one sentence of a dialogue, kept where it was when there is none.
    Stored CopySentenceSound(const std::string& sentenceId, const std::string& path);
    // The recorded sound (MP3) of a typical sentence; an earlier file at `path` goes first.
    Stored SaveTypicalSound(const std::string& typicalId, const std::string& path);
    // The recorded sounds (MP3) of a typical sentence's examples in their order, the n-th to
    // pathOf(n); an earlier file there goes first. Whether each was written; empty when the query
    // failed.
    std::vector<bool> SaveTypicalExampleSounds(const std::string& typicalId,
                                               const std::function<std::string(int)>& pathOf);

    const std::string& LastError() const { return m_lastError; }
    const std::string& LanguageSuffix() const { return m_suffix; }
    // The interface language changed: texts are read in the one with this suffix from now on.
    void SetLanguageSuffix(std::string languageSuffix) { m_suffix = std::move(languageSuffix); }

private:
    bool Fail(const std::string& failedSql);
    // Writes the field of the query's first row to `path`; replaceEarlier removes a file already
    // there once the query has run.
    Stored SaveField(CADODatabase* db, const SqlQuery& query, const char* field, const std::string& path,
                     bool replaceEarlier = false);

    CADODatabase* m_lessonDb;
    CADODatabase* m_wordDb;
    std::string m_suffix;
    std::string m_lastError;
};
