#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

// Builds the character and word database (db/word.dll) from the open data: characters with their
// readings, glyph, outline, stroke and stroke-order pictures and reference strokes; phrases with
// pinyin, explanation and sound; pinyin letters, finals and punctuation pictures; a sound for every
// syllable that occurs.
class ReadingChoice;

struct WordDatabaseSources {
    std::string strokeDataFolder;              // one "<character>.json" per character
    std::string dictionaryPath;                // CC-CEDICT
    std::string characterFrequencyPath;        // character list, most frequent first, with readings
    std::string wordFrequencyPath;             // "word,count" lines
    std::vector<std::string> wordLists;        // words the lessons use (see opendata::LoadWordList)
    std::vector<std::string> lessonFolders;    // lesson sources whose words go in (opendata::LoadLessonWords)
    std::vector<std::string> characterFolders; // text files whose Han characters must be included
    std::vector<QString> extraCharacters;
};

struct WordDatabaseOptions {
    size_t commonCharacters = 3500; // most frequent characters included besides the lessons' own
    size_t frequentWords = 5000;    // most frequent dictionary words included besides the lessons'
    std::vector<std::string> languageSuffixes = {"en"};
    bool withSound = true;
};

struct WordDatabaseSummary {
    std::vector<std::string> warnings;
    size_t characters = 0;
    size_t readings = 0;
    size_t phrases = 0;
    size_t syllableSounds = 0;
    // How the characters' first readings were chosen, for the check of the written database.
    std::shared_ptr<const ReadingChoice> readingChoice;
};

// Writes the database to `outputPath` (replacing a file there only once the new one is complete).
// Returns false with `error` when a source cannot be read, a character the lessons use has no
// stroke data or reading, the pinyin of a word-list word does not fit its characters, or writing
// fails. Words of lesson sources whose pinyin does not fit are left to the lesson check: they are
// reported in `warnings` and get no phrase row.
bool BuildWordDatabase(const WordDatabaseSources& sources, const WordDatabaseOptions& options,
                       const std::string& outputPath, WordDatabaseSummary& summary, std::string& error);

// Starts an explanation in another interface language that is the dictionary's English text.
inline const std::string kEnglishMark = "(en) ";

// The `tbl_hz_cx` id of a part-of-speech code ("n", "v", ...) or id; empty when unknown.
std::string PartOfSpeechId(const std::string& codeOrId);
