#pragma once

#include <QColor>
#include <QImage>
#include <vector>

// Writes pictures as complete BMP files (14-byte file header, 40-byte information header, colour
// table, bottom-up rows padded to four bytes), the form in which the character database stores
// every glyph, letter and stroke picture.
namespace bmp {

enum class Depth {
    // Two colours, `ink` and white: each pixel takes the one its grey is nearer to.
    Mono1,
    // Sixteen grey levels from black to white (anti-aliased glyph edges).
    Grey4,
    // Full colour.
    Rgb24,
    // At most 256 colours: the most used colours of the picture exactly, every other colour the
    // nearest of them. Pictures of text on a few plain grounds look the same at a third of the size.
    Palette8,
};

std::vector<unsigned char> WriteBmp(const QImage& image, Depth depth, QColor ink = Qt::black);

} // namespace bmp
