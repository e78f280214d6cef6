#include "LetterPictures.h"

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

QFont SongFont() {
    QFont font(SongFontFamily());
    font.setPixelSize(kCellSize - 2);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont LetterFont() {
    QFont font(LetterFontFamily());
    font.setPixelSize(13);
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

QImage SmallGlyph(const QString& character) {
    QImage image = WhiteImage(kCellSize, kCellSize);
    QPainter painter(&image);
    painter.setFont(SongFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, kCellSize, kCellSize), Qt::AlignCenter, character);
    return image;
}

QImage LetterPicture(const QString& letter) {
    const QFont font = LetterFont();
    const QFontMetrics metrics(font);
    const int width = std::max(metrics.horizontalAdvance(letter), 2);
    QImage image = WhiteImage(width, kLetterHeight);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The baseline leaves room above for tone marks on capitals and below for descenders.
    painter.drawText(0, kLetterHeight - 4, letter);
    return image;
}

} // namespace letters
