#pragma once

#include <string_view>

class CBmpPicture;

// Loads the picture of one pinyin letter or punctuation mark (a one-character text) from the word
// database (g_pWordDb) into `picture`: a Western punctuation mark first, then a letter of the
// finals table (tone-marked vowels included), then an initial (capital or small). Success can
// leave the picture as it was when nothing matched; failure means a lookup could not be run. Above
// the base scale (percent) the picture of the letter at that scale replaces the base-size one.
bool LoadLetterPicture(std::u16string_view letter, CBmpPicture& picture, int scale = 100);
