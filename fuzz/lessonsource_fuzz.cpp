// Lesson source text: the parser and the checks must refuse anything malformed with a message and
// never read past the input.
#include "LessonChecker.h"
#include "LessonSourceParser.h"
#include "LessonSummary.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lessons::LessonSourceParser parser;
    lessons::LessonSource lesson;
    const bool ok =
        parser.Parse("fuzz.txt", std::string_view(reinterpret_cast<const char*>(data), size), lesson);
    if (ok != parser.Errors().empty())
        __builtin_trap();
    lessons::CheckLesson(lesson, {{"en", "fr"}, true});
    lessons::CountLessons({lesson}, "en");
    return 0;
}
