#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

class CADODatabase;

// Readers of one lesson's texts from the lesson database, as the lesson window's panes show them.
// Each returns false when its main query cannot be run (the failed SQL text is kept for the
// message the pane shows); missing translations leave texts empty. Counts are bounded by the
// panes' capacities.
namespace lesson {

constexpr size_t kMaxChildLessons = 30;
constexpr size_t kMaxSentences = 100;
constexpr size_t kMaxNewWords = 200;
constexpr size_t kMaxNotes = 20;
constexpr size_t kMaxTypicals = 30;

struct ChildLesson {
    std::string id;
    std::string translation; // title in the interface language
};

struct Sentence {
    std::string id;
    std::u16string words;  // Chinese words separated by single blanks
    std::u16string pinyin; // one pinyin group per word
    std::string wordIds;
    std::string noteId;
    // From the interface-language table; a speaker title exists when titleExplain is not empty.
    std::u16string title;
    std::u16string titlePinyin;
    std::string titleWordIds;
    std::string titleExplain;
    std::string explain;
    bool HasSpeakerTitle() const { return !titleExplain.empty(); }
};

struct NewWord {
    std::string id;
    std::u16string word;
    std::u16string pinyin;
    std::string wordClass;   // name of the part of speech, from the word database
    std::string explanation; // in the interface language
};

struct Typical {
    std::string id;
    std::u16string sentence;
    std::u16string pinyin;
    std::string translation;
};

struct TypicalExample {
    std::string id;
    std::u16string content;
    std::u16string partSentence;
    std::u16string pinyin;
    std::u16string partPinyin;
    std::string translation;
    std::string meaning;
};

struct Note {
    std::string id;
    std::vector<unsigned char> picture; // BMP file
};

// Child lessons in their order; those without a title in the interface language are left out.
bool ReadChildLessons(CADODatabase* db, const std::string& suffix, int lessonNumber,
                      std::vector<ChildLesson>& out, std::string& failedSql);
bool ReadSentences(CADODatabase* db, const std::string& suffix, const std::string& childLessonId,
                   std::vector<Sentence>& out, std::string& failedSql);
// `wordDb` supplies the part-of-speech names.
bool ReadNewWords(CADODatabase* db, CADODatabase* wordDb, const std::string& suffix, int lessonNumber,
                  std::vector<NewWord>& out, std::string& failedSql);
// The new words of the given lessons, as ReadNewWords gives them lesson by lesson, read with two
// queries in all instead of two lookups per word. Lessons without new words get no entry.
// Content the joined query cannot read is read lesson by lesson as ReadNewWords does.
bool ReadNewWordsOfLessons(CADODatabase* db, CADODatabase* wordDb, const std::string& suffix,
                           const std::set<int>& lessons, std::map<int, std::vector<NewWord>>& out,
                           std::string& failedSql);
bool ReadNotes(CADODatabase* db, const std::string& suffix, int lessonNumber, std::vector<Note>& out,
               std::string& failedSql);
bool ReadTypicals(CADODatabase* db, const std::string& suffix, int lessonNumber, std::vector<Typical>& out,
                  std::string& failedSql);
bool ReadTypicalExamples(CADODatabase* db, const std::string& suffix, const std::string& typicalId,
                         std::vector<TypicalExample>& out, std::string& failedSql);

} // namespace lesson
