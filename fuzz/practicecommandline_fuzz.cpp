// Command lines of any bytes (arguments separated by NUL): the practice programs either refuse them
// with a reason or take a lesson from 1 to 35 and, where one is asked for, a user id that is not empty;
// the trainer's either refuses them or takes at most a user name.
#include "app/PracticeCommandLine.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back().push_back(static_cast<char>(data[i]));
    }
    std::string error;
    const auto trainer = TrainerCommandLine::Parse(arguments, error);
    if (trainer ? !error.empty() : error.empty())
        std::abort();
    for (bool withUser : {true, false}) {
        std::string why;
        const auto line = PracticeCommandLine::Parse(arguments, withUser, why);
        if (line ? (line->lesson < 1 || line->lesson > 35 || line->userId.empty() == withUser) : why.empty())
            std::abort();
    }
    return 0;
}
