#include "ui/ResourceImages.h"

#include <QPixmap>
#include <QString>

static void InitArtworkResources() {
    static const bool initialised = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    (void)initialised;
}

QImage LoadBitmapResource(int id) {
    InitArtworkResources();
    if (id <= 0)
        return {};
    return QImage(QStringLiteral(":/bitmaps/%1.png").arg(id));
}

std::optional<QCursor> LoadCursorResource(int id) {
    InitArtworkResources();
    const QImage image(QStringLiteral(":/cursors/%1.png").arg(id));
    if (image.isNull())
        return std::nullopt;
    // The generator stores the hot spot as text keys of the PNG.
    const int hotX = image.text(QStringLiteral("HotSpotX")).toInt();
    const int hotY = image.text(QStringLiteral("HotSpotY")).toInt();
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}
