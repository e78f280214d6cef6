#pragma once

#include <string_view>

class CBmpPicture;

// Replaces the base-size picture of a glyph (just loaded into `picture`) with the word database's
// picture of the same glyph at `scale` percent. At the base scale nothing is looked up; a database
// without that picture keeps the base-size one, so the text is drawn smaller but never lost.
// `source` is glyphscale::kSongGlyphs or glyphscale::kLetterGlyphs.
void LoadGlyphAtScale(const char* source, std::u16string_view glyph, int scale, CBmpPicture& picture);
