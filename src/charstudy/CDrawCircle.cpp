#include "charstudy/CDrawCircle.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

void CDrawCircle::Serialize(strokefile::StrokeObject& record, bool storing) {
    SerializeBase(record, storing);
    if (storing) {
        record.values = {m_centre.x(), m_centre.y(), m_radius};
    } else if (record.values.size() == 3) {
        m_centre = QPoint(record.values[0], record.values[1]);
        m_radius = record.values[2];
    }
}

void CDrawCircle::Select(QPainter& dc, bool on) {
    SelectWithHandles(dc, on);
}

QPoint CDrawCircle::RimPoint() const {
    const long long x = static_cast<long long>(m_centre.x()) + m_radius;
    return QPoint(static_cast<int>(std::clamp<long long>(x, INT32_MIN, INT32_MAX)), m_centre.y());
}

void CDrawCircle::DrawShape(QPainter& dc) const {
    dc.drawEllipse(m_centre, m_radius, m_radius);
}

void CDrawCircle::Draw(QPainter& dc) {
    dc.save();
    dc.setPen(QPen(ToQColor(m_colour), m_penWidth));
    dc.setBrush(Qt::NoBrush);
    DrawShape(dc);
    dc.restore();
}

int CDrawCircle::HitTest(int x, int y) {
    if (IsNear(m_centre, x, y))
        return 1;
    if (IsNear(RimPoint(), x, y))
        return 2;
    const double dx = double(x) - m_centre.x(), dy = double(y) - m_centre.y();
    if (dx * dx + dy * dy <= double(m_radius) * m_radius) {
        m_anchor = QPoint(x, y);
        return 3;
    }
    return 0;
}

void CDrawCircle::SetRadiusTo(int x, int y) {
    const double radius = std::hypot(double(x) - m_centre.x(), double(y) - m_centre.y());
    m_radius = static_cast<int>(std::min(radius, 2147483647.0));
}

void CDrawCircle::MoveHandle(QPainter& dc, int handle, int x, int y) {
    if (handle < 1 || handle > 3)
        return;
    if (m_selected)
        DrawHandles(dc);
    dc.save();
    BeginXor(dc);
    DrawShape(dc);
    if (handle == 2) {
        SetRadiusTo(x, y);
    } else {
        const QPoint from = handle == 1 ? m_centre : m_anchor;
        m_centre += QPoint(x, y) - from;
        m_anchor = QPoint(x, y);
    }
    DrawShape(dc);
    dc.restore();
    if (m_selected)
        DrawHandles(dc);
}

void CDrawCircle::Start(int x, int y) {
    m_centre = m_anchor = QPoint(x, y);
    m_radius = 0;
}

int CDrawCircle::AddPoint(int x, int y) {
    SetRadiusTo(x, y);
    return 1;
}

void CDrawCircle::DrawHandles(QPainter& dc) {
    DrawHandleAt(dc, m_centre);
    DrawHandleAt(dc, RimPoint());
}
