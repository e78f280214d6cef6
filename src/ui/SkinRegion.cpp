#include "ui/SkinRegion.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Adds one rectangle per run of opaque pixels of every row. The test is a template parameter so
// the per-pixel check is inlined: a window skin has hundreds of thousands of pixels.
template <class IsTransparent>
std::vector<QRect> OpaqueRuns(const QImage& image, IsTransparent isTransparent) {
    std::vector<QRect> rects;
    rects.reserve(static_cast<size_t>(image.height()));
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        int runStart = -1;
        for (int x = 0; x < width; ++x) {
            const bool opaque = !isTransparent(row, x);
            if (opaque && runStart < 0) {
                runStart = x;
            } else if (!opaque && runStart >= 0) {
                rects.emplace_back(QPoint(runStart, y), QPoint(x - 1, y));
                runStart = -1;
            }
        }
        if (runStart >= 0)
            rects.emplace_back(QPoint(runStart, y), QPoint(width - 1, y));
    }
    return rects;
}

} // namespace

std::optional<std::vector<QRect>> BuildRegionRects(const QImage& image, QRgb transparent) {
    const QRgb colour = transparent | 0xFF000000u;
    switch (image.format()) {
    case QImage::Format_Indexed8: {
        std::array<bool, 256> isTransparent{};
        const QList<QRgb> table = image.colorTable();
        for (int i = 0; i < table.size() && i < 256; ++i)
            isTransparent[static_cast<size_t>(i)] = (table[i] | 0xFF000000u) == colour;
        return OpaqueRuns(image, [&](const uchar* row, int x) { return isTransparent[row[x]]; });
    }
    case QImage::Format_RGB16: {
        const auto packed = static_cast<uint16_t>((qRed(colour) >> 3) << 11 | (qGreen(colour) >> 2) << 5 |
                                                  (qBlue(colour) >> 3));
        return OpaqueRuns(image, [packed](const uchar* row, int x) {
            uint16_t pixel;
            std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 2, 2);
            return pixel == packed;
        });
    }
    case QImage::Format_RGB888: {
        const uchar bytes[3] = {uchar(qRed(colour)), uchar(qGreen(colour)), uchar(qBlue(colour))};
        return OpaqueRuns(image, [&bytes](const uchar* row, int x) {
            return std::memcmp(row + static_cast<std::ptrdiff_t>(x) * 3, bytes, 3) == 0;
        });
    }
    case QImage::Format_BGR888: {
        const uchar bytes[3] = {uchar(qBlue(colour)), uchar(qGreen(colour)), uchar(qRed(colour))};
        return OpaqueRuns(image, [&bytes](const uchar* row, int x) {
            return std::memcmp(row + static_cast<std::ptrdiff_t>(x) * 3, bytes, 3) == 0;
        });
    }
    case QImage::Format_RGB32:
        // The top byte of an RGB32 pixel carries nothing (a decoder may leave it unset): the colour
        // alone decides, as QImage::pixel() reads it.
        return OpaqueRuns(image, [colour](const uchar* row, int x) {
            QRgb pixel;
            std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, 4);
            return (pixel | 0xFF000000u) == colour;
        });
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return OpaqueRuns(image, [colour](const uchar* row, int x) {
            QRgb pixel;
            std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, 4);
            return pixel == colour;
        });
    default:
        return std::nullopt;
    }
}

std::optional<QRegion> BuildSkinRegion(const QImage& image, QRgb transparent) {
    const std::optional<std::vector<QRect>> rects = BuildRegionRects(image, transparent);
    if (!rects)
        return std::nullopt;
    QRegion region;
    region.setRects(rects->data(), static_cast<int>(rects->size()));
    return region;
}
