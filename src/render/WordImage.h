#pragma once

#include "render/WordColours.h"

#include <QColor>
#include <QImage>

#include <string>
#include <vector>

// Chinese words drawn from the word database's glyph pictures into pictures of their own, for
// windows that show words without a word control (answers, tiles, prompts). The glyphs are drawn
// with the coloured-glyph formula over the given ground colour, which must be the colour of what
// the picture is shown on.
namespace wordimage {

// The characters with their pinyin above (pinyin row of 22 pixels), or only the characters or
// only the pinyin when the other is empty. A null image when nothing could be drawn.
QImage DrawWord(const std::u16string& word, const std::u16string& pinyin, int lessonNumber, QColor ground,
                const WordColours& colours);

// A sentence's words in one or more rows no wider than `width`, pinyin above each word; the word
// at `blank` (or none for -1) is left out and underlined, as a gap to fill.
QImage DrawSentence(const std::vector<std::u16string>& words, const std::vector<std::u16string>& pinyins,
                    int blank, int lessonNumber, int width, QColor ground, const WordColours& colours);

} // namespace wordimage
