#include "LessonReadingCheck.h"

#include "OpenDataSources.h"
#include "PinyinText.h"
#include "render/PinyinSyllable.h"

#include <QString>
#include <cctype>
#include <optional>
#include <sqlite3.h>

namespace lessons {
namespace {

// One word of a line as written: its characters and the syllables its pinyin gives them.
struct WrittenWord {
    std::string word;
    std::vector<std::string> characters;
    std::vector<PinyinSyllable> syllables;
    bool erhua = false; // the last syllable stands for 儿 written as a final r
};

class WordCheck {
public:
    explicit WordCheck(const ReadingDictionary& dictionary) : m_dictionary(dictionary) {}

    // Whether `word` reads as written; `next` is the word spoken right after it, if any (tone
    // changes depend on the syllable that follows).
    bool Fits(const WrittenWord& word, const WrittenWord* next) const {
        m_word = &word;
        m_next = next;
        const size_t spoken = word.syllables.size() - (word.erhua ? 1 : 0);
        if (word.characters.size() > 1) {
            bool known = false;
            for (std::string entry : m_dictionary.WordReadings(word.word)) {
                // The dictionary writes erhua as a syllable "r5" of its own.
                if (word.erhua && entry.size() > 3 && entry.substr(entry.size() - 3) == " r5")
                    entry.resize(entry.size() - 3);
                const auto reference = pinyin::ParseNumberedList(entry);
                if (!reference || reference->size() != spoken)
                    continue;
                known = true;
                if (FitsEntry(*reference))
                    return true;
            }
            if (known)
                return false;
        }
        for (size_t i = 0; i < spoken; ++i)
            if (!CharacterFits(i))
                return false;
        return true;
    }

private:
    // Whether the syllable of character `i` of `word` is, or may be read as, tone `tone`.
    bool MayHaveTone(const WrittenWord& word, size_t i, int tone) const {
        if (word.syllables[i].tone == tone)
            return true;
        if (const std::set<std::string>* readings = m_dictionary.CharacterReadings(word.characters[i]))
            for (const std::string& reading : *readings)
                if (const auto syllable = pinyin::ParseNumbered(reading); syllable && syllable->tone == tone)
                    return true;
        return false;
    }

    // Whether the syllable after syllable `i` of the word may have one of `tones`.
    bool NextMayHaveTone(size_t i, std::initializer_list<int> tones) const {
        const size_t spoken = m_word->syllables.size() - (m_word->erhua ? 1 : 0);
        const WrittenWord* word = i + 1 < spoken ? m_word : m_next;
        const size_t index = i + 1 < spoken ? i + 1 : 0;
        if (!word)
            return false;
        for (int tone : tones)
            if (MayHaveTone(*word, index, tone))
                return true;
        return false;
    }

    bool FitsEntry(const std::vector<PinyinSyllable>& reference) const {
        for (size_t i = 0; i < reference.size(); ++i)
            if (!SyllableFits(i, reference[i]) && !(reference[i].tone == 5 && CharacterFits(i)))
                return false;
        return true;
    }

    bool CharacterFits(size_t i) const {
        const std::set<std::string>* readings = m_dictionary.CharacterReadings(m_word->characters[i]);
        if (readings)
            for (const std::string& reading : *readings)
                if (const auto syllable = pinyin::ParseNumbered(reading);
                    syllable && SyllableFits(i, *syllable))
                    return true;
        return false;
    }

    bool SyllableFits(size_t i, const PinyinSyllable& reference) const {
        const PinyinSyllable& written = m_word->syllables[i];
        if (written.Plain() != reference.Plain())
            return false;
        // 一 and 不 are written as spoken: yí and bú before a fourth tone, yì before the others.
        const std::string& character = m_word->characters[i];
        if (character == "一" || character == "不") {
            if (written.tone == 2)
                return NextMayHaveTone(i, {4});
            if (written.tone == 4 && character == "一")
                return NextMayHaveTone(i, {1, 2, 3});
            return written.tone == 5 || written.tone == (character == "一" ? 1 : 4);
        }
        if (written.tone == reference.tone || written.tone == 5)
            return true;
        // Third-tone sandhi may be written: a third tone as a second before another third.
        return reference.tone == 3 && written.tone == 2 && NextMayHaveTone(i, {3});
    }

