#pragma once

#include <QString>
#include <string>
#include <vector>

// A picture for a person to judge the character data by: one row per character, read back from
// the word database: the small glyph (enlarged), the outline picture, the stroke pictures stamped
// on the outline in order (one panel after each stroke), and the reference strokes drawn over the
// outline in red with their numbers.
bool WriteContactSheet(const std::string& databasePath, const std::vector<QString>& characters,
                       const std::string& pngPath, std::string& error);
