#include "lesson/SpeakerTitleFit.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace speaker_title {

Fit FitTitle(const Widths& widths, int textLeft, int translationRight, int colonSlot) {
    const int room = translationRight - textLeft - colonSlot - widths.translationWidest;
    Fit fit;
    // A title that has to wrap anyway wraps at its widest word, leaving the translation the most room.
    fit.titleWidth = widths.natural <= room ? widths.natural : widths.narrowest;
    // Only when even the narrowest title leaves no room does the translation reach further right.
    fit.translationRight =
        std::max(translationRight, textLeft + fit.titleWidth + colonSlot + widths.translationWidest);
    return fit;
}

int WidestWord(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

} // namespace speaker_title
