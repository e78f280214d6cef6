#pragma once

#include "charstudy/StrokeImage.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

// The stroke-order animation as a sequence of drawing steps, without a window: each stroke
// picture is revealed in its direction in steps of 3 pixels, 10 ms apart, then stamped whole,
// with a 300 ms pause after a picture that completes a stroke. Every step ANDs part of a picture
// into the pad's picture, so black strokes darken and white leaves it as it was.
//
// The pad may be drawn at a larger Chinese text size: the pictures are then scaled first
// (ScaledImages), and the square's origin and the step grow with the same percentage, so the
// animation takes as long at every size.
class StrokeAnimation {
public:
    static constexpr int kStepPixels = 3;
    static constexpr int kStepMilliseconds = 10;
    static constexpr int kStrokePauseMilliseconds = 300;
    // Where the 190 x 190 character square lies in the pad at 100 %.
    static constexpr QPoint kSquareOrigin{30, 50};

    struct Step {
        int record = 0; // index of the stroke picture
        QRect source;   // part of the picture (may be empty)
        QPoint target;  // where its top-left corner goes in the pad
        bool whole = false;
        int waitMs = 0; // pause after this step
    };

    // `images` are the pictures at `percent` of their stored size (ScaledImages).
    explicit StrokeAnimation(const std::vector<StrokeImage>& images, int percent = 100);

    // The next step; false when every picture has been stamped whole.
    bool Next(Step& step);

    // Pad picture &= picture part, placed at `target`.
    static void AndInto(QImage& pad, const QImage& picture, QRect source, QPoint target);
    // Every picture whole, as the static view shows the character, the square at `origin`.
    static void StampAll(QImage& pad, const std::vector<StrokeImage>& images, QPoint origin = kSquareOrigin);

    // The character square's origin in a pad drawn at `percent`.
    static QPoint SquareOrigin(int percent);
    // A picture of the character square (the outline, 190 x 190) at `percent`.
    static QImage ScaledPicture(const QImage& picture, int percent);
    // The stroke pictures at `percent`, their offsets scaled alike; unchanged at 100 %. Edges are
    // rounded from the scaled picture's both sides, so pieces of one stroke still meet.
    static std::vector<StrokeImage> ScaledImages(const std::vector<StrokeImage>& images, int percent);

private:
    // The partial step `m_index` of the current picture, or false when it has none left.
    bool PartialStep(const StrokeImage& image, Step& step) const;

    const std::vector<StrokeImage>& m_images;
    QPoint m_origin;
    int m_stepPixels;
    size_t m_record = 0;
    int m_index = 0; // partial steps done on the current picture
};
