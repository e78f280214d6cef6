#pragma once

#include "exercise/ExerciseQuestion.h"
#include "lesson/LessonMaterial.h"

#include <cstdint>
#include <functional>
#include <vector>

// Makes the questions of one exercise run from what a lesson teaches; nothing is written by hand.
// Every kind is asked when the lesson has material for it, then the kinds take turns until the run
// is full. Wrong offers come from the same lesson first, then from the lessons before it (newest
// first); an offer is never the answer (the same Chinese text or the same meaning counts as the
// answer) and never offered twice. The same seed gives the same run.
namespace exercise {

inline constexpr int kQuestionsPerRun = 20;
inline constexpr int kChoicesPerQuestion = 4;
// Word-order questions use sentences of this many words (punctuation not counted).
inline constexpr int kFewestOrderedWords = 3;
inline constexpr int kMostOrderedWords = 8;

// A lesson before the one practised, read when its material is needed; null when it cannot be read.
using EarlierLessonReader = std::function<const LessonMaterial*(int lesson)>;

std::vector<Question> GenerateExercise(const LessonMaterial& lesson, const EarlierLessonReader& earlier,
                                       std::uint32_t seed, int questionCount = kQuestionsPerRun);

// The words of a sentence or its pinyin groups, split at blanks.
std::vector<std::u16string> SplitWords(const std::u16string& text);
// True for a word of the sentence, false for punctuation.
bool IsWordToken(const std::u16string& token);

} // namespace exercise
