#pragma once

#include "lesson/LessonContent.h"

#include <string>
#include <vector>

// Everything one lesson teaches, read whole: its dialogues with their sentences, its new words and
// its sentence patterns with their examples, with the texts of one interface language.
struct LessonMaterial {
    struct Dialogue {
        lesson::ChildLesson childLesson;
        std::vector<lesson::Sentence> sentences;
    };
    struct Pattern {
        lesson::Typical typical;
        std::vector<lesson::TypicalExample> examples;
    };

    int number = 0;
    std::string title;
    std::vector<Dialogue> dialogues;
    std::vector<lesson::NewWord> newWords;
    std::vector<Pattern> patterns;
    // The new words of one character that the word database can check when written, in lesson order.
    std::vector<lesson::NewWord> writableCharacters;
};
