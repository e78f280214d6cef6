#pragma once

#include <string>

struct PracticeCommandLine;

// The exercise program from start to end: reads its command line ("exercise <lesson> <user id>"),
// opens the course content like the main program, checks the user and the lesson, reads the
// lesson and runs the exercise window. Sounds and stroke files go to a scratch folder of its own,
// so the main program's scratch folder is never touched.
class CExerciseApp {
public:
    // Runs the exercise the command line asks for; returns the exit status (2 for an unknown user or
    // lesson, refused like a bad command line before anything is written).
    int Run(const PracticeCommandLine& line);
    // Prints why with the one-line usage text on standard error; returns the exit status 2.
    static int RefuseCommandLine(const std::string& why);
};
