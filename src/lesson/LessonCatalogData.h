#pragma once

#include <array>
#include <string>
#include <vector>

class CADODatabase;

// What the lesson catalogue reads and decides, without its window: the lesson titles of the
// interface language, each lesson's progress for a user, and the resume question after login.
namespace catalog {

constexpr int kLessonCount = 35;

enum LessonState { kNotStarted = 0, kFinished = 1, kStarted = 2 };

// 60 or more finished, 1 to 59 started, less than 1 not started.
int StateFromScore(int score);

struct LessonList {
    std::vector<std::string> titles;
    std::vector<int> ids;
};

// Titles and ids from tbl_lesson_main_<suffix> in stored order; a failed query is logged and
// leaves the list empty.
bool LoadLessonList(CADODatabase* db, const std::string& suffix, LessonList& list);

// Reads the user's score of each lesson (or of lesson `only` when it is 1 to 35) into states[1..35].
// Lessons without a row keep the state they had; a lesson the user has opened is at least started.
void LoadLessonStates(CADODatabase* db, const std::string& userId, std::array<int, kLessonCount + 1>& states,
                      int only = 0);

// The question asked after login about the lesson studied last time.
struct ResumePrompt {
    bool ask = false;
    std::string text;
    bool enterOnYes = false; // the answer that opens the lesson again: yes, or else no
};
ResumePrompt MakeResumePrompt(bool promptEnabled, int lastLesson, int lastLessonState);

// The user guide the Help button opens: help/<language>/index.html of the program folder in the
// interface language, else the English one, else the help.chm of older program folders; empty when
// there is none.
std::string HelpFile(const std::string& programFolder, const std::string& languageSuffix);

} // namespace catalog
