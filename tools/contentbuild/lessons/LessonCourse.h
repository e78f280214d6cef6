#pragma once

#include "LessonSource.h"

#include <string>
#include <vector>

namespace lessons {

// The lesson sources of a folder: every file named lessonNN.txt, in number order, and the
// complete interface languages listed in languages.txt (one suffix a line, '#' comments).
struct LessonCourse {
    std::vector<std::string> languages;
    std::vector<LessonSource> lessons;
};

// Reads a languages.txt: one suffix a line, '#' comments. False with `problems` filled when the
// file cannot be read, names no language or holds a line that is no suffix.
bool ReadLanguages(const std::string& path, std::vector<std::string>& languages,
                   std::vector<std::string>& problems);

// Reads and checks the whole folder. False with `problems` filled when anything is wrong;
// `course` then still holds what could be read.
bool LoadCourse(const std::string& folder, LessonCourse& course, std::vector<std::string>& problems,
                bool courseSizes = true);

} // namespace lessons
