#pragma once

#include <string>

// A small lesson source that holds one of every block, in English and French, for tests that
// need a valid lesson: lesson 3 with two child lessons (the second with the note mark and a
// speaker title), three new words listed out of alphabetical order, two notes, one language point
// and one typical sentence with two examples.
std::string TinyLessonSource();
