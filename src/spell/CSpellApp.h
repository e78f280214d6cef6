#pragma once

struct PracticeCommandLine;

// The spelling program from start to end: opens the course and the lesson (PracticeProgram) and
// runs rounds of spelling on it.
class CSpellApp {
public:
    // Returns the exit status (2 for a lesson the course lacks).
    int Run(const PracticeCommandLine& line);
};
