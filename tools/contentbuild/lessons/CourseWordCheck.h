#pragma once

#include "LessonSource.h"

#include <string>
#include <vector>

namespace lessons {

// The rules the words of a whole course keep, checked over the lessons in order (lesson 1 first):
// - 一 and 不 are written with the tone they are spoken with: 不 bú before a fourth tone, bù
//   before the others; 一 yí before a fourth tone and yì before the others where it is a number
//   word before what it counts or begins a word, yī where it counts, follows a number or 第,
//   names a month or day (一月, 一号), is part of a score (一比一, 二比一) or ends its word (星期一, 统一); a
//   toneless bu or yi is always allowed (看一看, 好不好).
// - One written form per word: a word keeps the neutral tones and capitals of its first pinyin
//   throughout, unless it is written as one of its listings (a sense of its own); tone differences
//   between two full tones are readings of their own.
// - Every word of a dialogue is listed as a new word in its lesson or an earlier one.
// - A word listed again has a new sense: not the part of speech and a gloss of an earlier listing.
// - No explanation of a new word in another language is the English one word for word.
// Each message reads "<file>:<line>: ...".
std::vector<std::string> CheckCourseWords(const std::vector<LessonSource>& lessons);

} // namespace lessons
