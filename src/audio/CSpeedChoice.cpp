#include "audio/CSpeedChoice.h"

#include "audio/SpeechSpeed.h"
#include "ui/ProgramLook.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <iterator>

namespace {

const QColor kFrame(0x2f, 0x7f, 0x7a);
const QColor kPaper(0xff, 0xfd, 0xf7);
const QColor kInk(0x2e, 0x3a, 0x4b);

int SegmentCount() {
    return static_cast<int>(std::size(speech::kSpeeds));
}

QString SpeedLabel(int percent) {
    return QStringLiteral("%1×").arg(percent / 100.0);
}

} // namespace

CSpeedChoice::CSpeedChoice(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Speed of the model sentence"));
}

void CSpeedChoice::SetSpeed(int percent) {
    m_speed = speech::ValidSpeed(percent);
    update();
}

QRect CSpeedChoice::SegmentRect(int percent) const {
    const int count = SegmentCount();
    for (int i = 0; i < count; ++i) {
        if (speech::kSpeeds[i] != percent)
            continue;
        const int left = width() * i / count, right = width() * (i + 1) / count;
        return QRect(left, 0, right - left, height());
    }
    return {};
}

void CSpeedChoice::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(programlook::Font(12, true));
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(frame, 5, 5);
    painter.fillPath(outline, kPaper);
    painter.setClipPath(outline);
    for (const int percent : speech::kSpeeds) {
        const QRect segment = SegmentRect(percent);
        const bool chosen = percent == m_speed;
        if (chosen)
            painter.fillRect(segment, kFrame);
        painter.setPen(chosen ? kPaper : kInk);
        painter.drawText(segment, Qt::AlignCenter, SpeedLabel(percent));
        if (segment.left() > 0) {
            painter.setPen(kFrame);
            painter.drawLine(segment.topLeft(), segment.bottomLeft());
        }
    }
    painter.setClipping(false);
    painter.setPen(QPen(kFrame, 1));
    painter.drawPath(outline);
}

void CSpeedChoice::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    for (const int percent : speech::kSpeeds)
        if (SegmentRect(percent).contains(event->position().toPoint()) && percent != m_speed)
            emit speedChosen(percent);
}
