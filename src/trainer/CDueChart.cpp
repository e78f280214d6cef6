#include "trainer/CDueChart.h"

#include "exercise/PracticeColours.h"

#include <QPainter>

#include <algorithm>

using namespace practicecolours;

namespace {

constexpr int kTitleHeight = 28;
constexpr int kLabelHeight = 36;

} // namespace

CDueChart::CDueChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
}

void CDueChart::ShowForecast(const QString& title, const QDate& firstDay, const std::vector<int>& counts) {
    m_title = title;
    m_firstDay = firstDay;
    m_counts = counts;
    update();
}

void CDueChart::paintEvent(QPaintEvent*) {
    if (m_counts.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont titleFont = font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(kInk);
    painter.drawText(QRect(0, 0, width(), kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);

    const int most = std::max(1, *std::max_element(m_counts.begin(), m_counts.end()));
    const int columns = static_cast<int>(m_counts.size());
    const double pitch = static_cast<double>(width()) / columns;
    const int chartTop = kTitleHeight + 18;
    const int chartBottom = height() - kLabelHeight;
    QFont small = font();
    small.setPixelSize(12);
    painter.setFont(small);
    painter.setPen(QPen(kTealLight.darker(115), 1));
    painter.drawLine(0, chartBottom, width(), chartBottom);
    for (int day = 0; day < columns; ++day) {
        const int count = m_counts[static_cast<size_t>(day)];
        const double barHeight = (chartBottom - chartTop) * static_cast<double>(count) / most;
        const QRectF bar(day * pitch + pitch * 0.2, chartBottom - barHeight, pitch * 0.6, barHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTeal);
        painter.drawRoundedRect(bar, 3, 3);
        painter.setPen(kInk);
        if (count > 0)
            painter.drawText(QRectF(day * pitch, bar.top() - 16, pitch, 16), Qt::AlignCenter,
                             QString::number(count));
        const QDate date = m_firstDay.addDays(day);
        painter.drawText(QRectF(day * pitch, chartBottom + 2, pitch, kLabelHeight / 2.0), Qt::AlignCenter,
                         QLocale().dayName(date.dayOfWeek(), QLocale::ShortFormat));
        painter.drawText(QRectF(day * pitch, chartBottom + kLabelHeight / 2.0, pitch, kLabelHeight / 2.0),
                         Qt::AlignCenter, QString::number(date.day()));
    }
}
