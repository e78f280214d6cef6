#pragma once

#include "LessonSource.h"

#include <string>
#include <vector>

namespace lessons {

// What one lesson holds, for the summary the content build prints.
struct LessonCounts {
    int number = 0;
    int childLessons = 0;
    int sentences = 0;
    int newWords = 0;
    int notes = 0;
    int languagePoints = 0;
    int typicalSentences = 0;
    int examples = 0;      // examples of the typical sentences
    int characters = 0;    // distinct Chinese characters in the lesson's texts
    int newCharacters = 0; // of those, the ones no earlier lesson uses
    std::string title;     // in the first language
};

// Counts for each lesson, in the order given (lesson 1 first, so "new" means new in the course).
std::vector<LessonCounts> CountLessons(const std::vector<LessonSource>& lessons, const std::string& language);

// The lesson-by-lesson table with a line of totals.
std::string FormatSummary(const std::vector<LessonCounts>& counts);

} // namespace lessons
