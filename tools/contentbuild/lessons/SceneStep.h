#pragma once

#include "LessonSource.h"

#include <string>
#include <vector>

struct sqlite3;

namespace lessons {

// The animated scene of every child lesson (see SceneMovie), stored as GIF data in the scene
// column of tbl_lesson_childlesson. A step for LessonDatabaseWriter::AddStep; fails when the scene
// fonts are missing or cannot draw a line, rather than storing scenes with empty boxes.
bool FillScenes(sqlite3* db, const std::vector<LessonSource>& lessons, std::string& error);

// The GIF data of one child lesson's scene.
bool MakeScene(const LessonSource& lesson, const ChildLesson& child, std::vector<unsigned char>& gif,
               std::string& error);

} // namespace lessons
