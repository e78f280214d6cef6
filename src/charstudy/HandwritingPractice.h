#pragma once

#include "charstudy/StrokeChecker.h"

#include <QPoint>
#include <string>
#include <vector>

// The learner writing a character stroke by stroke over the reference strokes: each finished
// stroke is checked against the reference stroke of the same number (StrokeChecker), a refused
// one is taken back with the reason, and the finished character is graded by how close the
// strokes came to their references.
//
// Reference points are in the 190 x 190 square; learner points are window points, the square
// lying at (30, 50) in the window. A pad drawn at a larger Chinese text size scales the window
// (SetScale): its points are taken back into the square before they are judged, so a stroke is
// judged alike at every size.
class HandwritingPractice {
public:
    struct ReferenceStroke {
        int number = 0; // 1-based stroke number
        std::vector<QPoint> points;
    };
    using Stroke = std::vector<QPoint>;

    // The square in the window at 100 %.
    static constexpr QPoint kSquareOrigin{30, 50};
    static constexpr int kSquareSize = 190;
    // A learner point closer than this (in pixels) to a reference point touches it.
    static constexpr double kTouchDistance = StrokeChecker::kTouchDistance;

    enum class PressResult { Started, NoReference, Enough };
    enum class ReleaseResult { Nothing, Accepted, Rejected, Discarded };
    // Why the last stroke was refused and which references it concerns.
    struct Refusal {
        StrokeChecker::Verdict reason = StrokeChecker::Verdict::Accepted;
        int expectedNumber = 0; // the stroke that was due
        int fittedNumber = 0;   // for a wrong order, the later stroke that was written instead
    };

    // Starts a new practice with these reference strokes (none when the character has no data).
    void Start(std::vector<ReferenceStroke> references);
    // How strictly strokes are judged from the next stroke on.
    void SetStrictness(StrokeChecker::Strictness strictness) { m_checker = StrokeChecker(strictness); }
    // The size of the window in percent of its base size (100, 150, 200); forgets what was written.
    void SetScale(int percent);
    int Scale() const { return m_percent; }

    // Left button down at `windowPoint`: starts the next stroke there while strokes remain to be
    // written. The point where the pen touches down belongs to the stroke.
    PressResult Press(QPoint windowPoint);
    // Mouse move while the button is down: extends the current stroke.
    void Move(QPoint windowPoint);
    // Left button up: checks the finished stroke. A rejected stroke is taken back so the learner
    // writes it again (the caller tells why, from LastRefusal()).
    ReleaseResult Release();
    const Refusal& LastRefusal() const { return m_refusal; }

    // Grade in percent (0 to 100) when every stroke has been written, else 0: the mean of the
    // strokes' grades (StrokeChecker::StrokeGrade). Either way the learner's strokes are cleared
    // for another attempt.
    double Grade();
    // "Your handwriting's grade is:  %.1f"
    static std::string GradeText(double grade);

    bool AllStrokesWritten() const {
        return !m_references.empty() && m_counter >= static_cast<int>(m_references.size());
    }
    bool IsDrawing() const { return m_drawing; }
    int StrokeCounter() const { return m_counter; }
    const std::vector<Stroke>& LearnerStrokes() const { return m_strokes; }
    const Stroke& CurrentStroke() const { return m_current; }
    const std::vector<ReferenceStroke>& References() const { return m_references; }

    // The window point moved to the nearest point of the writing square, where the mouse is kept
    // while the button is down.
    QPoint ConfineToSquare(QPoint windowPoint) const;
    // Where a point of the square lies in the window, and back.
    QPoint ToWindow(QPoint squarePoint) const;
    QPointF ToSquare(QPoint windowPoint) const;

private:
    void ClearWriting();
    QPoint WindowOrigin() const;

    std::vector<ReferenceStroke> m_references;
    std::vector<StrokeChecker::Reference> m_prepared; // m_references made ready for the checker
    StrokeChecker m_checker;
    Refusal m_refusal;
    std::vector<Stroke> m_strokes;
    std::vector<double> m_strokeGrades; // one per kept stroke
    Stroke m_current;
    int m_counter = 0;
    bool m_drawing = false;
    int m_percent = 100;
};
