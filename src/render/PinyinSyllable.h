#pragma once

#include <QString>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

// One pinyin syllable split the way the character table stores readings: the initial (w and y
// count as initials, empty for a syllable without one), the final as written after it (ü kept
// where the spelling shows it: lü, nüe) and the tone, 5 for the neutral tone.
struct PinyinSyllable {
    std::string initial;
    std::string final;
    int tone = 5;

    bool operator==(const PinyinSyllable&) const = default;
    bool operator<(const PinyinSyllable& other) const {
        return std::tie(initial, final, tone) < std::tie(other.initial, other.final, other.tone);
    }

    std::string Plain() const { return initial + final; }
    // The syllable with its tone mark, e.g. "zhōng", "lǜ", "de".
    std::string Marked() const;
    // The numbered form speech synthesis reads, ü written v: "zhong1", "lv4", "de5".
    std::string Numbered() const;
};

namespace pinyin {

// Every final the tables hold, in a fixed order.
const std::vector<std::string>& AllFinals();

// Every Mandarin syllable without its tone, spelt as PinyinSyllable::Plain() spells it ("lü", "nüe").
const std::set<std::string>& PlainSyllables();

// The 20 letters that begin a syllable, in the order "bpmfdtnlzcsrjqxgkhwy".
const std::string& InitialLetters();

// The final written with the tone mark of `tone` (1 to 4; 5 leaves it plain). The mark goes on a or
// e, else on the o of ou, else on the last vowel.
std::string MarkFinal(const std::string& final, int tone);

// Parses a numbered syllable as the dictionary writes it ("zhong1", "lu:4", "lv4", "lue4", "de5",
// "ma"). Upper-case letters are accepted (surnames); anything that is not a Mandarin syllable
// ("yai2", erhua "r5") gives nothing.
std::optional<PinyinSyllable> ParseNumbered(const std::string& text);

// Parses a blank-separated numbered pinyin ("ni3 hao3"); nothing when any syllable fails.
std::optional<std::vector<PinyinSyllable>> ParseNumberedList(const std::string& text);

// Splits tone-marked pinyin ("xuésheng", "Xī'ān", "nǐ hǎo") into exactly `count` syllables, each of
// them one of `known` (plain spellings); nothing when no such split exists.
std::optional<std::vector<PinyinSyllable>> SplitMarked(const std::string& text, size_t count,
                                                       const std::set<std::string>& known);

// The syllables of a word of `count` characters read from its tone-marked pinyin, and the numbered
// text speech synthesis reads for it.
struct WordReading {
    std::vector<PinyinSyllable> syllables;
    std::string speechText; // "ni3 hao3"; erhua "yi4 dian3r"
    std::string marked;     // as shown: "nǐhǎo", "yìdiǎnr", "Běijīng"
};

// Reads a dictionary's numbered pinyin of `word` ("Bei3 jing1", "yi1 dian3 r5"): one syllable per
// character, a 儿 written "r5" joined to the syllable before as erhua, capitals kept in the marked
// form. Nothing when a syllable is not Mandarin or the counts differ.
std::optional<WordReading> ReadNumberedWord(const std::string& numbered, const QString& word);

// Reads tone-marked pinyin as SplitMarked does. When the word ends in 儿 (`endsInEr`) the pinyin
// may write it as a final r ("yìdiǎnr"): the r joins the syllable before it as it is spoken, and
// 儿 gets the neutral syllable "er". Nothing when the pinyin does not fit.
std::optional<WordReading> ReadMarkedWord(const std::string& marked, size_t count, bool endsInEr,
                                          const std::set<std::string>& known);

// The marked pinyin of a word: syllables joined without blanks, an apostrophe before a syllable
// that starts with a, o or e ("xī'ān").
std::string JoinMarked(const std::vector<PinyinSyllable>& syllables);
// The numbered pinyin of a word for speech: "ni3 hao3".
std::string JoinNumbered(const std::vector<PinyinSyllable>& syllables);

} // namespace pinyin
