#pragma once

struct TrainerCommandLine;

// The new-word trainer from start to end: opens the course, finds the learner (named on the
// command line, else the one who logged in last in the main program, else asked to log in), loads
// their cards and runs the trainer window; each grade is stored as it is given.
class CTrainerApp {
public:
    // Returns the exit status (2 for a user name the course does not know).
    int Run(const TrainerCommandLine& line);
};
