#include "charstudy/HandwritingPractice.h"

#include "render/GlyphScale.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

void HandwritingPractice::Start(std::vector<ReferenceStroke> references) {
    m_references = std::move(references);
    m_prepared.clear();
    for (const ReferenceStroke& reference : m_references)
        m_prepared.push_back(StrokeChecker::Prepare(reference.number, reference.points));
    ClearWriting();
}

void HandwritingPractice::ClearWriting() {
    m_strokes.clear();
    m_strokeGrades.clear();
    m_current.clear();
    m_counter = 0;
    m_drawing = false;
    m_refusal = {};
}

HandwritingPractice::PressResult HandwritingPractice::Press(QPoint windowPoint) {
    if (m_references.empty())
        return PressResult::NoReference;
    if (AllStrokesWritten())
        return PressResult::Enough;
    m_drawing = true;
    ++m_counter;
    m_current.assign(1, windowPoint);
    return PressResult::Started;
}

void HandwritingPractice::Move(QPoint windowPoint) {
    if (m_drawing)
        m_current.push_back(windowPoint);
}

void HandwritingPractice::SetScale(int percent) {
    m_percent = percent > 0 ? percent : 100;
    ClearWriting();
}

QPoint HandwritingPractice::WindowOrigin() const {
    return {glyphscale::Scaled(kSquareOrigin.x(), m_percent),
            glyphscale::Scaled(kSquareOrigin.y(), m_percent)};
}

QPoint HandwritingPractice::ToWindow(QPoint squarePoint) const {
    return WindowOrigin() + QPoint(glyphscale::Scaled(squarePoint.x(), m_percent),
                                   glyphscale::Scaled(squarePoint.y(), m_percent));
}

QPointF HandwritingPractice::ToSquare(QPoint windowPoint) const {
    return QPointF(windowPoint - WindowOrigin()) * (100.0 / m_percent);
}

QPoint HandwritingPractice::ConfineToSquare(QPoint windowPoint) const {
    const QPoint origin = WindowOrigin();
    const int last = glyphscale::Scaled(kSquareSize, m_percent) - 1;
    return {std::clamp(windowPoint.x(), origin.x(), origin.x() + last),
            std::clamp(windowPoint.y(), origin.y(), origin.y() + last)};
}

HandwritingPractice::ReleaseResult HandwritingPractice::Release() {
    if (!m_drawing)
        return ReleaseResult::Nothing;
    m_drawing = false;
    const auto reference = std::find_if(m_references.begin(), m_references.end(),
                                        [&](const ReferenceStroke& r) { return r.number == m_counter; });
    if (reference == m_references.end()) {
        m_current.clear();
        return ReleaseResult::Discarded;
    }
    std::vector<QPointF> squarePoints;
    squarePoints.reserve(m_current.size());
    for (QPoint p : m_current)
        squarePoints.push_back(ToSquare(p));
    const size_t expected = static_cast<size_t>(reference - m_references.begin());
    const StrokeChecker::Outcome outcome = m_checker.Check(squarePoints, m_prepared, expected);
    if (outcome.verdict != StrokeChecker::Verdict::Accepted) {
        m_refusal = {outcome.verdict, m_counter,
                     outcome.verdict == StrokeChecker::Verdict::WrongOrder
                         ? m_references[outcome.fittedIndex].number
                         : 0};
        m_current.clear();
        --m_counter;
        return ReleaseResult::Rejected;
    }
    m_refusal = {};
    m_strokeGrades.push_back(StrokeChecker::StrokeGrade(outcome.closeness));
    m_strokes.push_back(std::move(m_current));
    m_current.clear();
    return ReleaseResult::Accepted;
}

double HandwritingPractice::Grade() {
    double grade = 0.0;
    if (AllStrokesWritten()) {
        // Strokes not kept (no reference carried their number) count as 0.
        const double sum = std::accumulate(m_strokeGrades.begin(), m_strokeGrades.end(), 0.0);
        grade = std::min(100.0, sum / static_cast<double>(m_references.size()));
    }
    if (!m_references.empty())
        ClearWriting();
    return grade;
}

std::string HandwritingPractice::GradeText(double grade) {
    char text[64];
    std::snprintf(text, sizeof text, "Your handwriting's grade is:  %.1f", grade);
    return text;
}
