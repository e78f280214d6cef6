#pragma once

#include <string_view>

class CBmpPicture;

// Loads the small picture of a Chinese character (kind 1) or, for a character the character table
// does not hold, the picture of a Chinese punctuation mark (kind 2) from the word database
// (g_pWordDb). Meant for a one-character text; a character found nowhere leaves the picture as it
// was. Above the base scale (percent) the picture of the glyph at that scale replaces the small one.
void LoadCharacterPicture(std::u16string_view text, CBmpPicture& picture, int scale = 100);
