#pragma once

#include <string_view>

class CBmpPicture;

// Loads the small picture of a Chinese character (kind 1) or, for a character the character table
// does not hold, the picture of a Chinese punctuation mark (kind 2) from the word database
// (g_pWordDb). Meant for a one-character text; a character found nowhere leaves the picture as it
// was.
void LoadCharacterPicture(std::u16string_view text, CBmpPicture& picture);
