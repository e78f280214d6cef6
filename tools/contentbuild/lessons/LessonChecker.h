#pragma once

#include "LessonSource.h"

#include <string>
#include <vector>

namespace lessons {

struct CheckOptions {
    // The complete interface languages: every text must exist in each of them, and no other
    // language may appear.
    std::vector<std::string> languages;
    // Whether the rules of a complete course apply: its sizes (2-3 child lessons, 8-15 sentences
    // each, 10-40 new words, 2-4 notes, 3-5 typical sentences with 2-3 examples each) and, in
    // CheckCourse, the rules its words keep across the lessons (CourseWordCheck.h).
    bool courseSizes = true;
};

// Finds what a learner would notice in a parsed lesson: words and pinyin groups that differ in
// number, pinyin that cannot be the word's syllables, a missing translation, a note mark without
// its note, a new word that no text uses, and so on. Each message reads "<file>:<line>: ...".
std::vector<std::string> CheckLesson(const LessonSource& lesson, const CheckOptions& options);

// CheckLesson for every lesson, plus the numbering: lessons 1, 2, 3 ... without gaps, each file
// named after its lesson number (lesson01.txt holds [lesson 1]).
std::vector<std::string> CheckCourse(const std::vector<LessonSource>& lessons, const CheckOptions& options);

} // namespace lessons
