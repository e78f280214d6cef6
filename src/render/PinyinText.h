#pragma once

#include <string>
#include <string_view>

// Pinyin is never made by rule: readings, finals and tone marks come from the word database
// (g_pWordDb). A query that fails is logged and gives an empty result.

// The 20 lower-case letters that can begin a syllable (w and y count as initials).
inline constexpr char16_t kInitialLetters[] = u"bpmfdtnlzcsrjqxgkhwy";
// The same letters in upper case, in this order.
inline constexpr char16_t kCapitalInitialLetters[] = u"BPMFDTLNJQXZCSGKHYWR";
// The letters the per-letter picture loader treats as capitals (the above and A).
inline constexpr char16_t kCapitalLetters[] = u"ABPMFDTNLGKHJQXRSCZYW";

// The final written with its tone mark, from the table of finals; empty when the table has no
// row for that final and tone.
std::u16string ToneMarkedFinal(std::u16string_view plainFinal, int tone);

// The tone-marked pinyin of one character, chosen among its readings: the one the context
// pinyin (the phrase the character is studied in) contains, the longest if several do, else the
// first.
std::u16string CharacterPinyin(std::u16string_view character, std::u16string_view contextPinyin);

// The form in which pinyin texts are compared: blanks dropped, upper-case initials lowered;
// everything else (upper-case vowels included) stays.
std::u16string NormalizePinyin(std::u16string_view pinyin);
