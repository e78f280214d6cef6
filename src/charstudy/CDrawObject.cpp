#include "charstudy/CDrawObject.h"

#include <QPainter>

void CDrawObject::Serialize(strokefile::StrokeObject& record, bool storing) {
    SerializeBase(record, storing);
}

void CDrawObject::Select(QPainter&, bool) {}
void CDrawObject::Draw(QPainter&) {}
int CDrawObject::HitTest(int, int) {
    return 0;
}
void CDrawObject::MoveHandle(QPainter&, int, int, int) {}
void CDrawObject::Start(int, int) {}
int CDrawObject::AddPoint(int, int) {
    return 0;
}
void CDrawObject::DrawHandles(QPainter&) {}

QColor CDrawObject::ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

void CDrawObject::SerializeBase(strokefile::StrokeObject& record, bool storing) {
    if (storing) {
        record.typeTag = m_typeTag;
        record.colour = m_colour;
    } else {
        m_typeTag = record.typeTag;
        m_colour = record.colour;
    }
}

void CDrawObject::SelectWithHandles(QPainter& dc, bool on) {
    if (m_selected == on)
        return;
    m_selected = on;
    DrawHandles(dc);
}

void CDrawObject::BeginXor(QPainter& dc) const {
    dc.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    dc.setPen(QPen(ToQColor(kWindowBackground ^ m_colour), 1));
    dc.setBrush(Qt::NoBrush);
}

void CDrawObject::DrawHandleAt(QPainter& dc, QPoint p) {
    dc.save();
    dc.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    dc.setPen(Qt::NoPen);
    dc.setBrush(ToQColor(kWindowBackground));
    dc.drawRect(QRect(p.x() - 4, p.y() - 4, 8, 8));
    dc.restore();
}

bool CDrawObject::IsNear(QPoint vertex, double x, double y) {
    const double dx = x - vertex.x(), dy = y - vertex.y();
    return dx * dx + dy * dy < 16.0;
}

bool CDrawObject::IsOnSegment(QPoint a, QPoint b, int x, int y) {
    // In floating point: stored coordinates may lie anywhere in the 32-bit range.
    const double ex = double(b.x()) - a.x(), ey = double(b.y()) - a.y();
    const double lengthSquared = ex * ex + ey * ey;
    if (lengthSquared == 0)
        return false;
    const double cross = ex * (double(y) - a.y()) - ey * (double(x) - a.x());
    if (cross * cross / lengthSquared >= 4.0)
        return false;
    const bool betweenX = (x > a.x() && x < b.x()) || (x > b.x() && x < a.x());
    const bool betweenY = (y > a.y() && y < b.y()) || (y > b.y() && y < a.y());
    return betweenX || betweenY;
}
