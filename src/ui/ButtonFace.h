#pragma once

#include <QColor>
#include <QImage>

// Decisions of an owner-drawn bitmap button, kept apart from the widget.
namespace ButtonFace {

enum class Image { Hover, Normal };

// The hover image while pressed or under the pointer; otherwise the normal one, or the hover image
// when the button has no normal image.
Image Choose(bool pressed, bool hover, bool hasNormal);

// The picture with every pixel of the transparent colour made fully transparent (the mask of the
// face), as ARGB32 of the given size (the hover image's size); pixels outside the picture stay
// transparent. Null for a null picture.
QImage Masked(const QImage& picture, QRgb transparent, QSize size);

struct Colours {
    QColor normal;
    QColor hover;
    QColor focus;
};

// Background of the current state: the hover colour when hovered or pressed, the focus colour with
// the focus, otherwise the normal colour.
QColor Background(const Colours& colours, bool hoverOrPressed, bool focus);

} // namespace ButtonFace
