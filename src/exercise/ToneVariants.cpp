#include "exercise/ToneVariants.h"

#include <array>

namespace tones {
namespace {

// Each vowel with its four tone marks, lower and upper case.
struct MarkedVowel {
    char16_t plain;
    std::array<char16_t, 4> marked;
};
constexpr MarkedVowel kVowels[] = {
    {u'a', {u'ā', u'á', u'ǎ', u'à'}}, {u'e', {u'ē', u'é', u'ě', u'è'}}, {u'i', {u'ī', u'í', u'ǐ', u'ì'}},
    {u'o', {u'ō', u'ó', u'ǒ', u'ò'}}, {u'u', {u'ū', u'ú', u'ǔ', u'ù'}}, {u'ü', {u'ǖ', u'ǘ', u'ǚ', u'ǜ'}},
    {u'A', {u'Ā', u'Á', u'Ǎ', u'À'}}, {u'E', {u'Ē', u'É', u'Ě', u'È'}}, {u'I', {u'Ī', u'Í', u'Ǐ', u'Ì'}},
    {u'O', {u'Ō', u'Ó', u'Ǒ', u'Ò'}}, {u'U', {u'Ū', u'Ú', u'Ǔ', u'Ù'}}, {u'Ü', {u'Ǖ', u'Ǘ', u'Ǚ', u'Ǜ'}},
};

const MarkedVowel* FindVowel(char16_t letter) {
    for (const MarkedVowel& vowel : kVowels) {
        if (vowel.plain == letter)
            return &vowel;
        for (char16_t marked : vowel.marked)
            if (marked == letter)
                return &vowel;
    }
    return nullptr;
}

constexpr size_t kMostVariedMarks = 4;

} // namespace

int ToneOfLetter(char16_t letter) {
    if (const MarkedVowel* vowel = FindVowel(letter))
        for (int tone = 1; tone <= 4; ++tone)
            if (vowel->marked[static_cast<size_t>(tone - 1)] == letter)
                return tone;
    return 0;
}

char16_t WithTone(char16_t letter, int tone) {
    const MarkedVowel* vowel = FindVowel(letter);
    if (!vowel || tone < 0 || tone > 4)
        return letter;
    return tone == 0 ? vowel->plain : vowel->marked[static_cast<size_t>(tone - 1)];
}

std::vector<std::u16string> ToneVariants(const std::u16string& pinyin) {
    std::vector<size_t> marks;
    for (size_t i = 0; i < pinyin.size() && marks.size() < kMostVariedMarks; ++i)
        if (ToneOfLetter(pinyin[i]) != 0)
            marks.push_back(i);
    std::vector<std::u16string> variants;
    if (marks.empty())
        return variants;
    // Counts through every combination of tones, the first mark varying fastest.
    size_t combinations = 1;
    for (size_t i = 0; i < marks.size(); ++i)
        combinations *= 4;
    for (size_t n = 0; n < combinations; ++n) {
        std::u16string variant = pinyin;
        size_t digits = n;
        for (size_t mark : marks) {
            variant[mark] = WithTone(pinyin[mark], static_cast<int>(digits % 4) + 1);
            digits /= 4;
        }
        if (variant != pinyin)
            variants.push_back(std::move(variant));
    }
    return variants;
}

} // namespace tones
