#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <string>
#include <vector>

// Judges one handwritten stroke against the reference strokes of its character, and how close it
// is to its reference, in the 190 x 190 character square.
//
// Both sides are resampled evenly along their length first, so that how often the mouse reported
// a point changes neither the verdict nor the closeness. The stroke's ink must first come within
// the touch distance of a point of its reference (the original check, measured from the edge of the
// 8-pixel pen rather than its middle); then it is refused when it fits a later stroke better, runs
// the wrong way, is much too short or too long, has another shape (Fréchet distance once the start
// points lie on each other), or lies too far from the reference on the whole.
class StrokeChecker {
public:
    enum class Strictness { Relaxed, Normal, Strict };
    enum class Verdict { Accepted, WrongOrder, WrongDirection, WrongShape, TooFar, TooShort, TooLong };

    // A reference stroke prepared once per practice.
    struct Reference {
        int number = 0;             // 1-based stroke number
        std::vector<QPointF> dense; // points at most kDenseSpacing apart, for the touch gate
        std::vector<QPointF> even;  // kComparePoints points evenly along the stroke
        double length = 0;
        QRectF bounds;
    };
    struct Outcome {
        Verdict verdict = Verdict::Accepted;
        // For a wrong order, the index (into the references) of the later stroke it fits.
        size_t fittedIndex = 0;
        // Mean distance in pixels between the stroke and its reference (see Closeness).
        double closeness = 0;
    };

    // A learner point closer than this (in pixels) to a reference point touches it.
    static constexpr double kTouchDistance = 5.0;
    // Half the width of the pen the learner writes with: the ink reaches this far from the point.
    static constexpr double kInkRadius = 4.0;
    static constexpr double kDenseSpacing = 5.0;
    static constexpr int kComparePoints = 32;

    explicit StrokeChecker(Strictness strictness = Strictness::Normal) : m_strictness(strictness) {}
    // "relaxed", "normal" or "strict" in any letter case; anything else is normal.
    static Strictness ParseStrictness(const std::string& text);

    static Reference Prepare(int number, const std::vector<QPoint>& squarePoints);

    // Checks `stroke` (square points) as the stroke at `expected` of `references`.
    Outcome Check(const std::vector<QPointF>& stroke, const std::vector<Reference>& references,
                  size_t expected) const;

    // Symmetric mean distance between two strokes: the mean distance of each one's even points to
    // the other polyline, averaged over both directions.
    static double Closeness(const std::vector<QPointF>& evenA, const std::vector<QPointF>& evenB);
    // Grade of one stroke in percent from its closeness: full within a few pixels (how far a
    // careful mouse hand wavers), falling to 0 at about the width of a stroke and a half.
    static double StrokeGrade(double closeness);

    // Points evenly spaced at most `spacing` apart along the polyline, first and last kept.
    static std::vector<QPointF> EvenlySpaced(const std::vector<QPointF>& line, double spacing);
    // `count` points (count >= 2) evenly spaced along the polyline's length; nothing for an empty
    // line.
    static std::vector<QPointF> Resample(const std::vector<QPointF>& line, int count);
    static double Length(const std::vector<QPointF>& line);

private:
    // Scales the refusal limits: looser when relaxed, tighter when strict.
    double Tolerance() const;

    Strictness m_strictness;
};
