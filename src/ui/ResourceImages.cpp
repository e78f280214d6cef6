#include "ui/ResourceImages.h"

#include "app/Globals.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
#include <QString>
#include <cstring>
#include <mutex>

static void InitArtworkResources() {
    static const bool initialised = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    (void)initialised;
}

// Every compiled-in picture is a PNG. Naming the format spares Qt from loading each image format
// plugin, and the libraries behind them, to ask whether it knows the file: that alone cost a
// window's start several milliseconds.
static void OpenAsPng(QImageReader& reader, const QString& path) {
    reader.setFileName(path);
    reader.setFormat(QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
}

// Compiled-in pictures never change, and windows ask for the same button faces many times (the
// catalogue alone for 35 lesson buttons): each is decoded once. Callers get shared copies, which
// detach if they change them.
static QImage CachedResourceImage(const QString& path) {
    static std::mutex mutex;
    static QHash<QString, QImage> decoded;
    InitArtworkResources();
    const std::lock_guard<std::mutex> lock(mutex);
    const auto found = decoded.constFind(path);
    if (found != decoded.constEnd())
        return *found;
    QImageReader reader;
    OpenAsPng(reader, path);
    QImage image = reader.read();
    decoded.insert(path, image);
    return image;
}

// The face of the interface language when its words are drawn in it, else the common one.
static QString BitmapPath(int id) {
    InitArtworkResources();
    if (!g_strLangSuffix.empty()) {
        QString own =
            QStringLiteral(":/bitmaps/%1/%2.png").arg(QString::fromStdString(g_strLangSuffix)).arg(id);
        if (QFile::exists(own))
            return own;
    }
    return QStringLiteral(":/bitmaps/%1.png").arg(id);
}

QImage LoadBitmapResource(int id) {
    if (id <= 0)
        return {};
    return CachedResourceImage(BitmapPath(id));
}

// The width and height a compiled-in PNG's header gives (its IHDR chunk follows the signature),
// read from the bytes the program carries; invalid when they are stored compressed or are no PNG.
static QSize StoredPngSize(const QResource& resource) {
    static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const uchar* bytes = resource.data();
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression || !bytes ||
        resource.size() < 24 || std::memcmp(bytes, kSignature, 8) != 0 ||
        std::memcmp(bytes + 12, "IHDR", 4) != 0)
        return {};
    const auto bigEndian = [bytes](int at) {
        return static_cast<quint32>(bytes[at]) << 24 | static_cast<quint32>(bytes[at + 1]) << 16 |
               static_cast<quint32>(bytes[at + 2]) << 8 | static_cast<quint32>(bytes[at + 3]);
    };
    const quint32 width = bigEndian(16), height = bigEndian(20);
    constexpr quint32 kLargest = 1u << 16;
    if (width == 0 || height == 0 || width > kLargest || height > kLargest)
        return {};
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

QSize BitmapResourceSize(int id) {
    static std::mutex mutex;
    static QHash<int, QSize> sizes;
    if (id <= 0)
        return {};
    InitArtworkResources();
    const std::lock_guard<std::mutex> lock(mutex);
    const auto found = sizes.constFind(id);
    if (found != sizes.constEnd())
        return *found;
    // Windows ask for the sizes of their button faces as they are built: the header is read from
    // the carried bytes, where an image reader would set up a PNG decoder for each.
    const QString path = QStringLiteral(":/bitmaps/%1.png").arg(id);
    QSize size = StoredPngSize(QResource(path));
    if (!size.isValid()) {
        QImageReader reader;
        OpenAsPng(reader, path);
        size = reader.size();
    }
    sizes.insert(id, size);
    return size;
}

std::optional<QCursor> LoadCursorResource(int id) {
    // Made once per id: every word of a popup or list carries the same hand. The cursors go
    // while the application still stands, as their pixmaps need it.
    static std::mutex mutex;
    static QHash<int, std::optional<QCursor>> made;
    const std::lock_guard lock(mutex);
    if (const auto found = made.constFind(id); found != made.constEnd())
        return *found;
    const QImage image = CachedResourceImage(QStringLiteral(":/cursors/%1.png").arg(id));
    std::optional<QCursor> cursor;
    if (!image.isNull()) {
        // The generator stores the hot spot as text keys of the PNG.
        const int hotX = image.text(QStringLiteral("HotSpotX")).toInt();
        const int hotY = image.text(QStringLiteral("HotSpotY")).toInt();
        cursor = QCursor(QPixmap::fromImage(image), hotX, hotY);
    }
    if (made.isEmpty())
        qAddPostRoutine([] {
            const std::lock_guard emptying(mutex);
            made.clear();
        });
    made.insert(id, cursor);
    return cursor;
}
