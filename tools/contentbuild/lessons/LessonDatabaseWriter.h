#pragma once

#include "LessonSource.h"

#include <functional>
#include <string>
#include <vector>

struct sqlite3;

namespace lessons {

// Writes parsed lessons into a lesson database (db/lesson.dll) with every lesson table and one
// set of per-language tables for each language. The sound, picture and scene columns are filled by
// further steps (AddStep) that run in the same transaction once every row is in; without steps
// they stay NULL.
//
// The lesson database also holds the learners' accounts and progress (tbl_user_main,
// tbl_user_lesson). Write never touches an existing file until the new one is complete: it builds
// beside it, copies every user row over from the old file, then renames the new file into place.
// When the old file cannot be read, Write fails and leaves it as it was.
class LessonDatabaseWriter {
public:
    // The id written for a word (and pinyin) of a text into `Wordid` and `titlewordid`; the
    // default gives "1", the id of a word that is looked up by its text.
    using WordIdLookup = std::function<std::string(const std::string& word, const std::string& pinyin)>;

    // A step that completes the rows written for `lessons` (UPDATE statements, see StoreBlob);
    // returning false with `error` set abandons the new file.
    using FillStep =
        std::function<bool(sqlite3* db, const std::vector<LessonSource>& lessons, std::string& error)>;

    explicit LessonDatabaseWriter(std::vector<std::string> languages);
    void SetWordIdLookup(WordIdLookup lookup) { m_wordId = std::move(lookup); }
    void AddStep(FillStep step) { m_steps.push_back(std::move(step)); }

    bool Write(const std::string& path, const std::vector<LessonSource>& lessons);

    const std::string& Error() const { return m_error; }
    int CarriedUsers() const { return m_carriedUsers; }
    int CarriedScores() const { return m_carriedScores; }

private:
    bool Fill(sqlite3* db, const std::vector<LessonSource>& lessons);
    bool FillLesson(sqlite3* db, const LessonSource& lesson);
    bool FillTexts(sqlite3* db, const LessonSource& lesson);
    bool FillTypical(sqlite3* db, const LessonSource& lesson);
    bool CarryUsers(sqlite3* db, const std::string& oldPath);
    std::string WordIds(const std::string& words, const std::string& pinyin) const;

    std::vector<std::string> m_languages;
    WordIdLookup m_wordId;
    std::vector<FillStep> m_steps;
    std::string m_error;
    int m_carriedUsers = 0;
    int m_carriedScores = 0;
};

// Stores `bytes` in `column` of the row of `table` whose `keyColumn` equals `key` (text or number
// keys alike); false with `error` set when the statement fails or no such row exists.
bool StoreBlob(sqlite3* db, const std::string& table, const std::string& column, const std::string& keyColumn,
               const std::string& key, const std::vector<unsigned char>& bytes, std::string& error);

} // namespace lessons
