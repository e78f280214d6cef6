#pragma once

#include "render/PinyinSyllable.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

// Rules for the Chinese lines of the lesson sources: words separated by single spaces, one pinyin
// group per word, punctuation marks as words of their own whose pinyin group is the Western mark.
namespace lessons {

// The word display holds at most this many characters of a word and of its pinyin.
inline constexpr int kMostWordCharacters = 99;

// Every Mandarin syllable without its tone as PinyinSyllable spells it ("lü", "nüe"), for
// pinyin::SplitMarked.
const std::set<std::string>& SyllableSpellings();

// Cuts a line at every single space; two spaces in a row give an empty word.
std::vector<std::string> SplitWords(std::string_view line);

// The pinyin group a punctuation word must have ("，" -> ","), or empty when the word is no
// punctuation mark the lessons use. The note mark "*" counts as punctuation with pinyin "*".
std::string PunctuationPinyin(std::string_view word);

// Whether a pinyin group begins with a capital, as names do ("Běijīng", "Ōuyáng").
bool IsCapitalisedPinyin(std::string_view pinyin);

// Number of Chinese characters when the word consists only of them, else -1.
int HanCharacterCount(std::string_view word);

// The Chinese characters of a text (punctuation and spaces left out), each as UTF-8.
std::vector<std::string> HanCharacters(std::string_view text);

// Empty when `pinyin` is a tone-marked pinyin spelling of `syllables` syllables (erhua "r" counts
// as the syllable of 儿, apostrophes may separate syllables, at most one tone mark each);
// otherwise what is wrong with it.
std::string CheckPinyinGroup(std::string_view pinyin, int syllables);

// Empty when every tone mark of `pinyin`, read as `reading`, sits where pinyin puts it (on a or e,
// else on the o of ou, else on the last vowel); otherwise the first misplaced syllable and its
// right form.
std::string CheckToneMarkPlaces(std::string_view pinyin, const pinyin::WordReading& reading);

} // namespace lessons
