#pragma once

#include "render/PinyinSyllable.h"

#include <string>
#include <string_view>
#include <vector>

// Pinyin as learners type it, read into syllables. Every usual way is accepted: tone marks
// ("nǐhǎo"), a tone number after each syllable ("ni3hao3", "ni3 hao3"), 5, 0 or nothing for the
// neutral tone, v or u: for ü, any letter case, with or without blanks and apostrophes, and erhua
// written as a final r ("yìdiǎnr", "dian3r"), which reads as a syllable "r" of its own.
namespace typedpinyin {

struct Reading {
    bool ok = false;
    std::vector<PinyinSyllable> syllables;
    std::string problem; // why it is not pinyin, when !ok
};

// Reads what was typed; text that is not pinyin gives !ok with a reason, never anything else.
Reading Read(std::u16string_view typed);

// The syllables written with tone marks, as a learner would write them ("nǐhǎo", "yìdiǎnr", "xī'ān").
std::u16string Marked(const std::vector<PinyinSyllable>& syllables);

} // namespace typedpinyin