    const ReadingDictionary& m_dictionary;
    mutable const WrittenWord* m_word = nullptr;
    mutable const WrittenWord* m_next = nullptr;
};

// The words of a line with their syllables (nothing for punctuation); a Chinese word whose pinyin
// cannot be split into its syllables is reported.
std::vector<std::optional<WrittenWord>> ReadLine(const ChineseText& line,
                                                 std::vector<std::string>& problems) {
    const std::vector<std::string> words = SplitWords(*line.words), pinyin = SplitWords(*line.pinyin);
    std::vector<std::optional<WrittenWord>> out;
    if (words.size() != pinyin.size())
        return out;
    for (size_t i = 0; i < words.size(); ++i) {
        const int count = HanCharacterCount(words[i]);
        const std::vector<std::string> characters = HanCharacters(words[i]);
        const auto reading = count > 0
                                 ? pinyin::ReadMarkedWord(pinyin[i], static_cast<size_t>(count),
                                                          characters.back() == "儿", SyllableSpellings())
                                 : std::nullopt;
        if (count > 0 && !reading)
            problems.push_back(Where(*line.place) + "\"" + pinyin[i] + "\" cannot be read as the " +
                               std::to_string(count) + " syllable(s) of \"" + words[i] +
                               "\" (inside a word, a syllable starting with a, o or e needs an apostrophe)");
        if (!reading) {
            out.emplace_back();
            continue;
        }
        if (const std::string misplaced = CheckToneMarkPlaces(pinyin[i], *reading); !misplaced.empty())
            problems.push_back(Where(*line.place) + misplaced);
        out.push_back(
            WrittenWord{words[i], characters, reading->syllables, reading->speechText.back() == 'r'});
    }
    return out;
}

// Whether the dictionary writes the word as a name, and whether in lower case.
struct DictionaryCase {
    bool capital = false;
    bool lower = false;
};

DictionaryCase CaseInDictionary(const std::string& word, const ReadingDictionary& dictionary) {
    DictionaryCase found;
    std::vector<std::string> readings = dictionary.WordReadings(word);
    if (HanCharacters(word).size() == 1)
        if (const std::set<std::string>* own = dictionary.CharacterReadings(word))
            readings.assign(own->begin(), own->end());
    for (const std::string& reading : readings) {
        const bool capital = !reading.empty() && std::isupper(static_cast<unsigned char>(reading[0]));
        found.capital |= capital;
        found.lower |= !capital;
    }
    return found;
}

std::string DictionaryCapitalFault(const std::string& word, bool capital,
                                   const ReadingDictionary& dictionary) {
    const DictionaryCase dictionaryCase = CaseInDictionary(word, dictionary);
    if (capital && !dictionaryCase.capital)
        return "capitalised, but the dictionary has it in lower case only: list it as a name (pos: pn) or "
               "write it in lower case";
    if (!capital && dictionaryCase.capital && !dictionaryCase.lower)
        return "the dictionary has it only as a name: capitalise it";
    return "";
}

std::string ListedCapitalFault(const std::vector<const NewWord*>& listings, bool capital,
                               const ReadingDictionary& dictionary) {
    bool capitalListed = false, lowerListed = false;
    for (const NewWord* w : listings) {
        const bool name = w->partOfSpeech == "pn";
        const bool listedCapital = IsCapitalisedPinyin(w->pinyin);
        if (name && !listedCapital)
            return "a name (pos: pn) is capitalised, also in its listing at " + w->place.file + ":" +
                   std::to_string(w->place.line);
        if (listedCapital && !name && !CaseInDictionary(w->word, dictionary).capital)
            return "listed with a capital at " + w->place.file + ":" + std::to_string(w->place.line) +
                   ", but it is no name (pos: pn) and the dictionary has it in lower case";
        (listedCapital ? capitalListed : lowerListed) = true;
    }
    if (capital && !capitalListed)
        return "capitalised, but listed in lower case at " + listings.front()->place.file + ":" +
               std::to_string(listings.front()->place.line);
    if (!capital && !lowerListed)
        return "listed as a name with a capital at " + listings.front()->place.file + ":" +
               std::to_string(listings.front()->place.line);
    return "";
}

// Reads one text column of a word database query into `texts`.
bool LoadTexts(const std::string& wordDatabasePath, const char* sql, std::set<std::string>& texts,
               const std::string& what, std::string& error) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(wordDatabasePath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    sqlite3_stmt* stmt = nullptr;
    ok = ok && sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK;
    int step = SQLITE_DONE;
    while (ok && (step = sqlite3_step(stmt)) == SQLITE_ROW)
        if (const unsigned char* text = sqlite3_column_text(stmt, 0))
            texts.insert(reinterpret_cast<const char*>(text));
    ok = ok && step == SQLITE_DONE;
    if (!ok)
        error = "cannot read " + what + " of the word database " + wordDatabasePath + " (" +
                (db ? sqlite3_errmsg(db) : "no database") + ")";
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return ok;
}

} // namespace

bool ReadingDictionary::Load(const std::string& dictionaryPath, const std::string& characterListPath,
                             std::string& error) {
    const auto dictionary = opendata::LoadDictionary(dictionaryPath, error);
    if (dictionary.empty()) {
        error = "no dictionary entries in " + dictionaryPath + (error.empty() ? "" : ": " + error);
        return false;
    }
    for (const auto& [word, entry] : dictionary)
        AddWord(word, entry.numberedPinyin);
    const auto characters = opendata::LoadCharacterFrequency(characterListPath, error);
    if (characters.empty()) {
        error = "no characters in " + characterListPath + (error.empty() ? "" : ": " + error);
        return false;
    }
    for (const FrequentCharacter& c : characters)
        for (const std::string& reading : c.readings)
            AddCharacterReading(c.character.toStdString(), reading);
    return true;
}

void ReadingDictionary::AddWord(const std::string& word, const std::string& numberedPinyin) {
    if (HanCharacters(word).size() == 1)
        AddCharacterReading(word, numberedPinyin);
    else
        m_words.emplace(word, numberedPinyin);
}

void ReadingDictionary::AddCharacterReading(const std::string& character, const std::string& numbered) {
    m_characters[character].insert(numbered);
}

std::vector<std::string> ReadingDictionary::WordReadings(const std::string& word) const {
    std::vector<std::string> out;
    const auto [first, last] = m_words.equal_range(word);
    for (auto it = first; it != last; ++it)
        out.push_back(it->second);
    return out;
}

const std::set<std::string>* ReadingDictionary::CharacterReadings(const std::string& character) const {
    const auto found = m_characters.find(character);
    return found == m_characters.end() ? nullptr : &found->second;
}

std::vector<std::string> CheckReadings(const std::vector<LessonSource>& lessons,
                                       const ReadingDictionary& dictionary) {
    std::vector<std::string> problems;
    const WordCheck check(dictionary);
    for (const LessonSource& lesson : lessons)
        for (const ChineseText& line : ChineseLines(lesson)) {
            const auto words = ReadLine(line, problems);
            for (size_t i = 0; i < words.size(); ++i) {
                if (!words[i])
                    continue;
                const WrittenWord* next = i + 1 < words.size() && words[i + 1] ? &*words[i + 1] : nullptr;
                if (!check.Fits(*words[i], next))
                    problems.push_back(Where(*line.place) + "\"" + SplitWords(*line.pinyin)[i] +
                                       "\" is no reading of \"" + words[i]->word + "\" in the dictionary");
            }
        }
    return problems;
}

std::vector<std::string> CheckCharacterData(const std::vector<LessonSource>& lessons,
                                            const std::set<std::string>& withData) {
    std::vector<std::string> problems;
    for (const LessonSource& lesson : lessons)
        for (const ChineseText& line : ChineseLines(lesson)) {
            std::set<std::string> reported;
            for (const std::string& character : HanCharacters(*line.words))
                if (!withData.count(character) && reported.insert(character).second)
                    problems.push_back(Where(*line.place) + "the character " + character +
                                       " has no character data in the word database");
        }
    return problems;
}

bool LoadCharactersWithData(const std::string& wordDatabasePath, std::set<std::string>& characters,
                            std::string& error) {
    return LoadTexts(wordDatabasePath,
                     "SELECT DISTINCT m.hz FROM tbl_hz_main m JOIN tbl_hz_image_song i ON i.id = m.id",
                     characters, "the characters", error);
}

bool LoadWordEntries(const std::string& wordDatabasePath, std::set<std::string>& words, std::string& error) {
    return LoadTexts(wordDatabasePath, "SELECT DISTINCT cz FROM tbl_phrase_main", words, "the words", error);
}

std::vector<std::string> CheckWordEntries(const std::vector<LessonSource>& lessons,
                                          const std::set<std::string>& entries) {
    std::vector<std::string> problems;
    std::set<std::string> reported;
    for (const LessonSource& lesson : lessons)
        for (const ChineseText& line : ChineseLines(lesson))
            for (const std::string& word : SplitWords(*line.words))
                if (HanCharacterCount(word) > 0 && !entries.count(word) && reported.insert(word).second)
                    problems.push_back(Where(*line.place) + "\"" + word +
                                       "\" has no entry in the word database: list it as a new word with "
                                       "its explanations");
    return problems;
}

std::vector<std::string> CheckCapitals(const std::vector<LessonSource>& lessons,
                                       const ReadingDictionary& dictionary) {
    std::map<std::string, std::vector<const NewWord*>> listings;
    for (const LessonSource& lesson : lessons)
        for (const NewWord& w : lesson.newWords)
            listings[w.word].push_back(&w);
    std::vector<std::string> problems;
    std::set<std::pair<std::string, bool>> reported;
    for (const LessonSource& lesson : lessons)
        for (const ChineseText& line : ChineseLines(lesson)) {
            const std::vector<std::string> words = SplitWords(*line.words), groups = SplitWords(*line.pinyin);
            if (words.size() != groups.size())
                continue;
            for (size_t i = 0; i < words.size(); ++i) {
                if (HanCharacterCount(words[i]) <= 0)
                    continue;
                const bool capital = IsCapitalisedPinyin(groups[i]);
                const auto listed = listings.find(words[i]);
                const std::string fault = listed == listings.end()
                                              ? DictionaryCapitalFault(words[i], capital, dictionary)
                                              : ListedCapitalFault(listed->second, capital, dictionary);
                if (!fault.empty() && reported.insert({words[i], capital}).second)
                    problems.push_back(Where(*line.place) + "\"" + words[i] + "\" (\"" + groups[i] +
                                       "\"): " + fault);
            }
        }
    return problems;
}

} // namespace lessons
