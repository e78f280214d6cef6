#pragma once

#include <string>
#include <vector>

// Tone marks of written pinyin, for questions whose answers differ only in tones.
namespace tones {

// The tone a vowel carries (1 to 4), or 0 for a letter without a tone mark.
int ToneOfLetter(char16_t letter);
// The vowel with the mark of `tone` (1 to 4), or without a mark for 0; other letters unchanged.
char16_t WithTone(char16_t letter, int tone);

// Every spelling of `pinyin` that differs from it only in the tones of its marked syllables (each
// of the first four marks set to tone 1 to 4, the others kept), without `pinyin` itself, in a fixed
// order. Pinyin without marks has none.
std::vector<std::u16string> ToneVariants(const std::u16string& pinyin);

} // namespace tones
