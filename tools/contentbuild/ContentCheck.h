#pragma once

#include <string>
#include <vector>

class ReadingChoice;

// Checks a built word database for the mistakes a learner would notice: a character without
// readings, a reading whose final has no tone-marked form, a stroke count that differs from the
// number of stroke pictures or reference strokes, a picture that does not parse, a stroke picture
// that leaves the character square, a phrase without explanation or with a character the database
// lacks or whose explanation in another language is the English one without the "(en) " mark,
// a letter picture of the wrong height, a sound that does not decode.
// With `readingChoice`, also a character whose first reading is not its most used one.
// Returns the problems found, one line each; empty when the database is sound.
std::vector<std::string> CheckWordDatabase(const std::string& path,
                                           const std::vector<std::string>& languageSuffixes,
                                           const ReadingChoice* readingChoice = nullptr);

// Decodes MP3 bytes completely; false when no audio comes out or the stream is broken.
bool Mp3Decodes(const std::vector<unsigned char>& mp3);
