#pragma once

#include <QFont>
#include <QString>

// How wide a sentence's speaker title may be. The title and its translation share the text column
// with the sentence translation that follows the colon; a long title (a French job title, say)
// wraps at its widest word instead of pushing the sentence translation out of the column, and no
// text is ever given a box narrower than its widest word.
namespace speaker_title {

struct Widths {
    int natural = 0;           // the title on one line: its translation or its Chinese words
    int narrowest = 0;         // the widest single word of the title or of its translation
    int translationWidest = 0; // the widest word of the sentence translation
};

struct Fit {
    int titleWidth = 0;       // the title column, without its colon
    int translationRight = 0; // right edge of the sentence translation's box
};

// textLeft and translationRight bound the column; colonSlot is the colon with its gap.
Fit FitTitle(const Widths& widths, int textLeft, int translationRight, int colonSlot);

// The width of the widest blank-separated word of a text.
int WidestWord(const QString& text, const QFont& font);

} // namespace speaker_title
