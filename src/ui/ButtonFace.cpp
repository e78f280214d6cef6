#include "ui/ButtonFace.h"

#include <algorithm>

namespace ButtonFace {

Image Choose(bool pressed, bool hover, bool hasNormal) {
    if (pressed || hover || !hasNormal)
        return Image::Hover;
    return Image::Normal;
}

QImage Masked(const QImage& picture, QRgb transparent, QSize size) {
    if (picture.isNull() || size.isEmpty())
        return {};
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent | 0xFF000000u;
    QImage masked(size, QImage::Format_ARGB32);
    masked.fill(Qt::transparent);
    const int width = std::min(size.width(), source.width());
    const int height = std::min(size.height(), source.height());
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = in[x] == key ? 0u : in[x];
    }
    return masked;
}

QColor Background(const Colours& colours, bool hoverOrPressed, bool focus) {
    if (hoverOrPressed)
        return colours.hover;
    if (focus)
        return colours.focus;
    return colours.normal;
}

} // namespace ButtonFace
