#pragma once

#include <string>

// The ids the lesson database gives to the parts of a lesson. Every number is 1-based and written
// with two digits, so ids sort in lesson order: child lesson 2 of lesson 7 is "CL0702", its third
// sentence "S070203".
namespace lessons::ids {

std::string ChildLesson(int lesson, int child);
std::string Sentence(int lesson, int child, int sentence);
std::string NewWord(int lesson, int word);
std::string Note(int lesson, int note);
std::string Typical(int lesson, int typical);
std::string TypicalDemo(int lesson, int typical, int demo);

} // namespace lessons::ids
