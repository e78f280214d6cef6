#pragma once

#include <functional>
#include <string>
#include <vector>

// How a line of Chinese words wraps into rows of word controls: each word is measured by its
// control, rows fill up to the width, and a closing punctuation mark never starts a row alone.
namespace meaning {

constexpr size_t kMaxIds = 255;
constexpr size_t kMaxPinyinGroups = 100;
constexpr size_t kMaxGroupLength = 99; // wide characters of a word or a pinyin group
constexpr size_t kMaxWords = 500;      // word controls of one popup
constexpr size_t kMaxWordsText = 500;  // wide characters of the words text
constexpr size_t kMaxPinyinText = 3000;

struct LayoutParams {
    int width = 0;       // wrapping width
    int wordGap = 0;     // horizontal gap after each word
    int lineGap = 0;     // vertical gap between rows
    int firstIndent = 0; // x of the first word
    int lineHeight = 0;
};

struct PlacedWord {
    std::u16string text;
    std::u16string pinyin;
    std::string id;
    int x = 0;
    int y = 0;
    int width = 0;
};

struct Layout {
    std::vector<PlacedWord> words;
    int height = 0;
};

// Ids separated by single blanks, at most 255.
std::vector<std::string> SplitIds(const std::string& ids);
// Pinyin groups separated by single blanks, at most 100 of at most 99 characters each.
std::vector<std::u16string> SplitPinyin(const std::u16string& pinyin);

// `measure` gets a word (text, pinyin, id) and returns the width of its control.
using MeasureWord = std::function<int(const PlacedWord&)>;
Layout LayOut(const std::u16string& words, const std::u16string& pinyin, const std::string& ids,
              const LayoutParams& params, const MeasureWord& measure);

// The marks that must not begin a row: ？。，！、”）
bool IsClosingMark(const std::u16string& word);

} // namespace meaning
