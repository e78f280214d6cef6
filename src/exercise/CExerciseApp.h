#pragma once

struct PracticeCommandLine;

// The exercise program from start to end: opens the course and the lesson (PracticeProgram), makes
// runs of questions from it and keeps the learner's best score.
class CExerciseApp {
public:
    // Returns the exit status (2 for an unknown user or lesson).
    int Run(const PracticeCommandLine& line);
};
