#include "charstudy/CDrawPLine.h"

#include <QPainter>

#include <algorithm>

CDrawPLine::CDrawPLine() {
    m_typeTag = kTypeTag;
    m_colour = strokefile::kDefaultPLineColour;
}

void CDrawPLine::Serialize(strokefile::StrokeObject& record, bool storing) {
    SerializeBase(record, storing);
    if (storing) {
        record.strokeNumber = m_strokeNumber;
        record.penWidth = m_penWidth;
        record.points.clear();
        for (int i = 0; i < m_count; ++i)
            record.points.push_back({m_points[i].x(), m_points[i].y()});
        return;
    }
    m_strokeNumber = record.strokeNumber;
    m_penWidth = record.penWidth;
    m_count = static_cast<int>(std::min<size_t>(record.points.size(), kMaxPoints));
    for (int i = 0; i < m_count; ++i)
        m_points[i] = QPoint(record.points[i].x, record.points[i].y);
}

std::vector<QPoint> CDrawPLine::Points() const {
    return std::vector<QPoint>(m_points.begin(), m_points.begin() + m_count);
}

void CDrawPLine::Select(QPainter& dc, bool on) {
    SelectWithHandles(dc, on);
}

void CDrawPLine::DrawPolyline(QPainter& dc) const {
    if (m_count > 1)
        dc.drawPolyline(m_points.data(), m_count);
}

void CDrawPLine::Draw(QPainter& dc) {
    dc.save();
    dc.setCompositionMode(QPainter::CompositionMode_Source);
    dc.setPen(QPen(ToQColor(m_colour), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    dc.setBrush(Qt::NoBrush);
    DrawPolyline(dc);
    dc.restore();
}

int CDrawPLine::HitTest(int x, int y) {
    if (m_count > 0 && IsNear(m_points[0], x, y))
        return 1;
    for (int i = 1; i < m_count; ++i) {
        if (IsNear(m_points[i], x, y))
            return i + 1;
        if (IsOnSegment(m_points[i - 1], m_points[i], x, y)) {
            m_anchor = QPoint(x, y);
            return -1;
        }
    }
    return 0;
}

void CDrawPLine::DrawSegmentsAround(QPainter& dc, int index) const {
    if (index > 0)
        dc.drawLine(m_points[index - 1], m_points[index]);
    if (index + 1 < m_count)
        dc.drawLine(m_points[index], m_points[index + 1]);
}

void CDrawPLine::MoveHandle(QPainter& dc, int handle, int x, int y) {
    if (handle == 0 || handle > m_count || handle < -1)
        return;
    if (m_selected)
        DrawHandles(dc);
    dc.save();
    BeginXor(dc);
    if (handle == -1) {
        DrawPolyline(dc);
        const QPoint offset = QPoint(x, y) - m_anchor;
        for (int i = 0; i < m_count; ++i)
            m_points[i] += offset;
        m_anchor = QPoint(x, y);
        DrawPolyline(dc);
    } else {
        DrawSegmentsAround(dc, handle - 1);
        m_points[handle - 1] = QPoint(x, y);
        DrawSegmentsAround(dc, handle - 1);
    }
    dc.restore();
    if (m_selected)
        DrawHandles(dc);
}

void CDrawPLine::Start(int x, int y) {
    m_count = 1;
    m_points[0] = m_anchor = QPoint(x, y);
}

int CDrawPLine::AddPoint(int x, int y) {
    if (m_count < kMaxPoints)
        m_points[m_count++] = QPoint(x, y);
    return m_count >= kMaxPoints ? 1 : 0;
}

void CDrawPLine::DrawHandles(QPainter& dc) {
    for (int i = 0; i < m_count; ++i)
        DrawHandleAt(dc, m_points[i]);
}
