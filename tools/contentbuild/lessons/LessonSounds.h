#pragma once

#include "LessonSource.h"

#include <optional>
#include <string>
#include <vector>

struct sqlite3;

// The spoken sounds of the lesson database: lesson titles, sentences, typical sentences and their
// examples, read by the same speech engine and MP3 encoder as the word database's phrases.
namespace lessons {

// The numbered pinyin speech synthesis reads for a Chinese line and its pinyin groups
// ("ni3 hao3, wo3 shi4 lao3 shi1"). Punctuation between words that ends a sentence or a clause
// (and the slot "……" of a sentence pattern) becomes a pause; quotation marks, brackets and the note
// mark "*" are not spoken. Nothing when a word's pinyin cannot be read or nothing is left to say.
std::optional<std::string> SpeechOfLine(const std::string& words, const std::string& pinyin);

// How the title of lesson `number` (1 to 99) is spoken: 第N课, "di4 san1 shi2 wu3 ke4".
std::string SpeechOfLessonTitle(int number);

// A LessonDatabaseWriter step: speaks every lesson title, sentence, typical sentence and example
// into the `sound` columns (lines that read alike are spoken once).
bool FillLessonSounds(sqlite3* db, const std::vector<LessonSource>& lessons, std::string& error);

} // namespace lessons
