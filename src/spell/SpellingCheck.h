#pragma once

#include "render/PinyinSyllable.h"

#include <string>
#include <string_view>
#include <vector>

// Typed pinyin compared with the lesson's, syllable by syllable: initial, final and tone each
// right or wrong. The lessons write 一 and 不 with the tone they are spoken with; the tone of the
// dictionary (yī, bù) is accepted there too, with a note on the tone change.
namespace spelling {

struct SyllableCheck {
    PinyinSyllable expected;
    bool typed = false; // a syllable was typed in this place
    PinyinSyllable given;
    bool initialRight = false;
    bool finalRight = false;
    bool toneRight = false;
    // The character is 一 or 不 and its dictionary tone was typed where the lesson writes the
    // spoken one.
    char16_t toneChange = 0;

    bool Right() const { return typed && initialRight && finalRight && toneRight; }
};

struct Verdict {
    bool readable = false; // the typed text is pinyin
    std::string problem;   // why not, when !readable
    std::vector<SyllableCheck> syllables;
    int extraSyllables = 0; // typed beyond the answer's syllables
    bool right = false;
};

// `answerPinyin` is the lesson's tone-marked pinyin of `characters`.
Verdict Check(std::u16string_view typed, const std::u16string& answerPinyin,
              const std::u16string& characters);

// The dictionary tone of 一 (1) and 不 (4), or 0 for any other character.
int DictionaryTone(char16_t character);

} // namespace spelling
