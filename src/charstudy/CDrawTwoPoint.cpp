#include "charstudy/CDrawTwoPoint.h"

#include <QPainter>

CDrawTwoPoint::CDrawTwoPoint(std::uint32_t typeTag) {
    m_typeTag = typeTag;
}

void CDrawTwoPoint::Serialize(strokefile::StrokeObject& record, bool storing) {
    SerializeBase(record, storing);
    if (storing) {
        record.values = {m_p1.x(), m_p1.y(), m_p2.x(), m_p2.y()};
    } else if (record.values.size() == 4) {
        m_p1 = QPoint(record.values[0], record.values[1]);
        m_p2 = QPoint(record.values[2], record.values[3]);
    }
}

void CDrawTwoPoint::Select(QPainter& dc, bool on) {
    SelectWithHandles(dc, on);
}

void CDrawTwoPoint::Draw(QPainter& dc) {
    dc.save();
    dc.setCompositionMode(QPainter::CompositionMode_SourceOver);
    dc.setPen(QPen(ToQColor(m_colour), 1));
    dc.setBrush(Qt::NoBrush);
    DrawShape(dc);
    dc.restore();
}

int CDrawTwoPoint::HitTest(int x, int y) {
    if (IsNear(m_p1, x, y))
        return 1;
    if (IsNear(m_p2, x, y))
        return 2;
    if (BodyContains(x, y)) {
        m_anchor = QPoint(x, y);
        return 3;
    }
    return 0;
}

void CDrawTwoPoint::MoveHandle(QPainter& dc, int handle, int x, int y) {
    if (handle < 1 || handle > 3)
        return;
    dc.save();
    if (m_selected)
        DrawHandles(dc);
    BeginXor(dc);
    DrawShape(dc);
    if (handle == 1) {
        m_p1 = QPoint(x, y);
    } else if (handle == 2) {
        m_p2 = QPoint(x, y);
    } else {
        const QPoint offset = QPoint(x, y) - m_anchor;
        m_p1 += offset;
        m_p2 += offset;
        m_anchor = QPoint(x, y);
    }
    DrawShape(dc);
    dc.restore();
    if (m_selected)
        DrawHandles(dc);
}

void CDrawTwoPoint::Start(int x, int y) {
    m_p1 = m_p2 = m_anchor = QPoint(x, y);
}

int CDrawTwoPoint::AddPoint(int x, int y) {
    m_p2 = QPoint(x, y);
    return 1;
}

void CDrawTwoPoint::DrawHandles(QPainter& dc) {
    DrawHandleAt(dc, m_p1);
    DrawHandleAt(dc, m_p2);
}
