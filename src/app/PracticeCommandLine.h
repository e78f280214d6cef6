#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The exercise program's command line: "exercise <lesson> <user id>", as the lesson window starts
// it, and "--seed N" for a run that is the same every time (tests).
struct ExerciseCommandLine {
    int lesson = 0;
    std::string userId;
    std::optional<std::uint32_t> seed;

    static constexpr const char* kUsage = "usage: exercise <lesson 1-35> <user id>";

    // False with `error` for anything else: a missing, non-numeric or out-of-range lesson, no
    // user id, an unknown option or a seed that is not a number.
    static std::optional<ExerciseCommandLine> Parse(const std::vector<std::string>& arguments,
                                                    std::string& error);
};

// A whole decimal number in [low, high] without sign, blanks or anything after it.
std::optional<long long> ParseWholeNumber(const std::string& text, long long low, long long high);
