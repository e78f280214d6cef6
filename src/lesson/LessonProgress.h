#pragma once

#include <set>
#include <string>

class CADODatabase;

// A learner's progress as the practice programs write it: the best exercise score of each lesson
// and the lessons the learner has opened. Every write is one transaction that waits for other
// programs holding the database (the connection's busy timeout) and is either stored whole or not
// at all; a write that fails says why and is never reported as stored.
namespace progress {

struct ScoreResult {
    bool saved = false;
    int bestScore = 0; // the score the lesson keeps: the better of the old and the new one
    bool improved = false;
    std::string error; // why the score was not stored
};

// Keeps the better of the stored and the new score (0 to 100) for the user's lesson; the row is
// created when missing.
ScoreResult RecordScore(CADODatabase* db, const std::string& userId, int lesson, int score);

// Remembers that the user has opened the lesson; false with `error` when it could not be stored.
bool MarkLessonOpened(CADODatabase* db, const std::string& userId, int lesson, std::string& error);
// The lessons the user has opened; a database without that record yet gives none.
std::set<int> OpenedLessons(CADODatabase* db, const std::string& userId);

// True when a user with this id exists.
bool UserExists(CADODatabase* db, const std::string& userId);

} // namespace progress
