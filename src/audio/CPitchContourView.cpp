#include "audio/CPitchContourView.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The semitones shown above and below the speaker's median.
constexpr float kSemitoneRange = 6;
const QColor kModelColour(0, 0, 255);
const QColor kLearnerColour(230, 110, 0);
const QColor kGridColour(205, 215, 235);

// A path through the voiced frames, broken where the voice stops.
template <typename PointFn>
QPainterPath ContourPath(const PitchContour& contour, std::size_t from, std::size_t to, PointFn point) {
    QPainterPath path;
    bool drawing = false;
    for (std::size_t i = from; i < to && i < contour.semitones.size(); ++i) {
        const float s = contour.semitones[i];
        if (std::isnan(s)) {
            drawing = false;
            continue;
        }
        const QPointF p = point(i, s);
        if (drawing)
            path.lineTo(p);
        else
            path.moveTo(p);
        drawing = true;
    }
    return path;
}

} // namespace

CPitchContourView::CPitchContourView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPitchContourView::SetContours(const PitchContour& model, const PitchContour& learner,
                                    const tones::ToneScore& score,
                                    const std::vector<std::string>& syllables) {
    m_model = model;
    m_learner = learner;
    m_score = score;
    m_syllables = syllables;
    // The time axis runs over the model's voice.
    std::size_t first = m_model.semitones.size(), last = 0;
    for (std::size_t i = 0; i < m_model.semitones.size(); ++i)
        if (!std::isnan(m_model.semitones[i])) {
            first = std::min(first, i);
            last = i;
        }
    m_firstFrame = first <= last ? first : 0;
    m_frameCount = first <= last ? last - first + 1 : 0;
    update();
}

QPointF CPitchContourView::Point(double frame, float semitones) const {
    const double x = 4 + (frame - static_cast<double>(m_firstFrame)) * (width() - 8) /
                             std::max<double>(1.0, static_cast<double>(m_frameCount));
    const double clamped =
        std::clamp(static_cast<double>(semitones), -double(kSemitoneRange), double(kSemitoneRange));
    const double y = height() / 2.0 - clamped * (height() / 2.0 - 12) / kSemitoneRange;
    return {x, y};
}

void CPitchContourView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(kGridColour);
    painter.drawLine(QPointF(0, height() / 2.0), QPointF(width(), height() / 2.0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_frameCount == 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSyllables(painter);
    DrawModel(painter);
    DrawLearner(painter);
}

void CPitchContourView::DrawModel(QPainter& painter) const {
    painter.setPen(QPen(kModelColour, 2));
    painter.drawPath(
        ContourPath(m_model, m_firstFrame, m_firstFrame + m_frameCount,
                    [this](std::size_t i, float s) { return Point(static_cast<double>(i), s); }));
}

// Each learner syllable is stretched over the model syllable it was lined up with.
void CPitchContourView::DrawLearner(QPainter& painter) const {
    painter.setPen(QPen(kLearnerColour, 2));
    for (const tones::SyllableScore& syllable : m_score.syllables) {
        const double learnerFrames = static_cast<double>(syllable.learner.end - syllable.learner.begin);
        if (learnerFrames <= 0)
            continue;
        const double scale = static_cast<double>(syllable.model.end - syllable.model.begin) / learnerFrames;
        painter.drawPath(
            ContourPath(m_learner, syllable.learner.begin, syllable.learner.end, [&](std::size_t i, float s) {
                const double frame = static_cast<double>(syllable.model.begin) +
                                     static_cast<double>(i - syllable.learner.begin) * scale;
                return Point(frame, s);
            }));
    }
}

void CPitchContourView::DrawSyllables(QPainter& painter) const {
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (std::size_t s = 0; s < m_score.syllables.size(); ++s) {
        const tones::SyllableScore& syllable = m_score.syllables[s];
        const double left = Point(static_cast<double>(syllable.model.begin), 0).x();
        const double right = Point(static_cast<double>(syllable.model.end), 0).x();
        painter.setPen(kGridColour);
        if (s > 0)
            painter.drawLine(QPointF(left, 0), QPointF(left, height()));
        // Labels may run past a short syllable's edges rather than be cut.
        const double middle = (left + right) / 2;
        const QRectF cell(middle - 30, 0, 60, height());
        painter.setPen(kModelColour);
        if (s < m_syllables.size())
            painter.drawText(cell.adjusted(0, 1, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(m_syllables[s]));
        if (syllable.learner.end > syllable.learner.begin) {
            painter.setPen(kLearnerColour);
            painter.drawText(cell.adjusted(0, 0, 0, -1), Qt::AlignHCenter | Qt::AlignBottom,
                             QString::number(syllable.score));
        }
    }
}
