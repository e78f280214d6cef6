#pragma once

#include "LessonSource.h"

#include <map>
#include <set>
#include <string>
#include <vector>

struct DictionaryEntry;

namespace lessons {

// What the pinyin of the lesson texts is checked against: the dictionary's words and the readings
// of each character (the dictionary's single-character entries and the character list's).
class ReadingDictionary {
public:
    // Loads CC-CEDICT and the character frequency list as the word database build reads them.
    bool Load(const std::string& dictionaryPath, const std::string& characterListPath, std::string& error);

    void AddWord(const std::string& word, const std::string& numberedPinyin);
    void AddCharacterReading(const std::string& character, const std::string& numbered);

    // The numbered readings the dictionary gives a word of several characters.
    std::vector<std::string> WordReadings(const std::string& word) const;
    const std::set<std::string>* CharacterReadings(const std::string& character) const;

private:
    std::multimap<std::string, std::string> m_words;
    std::map<std::string, std::set<std::string>> m_characters;
};

// Every word of every Chinese line whose pinyin is no reading of it: a word of several characters
// that the dictionary knows must read as one of its entries, any other word character by character.
// Allowed besides: 一 as yī, as yí before a fourth tone and as yì before the other tones, 不 as bù
// and as bú before a fourth tone; a toneless syllable for any tone (the
// neutral tone); a third tone written as a second before another third (sandhi); erhua, 儿 written
// as a final "r". Each message reads "<file>:<line>: ...".
std::vector<std::string> CheckReadings(const std::vector<LessonSource>& lessons,
                                       const ReadingDictionary& dictionary);

// Names capitalised as the dictionary writes them. A word the course lists as a new word follows
// its listing (a name, part of speech "pn", is capitalised; a word listed in lower case is never
// capitalised); a listing is capitalised only for a name or where the dictionary capitalises the
// word. Any other word is capitalised only where the dictionary has it as a name, and must be
// where the dictionary knows it only as a name. Each message reads "<file>:<line>: ...".
std::vector<std::string> CheckCapitals(const std::vector<LessonSource>& lessons,
                                       const ReadingDictionary& dictionary);

// Every word of a Chinese line of the lessons that has no entry (phrase) in the word database, so
// a learner who opens it would find no explanation. `entries`: the words of the database.
std::vector<std::string> CheckWordEntries(const std::vector<LessonSource>& lessons,
                                          const std::set<std::string>& entries);

// The words that have an entry in a word database.
bool LoadWordEntries(const std::string& wordDatabasePath, std::set<std::string>& words, std::string& error);

// Every character of a Chinese line of the lessons that is not in `withData` (the characters the
// word database has data for).
std::vector<std::string> CheckCharacterData(const std::vector<LessonSource>& lessons,
                                            const std::set<std::string>& withData);

// The characters of a word database that have a reading and a glyph picture.
bool LoadCharactersWithData(const std::string& wordDatabasePath, std::set<std::string>& characters,
                            std::string& error);

} // namespace lessons
