#pragma once

#include <QImage>

// One picture of the stroke-order animation: part of a stroke (or a whole one) of a character,
// placed inside the 190 x 190 character square and revealed in the direction it is written.
struct StrokeImage {
    // Directions; any other value is revealed like kLeftToRight.
    static constexpr int kLeftToRight = 0;
    static constexpr int kTopToBottom = 1;
    static constexpr int kRightToLeft = 2;
    static constexpr int kBottomToTop = 3;

    int strokeNumber = 0; // djh
    QImage bitmap;        // null when the row had no picture
    int offsetY = 0;
    int offsetX = 0;
    int direction = kLeftToRight;
    int isOneStroke = 0; // non-zero: this picture completes a stroke, the animation pauses after it
};
