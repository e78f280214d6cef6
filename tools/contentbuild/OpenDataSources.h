#pragma once

#include <QPointF>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Readers of the open data the word database is built from. Each accepts the raw file or the
// package's JavaScript module that wraps it in a template string.

// One dictionary entry (a line of CC-CEDICT).
struct DictionaryEntry {
    std::string traditional;
    std::string simplified;
    std::string numberedPinyin; // as written, "ni3 hao3"
    std::vector<std::string> glosses;
};

// A character of the frequency list with its readings, most frequent first.
struct FrequentCharacter {
    QString character;
    std::vector<std::string> readings; // numbered ("de5", "di2")
};

// A word the lessons use: the word, optionally its pinyin (tone-marked or numbered), its
// explanation (for every language, or by language suffix) and its part of speech (a code such as
// "n" or a `tbl_hz_cx` id).
struct ListedWord {
    QString word;
    std::string pinyin;
    std::string explanation;
    std::map<std::string, std::string> explanations;
    std::string partOfSpeech;
};

// Stroke data of one character: SVG outline paths and median polylines in the 1024 box (y up).
struct CharacterStrokeData {
    std::vector<QString> outlines;
    std::vector<std::vector<QPointF>> medians;
};

namespace opendata {

// The dictionary keyed by simplified form, entries in file order.
std::multimap<std::string, DictionaryEntry> LoadDictionary(const std::string& path, std::string& error);

std::vector<FrequentCharacter> LoadCharacterFrequency(const std::string& path, std::string& error);

// Words with their counts, most frequent first.
std::vector<std::pair<QString, long>> LoadWordFrequency(const std::string& path, std::string& error);

// "word<TAB>pinyin<TAB>explanation<TAB>part of speech" lines, everything after the word optional;
// blank lines and lines starting with '#' are skipped.
std::vector<ListedWord> LoadWordList(const std::string& path, std::string& error);

// The words of the lesson sources under `folder` (files "*.txt"): each "zh:" line's words with the
// pinyin groups of the "py:" line of the same block ("[kind]" lines start blocks). A [word] or
// [speaker] block whose Chinese is a single word also gives that word's part of speech ("pos:")
// and its explanations (two-letter language keys). New words come first. Blocks whose word and
// pinyin counts differ are left to the lesson check.
std::vector<ListedWord> LoadLessonWords(const std::string& folder);

// Every Han character in the UTF-8 text files under `folder`, in order of first appearance.
std::vector<QString> CollectHanCharacters(const std::string& folder);

// The stroke data of one character from the stroke-data folder (one "<character>.json" per
// character); nothing when the file is missing or malformed.
std::optional<CharacterStrokeData> LoadStrokeData(const std::string& folder, const QString& character);

bool IsHan(char32_t c);

} // namespace opendata
