#include "lesson/CMeaningText.h"

#include "lesson/LessonSettings.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Tall enough for any translation; only the width limits the wrapping.
constexpr int kMeasuringHeight = 1000;

} // namespace

CMeaningText::CMeaningText(QWidget* parent) : QWidget(parent), m_background(Qt::white) {
    setObjectName("277");
}

int CMeaningText::SetText(const QRect& rect, const std::string& text) {
    m_text = text.empty() ? " " : text;
    const QRect measuring(0, 0, rect.width(), kMeasuringHeight);
    const int height = QFontMetrics(g_lessonSettings.Font())
                           .boundingRect(measuring, Qt::TextWordWrap, QString::fromStdString(m_text))
                           .height();
    setGeometry(rect.left(), rect.top(), rect.width(), height);
    update();
    return height;
}

void CMeaningText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setFont(g_lessonSettings.Font());
    painter.setPen(g_lessonSettings.m_effective.MeaningColor());
    painter.drawText(rect(), Qt::TextWordWrap, QString::fromStdString(m_text));
}
