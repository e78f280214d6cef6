#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <optional>
#include <vector>

// The window shape of a skin: every run of pixels that differ from the transparent colour, row by
// row from the top, left to right, becomes a one-pixel-high rectangle. The colour is compared in the
// picture's own pixel format: 8 bits through the colour table, 16 bits packed 5-6-5, 24 bits as
// three bytes, 32 bits as the whole pixel word. Other formats have no region (nullopt).
std::optional<std::vector<QRect>> BuildRegionRects(const QImage& image, QRgb transparent);

// The same runs as a region; nullopt for an unsupported pixel format.
std::optional<QRegion> BuildSkinRegion(const QImage& image, QRgb transparent);

// Pure green, the colour outside a skin's shape.
inline constexpr QRgb kSkinTransparent = 0xFF00FF00;
