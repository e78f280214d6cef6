#pragma once

#include "data/ContentProblems.h"

#include <string>
#include <vector>

// The one message a lesson window gives when parts of lesson `lessonNumber` could not be read:
// which database and why, and what still works. Empty when nothing failed.
std::string LessonContentProblemMessage(const std::vector<ContentProblems::Problem>& problems,
                                        int lessonNumber);
