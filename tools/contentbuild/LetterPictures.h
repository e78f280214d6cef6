#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <vector>

// Pictures drawn from fonts: the small glyph of a character or Chinese punctuation mark for the
// text rows, and pinyin letters and Western punctuation, all black on white.
namespace letters {

// Characters sit in square cells of this size in the text rows.
constexpr int kCellSize = 18;
// Every pinyin letter and Western punctuation picture has this height, so joined letter rows keep
// one height.
constexpr int kLetterHeight = 16;

// The Song (Ming) face the glyph pictures come from, and the face of the pinyin letters.
QString SongFontFamily();
QString LetterFontFamily();

// The faces above that are not installed (a stand-in face would draw wrong pictures).
std::vector<QString> MissingFonts();
// Empty when both faces are installed, otherwise the reason a picture build must not start.
std::string MissingFontError();

// The glyph centred in an 18 x 18 cell; at another scale (percent) the cell and the face grow
// alike, and the glyph is drawn from the face at that size.
QImage SmallGlyph(const QString& character, int scale = 100);

// One letter (or mark) at the shared height, as wide as the face advances for it. At another scale
// the height and the face grow, and the width is the base width at that scale, so that a row of
// letters grows exactly as its characters do.
QImage LetterPicture(const QString& letter, int scale = 100);

} // namespace letters
