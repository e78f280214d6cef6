#include "charstudy/CDrawLine.h"

#include <QPainter>

void CDrawLine::DrawShape(QPainter& dc) const {
    dc.drawLine(m_p1, m_p2);
}

bool CDrawLine::BodyContains(int x, int y) const {
    return IsOnSegment(m_p1, m_p2, x, y);
}
