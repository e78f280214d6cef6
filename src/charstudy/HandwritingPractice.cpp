#include "charstudy/HandwritingPractice.h"

#include <algorithm>
#include <cstdio>

void HandwritingPractice::Start(std::vector<ReferenceStroke> references) {
    m_references = std::move(references);
    m_strokes.clear();
    m_current.clear();
    m_counter = 0;
    m_drawing = false;
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

bool HandwritingPractice::Touches(const Stroke& stroke, QPoint squarePoint) {
    const QPoint target = squarePoint + kSquareOrigin;
    const double limit = kTouchDistance * kTouchDistance;
    return std::any_of(stroke.begin(), stroke.end(), [&](QPoint p) {
        const double dx = p.x() - target.x(), dy = p.y() - target.y();
        return dx * dx + dy * dy < limit;
    });
}

QPoint HandwritingPractice::ConfineToSquare(QPoint windowPoint) {
    const int last = kSquareSize - 1;
    return {std::clamp(windowPoint.x(), kSquareOrigin.x(), kSquareOrigin.x() + last),
            std::clamp(windowPoint.y(), kSquareOrigin.y(), kSquareOrigin.y() + last)};
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
    const bool accepted = std::any_of(reference->points.begin(), reference->points.end(),
                                      [&](QPoint p) { return Touches(m_current, p); });
    if (!accepted) {
        m_current.clear();
        --m_counter;
        return ReleaseResult::Rejected;
    }
    m_strokes.push_back(std::move(m_current));
    m_current.clear();
    return ReleaseResult::Accepted;
}

double HandwritingPractice::Grade() {
    double grade = 0.0;
    if (AllStrokesWritten()) {
        long total = 0, hits = 0;
        for (const ReferenceStroke& reference : m_references) {
            total += static_cast<long>(reference.points.size());
            for (QPoint p : reference.points)
                hits += std::count_if(m_strokes.begin(), m_strokes.end(),
                                      [&](const Stroke& s) { return Touches(s, p); });
        }
        // A reference without any point cannot be graded: it counts as 0 rather than 0 / 0.
        grade =
            total > 0 ? std::min(100.0, 100.0 * static_cast<double>(hits) / static_cast<double>(total)) : 0.0;
    }
    if (!m_references.empty()) {
        m_strokes.clear();
        m_current.clear();
        m_counter = 0;
        m_drawing = false;
    }
    return grade;
}

std::string HandwritingPractice::GradeText(double grade) {
    char text[64];
    std::snprintf(text, sizeof text, "Your handwriting's grade is:  %.1f", grade);
    return text;
}
