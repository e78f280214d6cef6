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
class StrokeAnimation {
public:
    static constexpr int kStepPixels = 3;
    static constexpr int kStepMilliseconds = 10;
    static constexpr int kStrokePauseMilliseconds = 300;
    // Where the 190 x 190 character square lies in the pad.
    static constexpr QPoint kSquareOrigin{30, 50};

    struct Step {
        int record = 0; // index of the stroke picture
        QRect source;   // part of the picture (may be empty)
        QPoint target;  // where its top-left corner goes in the pad
        bool whole = false;
        int waitMs = 0; // pause after this step
    };

    explicit StrokeAnimation(const std::vector<StrokeImage>& images) : m_images(images) {}

    // The next step; false when every picture has been stamped whole.
    bool Next(Step& step);

    // Pad picture &= picture part, placed at `target`.
    static void AndInto(QImage& pad, const QImage& picture, QRect source, QPoint target);
    // Every picture whole, as the static view shows the character.
    static void StampAll(QImage& pad, const std::vector<StrokeImage>& images);

private:
    // The partial step `m_index` of the current picture, or false when it has none left.
    bool PartialStep(const StrokeImage& image, Step& step) const;

    const std::vector<StrokeImage>& m_images;
    size_t m_record = 0;
    int m_index = 0; // partial steps done on the current picture
};
