#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line of the practice programs the lesson window starts: "<lesson>" for the spelling
// program, "<lesson> <user id>" for the exercise program, and "--seed N" for a run that is the
// same every time (tests).
struct PracticeCommandLine {
    int lesson = 0;
    std::string userId;
    std::optional<std::uint32_t> seed;

    // The one-line usage text of a program: "usage: exercise <lesson 1-35> <user id>".
    static std::string Usage(const std::string& program, bool withUser);

    // False with `error` for anything else: a missing, non-numeric or out-of-range lesson, a
    // missing or empty user id (when one is taken), an unknown option or a seed that is not a number.
    static std::optional<PracticeCommandLine> Parse(const std::vector<std::string>& arguments, bool withUser,
                                                    std::string& error);
};

// A whole decimal number in [low, high] without sign, blanks or anything after it.
std::optional<long long> ParseWholeNumber(const std::string& text, long long low, long long high);

// The new-word trainer's command line: nothing (the learner who logged in last) or "--user NAME".
struct TrainerCommandLine {
    std::string userName; // empty: the last user of the main program

    static constexpr const char* kUsage = "usage: newword [--user NAME]";
    // False with `error` for anything else: an unknown argument, a missing or empty name.
    static std::optional<TrainerCommandLine> Parse(const std::vector<std::string>& arguments,
                                                   std::string& error);
};
