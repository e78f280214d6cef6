#include "LessonIds.h"

#include <cstdio>

namespace lessons::ids {
namespace {

std::string Make(const char* prefix, int a, int b, int c = -1) {
    char buffer[32];
    if (c < 0)
        std::snprintf(buffer, sizeof buffer, "%s%02d%02d", prefix, a, b);
    else
        std::snprintf(buffer, sizeof buffer, "%s%02d%02d%02d", prefix, a, b, c);
    return buffer;
}

} // namespace

std::string ChildLesson(int lesson, int child) {
    return Make("CL", lesson, child);
}
std::string Sentence(int lesson, int child, int sentence) {
    return Make("S", lesson, child, sentence);
}
std::string NewWord(int lesson, int word) {
    return Make("NW", lesson, word);
}
std::string Note(int lesson, int note) {
    return Make("NT", lesson, note);
}
std::string Typical(int lesson, int typical) {
    return Make("TY", lesson, typical);
}
std::string TypicalDemo(int lesson, int typical, int demo) {
    return Make("TD", lesson, typical, demo);
}

} // namespace lessons::ids
