#include "LetterPictures.h"

#include "render/GlyphScale.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace letters {
namespace {

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QFont SongFont(int scale) {
    QFont font(SongFontFamily());
    font.setPixelSize(glyphscale::Scaled(kCellSize - 2, scale));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont LetterFont(int scale) {
    QFont font(LetterFontFamily());
    font.setPixelSize(glyphscale::Scaled(13, scale));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QString SongFontFamily() {
    return QStringLiteral("AR PL UMing CN");
}

QString LetterFontFamily() {
    return QStringLiteral("DejaVu Sans");
}

std::vector<QString> MissingFonts() {
    std::vector<QString> missing;
    for (const QString& family : {SongFontFamily(), LetterFontFamily()})
        if (!QFontDatabase::hasFamily(family))
            missing.push_back(family);
    return missing;
}

std::string MissingFontError() {
    const std::vector<QString> missing = MissingFonts();
    if (missing.empty())
        return {};
    return "the font " + missing.front().toStdString() +
           " is not installed (scripts/install-deps.sh installs it)";
}

QImage SmallGlyph(const QString& character, int scale) {
    const int cell = glyphscale::Scaled(kCellSize, scale);
    QImage image = WhiteImage(cell, cell);
    QPainter painter(&image);
    painter.setFont(SongFont(scale));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, cell, cell), Qt::AlignCenter, character);
    return image;
}

QImage LetterPicture(const QString& letter, int scale) {
    const int baseWidth = std::max(QFontMetrics(LetterFont(100)).horizontalAdvance(letter), 2);
    const int width = glyphscale::Scaled(baseWidth, scale);
    const int height = glyphscale::Scaled(kLetterHeight, scale);
    QImage image = WhiteImage(width, height);
    QPainter painter(&image);
    painter.setFont(LetterFont(scale));
    painter.setPen(Qt::black);
    // The baseline leaves room above for tone marks on capitals and below for descenders.
    painter.drawText(0, height - glyphscale::Scaled(4, scale), letter);
    return image;
}

} // namespace letters
