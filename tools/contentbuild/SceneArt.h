#pragma once

#include "ArtStyle.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <string>
#include <vector>

// The drawing style the generated movies share (lesson scenes, the no-content and loading
// movies): the flat colours of the program's artwork, the fonts for Chinese and for Latin text, and
// the friendly figures.
namespace sceneart {

using art::kInk;
using art::kPaper;
inline const QColor kAccent = art::kTeal;
inline const QColor kWall{234, 244, 241};
inline const QColor kFloor{214, 231, 224};
inline const QColor kPaperEdge{196, 219, 211};
inline const QColor kSoftInk{84, 102, 110};

// A figure's colours and hair; LookFor(n) cycles through kLookCount distinct ones.
inline constexpr int kLookCount = 5;
struct Look {
    QColor coat;
    QColor skin;
    QColor hair;
    int hairStyle; // 0 short, 1 long, 2 bun
};
Look LookFor(int index);

// Chinese text (AR PL UMing) and Latin text with pinyin tone marks (DejaVu Sans), by pixel size.
QFont ChineseFont(int pixelSize);
QFont LatinFont(int pixelSize, bool bold = false);
// The font families above that are not installed.
std::vector<std::string> MissingFonts();
// The characters of `text` that would show as empty boxes: neither `font` nor a font Qt falls back
// to has them (spaces aside); empty when every one can be drawn.
QString MissingGlyphs(const QFont& font, const QString& text);

// A standing figure, head centre at `head`, `scale` 1 for a head of radius 24 px; it smiles, or
// has its mouth open while talking. The body goes down to head.y + 88 × scale.
void DrawFigure(QPainter& painter, QPointF head, double scale, const Look& look, bool mouthOpen);
// A rounded paper panel with a soft edge.
void DrawPanel(QPainter& painter, const QRectF& area);

} // namespace sceneart
