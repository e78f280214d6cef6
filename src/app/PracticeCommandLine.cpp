#include "app/PracticeCommandLine.h"

#include "lesson/LessonCatalogData.h"

#include <charconv>

std::optional<long long> ParseWholeNumber(const std::string& text, long long low, long long high) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, value);
    if (text.empty() || text[0] == '-' || status != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::string PracticeCommandLine::Usage(const std::string& program, bool withUser) {
    return "usage: " + program + " <lesson 1-" + std::to_string(catalog::kLessonCount) + ">" +
           (withUser ? " <user id>" : "");
}

std::optional<PracticeCommandLine> PracticeCommandLine::Parse(const std::vector<std::string>& arguments,
                                                              bool withUser, std::string& error) {
    PracticeCommandLine line;
    std::vector<std::string> positional;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--seed") {
            const auto seed =
                i + 1 < arguments.size() ? ParseWholeNumber(arguments[i + 1], 0, UINT32_MAX) : std::nullopt;
            if (!seed) {
                error = "--seed needs a whole number from 0 to 4294967295";
                return std::nullopt;
            }
            line.seed = static_cast<std::uint32_t>(*seed);
            ++i;
        } else if (argument.size() > 1 && argument[0] == '-' && argument[1] == '-') {
            error = "unknown option " + argument;
            return std::nullopt;
        } else {
            positional.push_back(argument);
        }
    }
    const size_t wanted = withUser ? 2 : 1;
    if (positional.size() != wanted) {
        error = positional.size() > wanted ? "too many arguments"
                : withUser                 ? "a lesson number and a user id are needed"
                                           : "a lesson number is needed";
        return std::nullopt;
    }
    const auto lesson = ParseWholeNumber(positional[0], 1, catalog::kLessonCount);
    if (!lesson) {
        error = "the lesson must be a number from 1 to " + std::to_string(catalog::kLessonCount) +
                ", not \"" + positional[0] + "\"";
        return std::nullopt;
    }
    if (withUser && positional[1].empty()) {
        error = "the user id is empty";
        return std::nullopt;
    }
    line.lesson = static_cast<int>(*lesson);
    if (withUser)
        line.userId = positional[1];
    return line;
}

std::optional<TrainerCommandLine> TrainerCommandLine::Parse(const std::vector<std::string>& arguments,
                                                            std::string& error) {
    TrainerCommandLine line;
    if (arguments.empty())
        return line;
    if (arguments.size() == 2 && arguments[0] == "--user" && !arguments[1].empty()) {
        line.userName = arguments[1];
        return line;
    }
    error = arguments[0] == "--user" ? "--user needs a user name" : "unknown argument " + arguments[0];
    return std::nullopt;
}
