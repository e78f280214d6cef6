#include "charstudy/CDrawEllipse.h"

#include <QPainter>

#include <algorithm>

void CDrawEllipse::DrawShape(QPainter& dc) const {
    dc.drawEllipse(QRect(m_p1, m_p2).normalized());
}

// Worked out in floating point: stored corners may lie anywhere in the 32-bit range, where the
// integer width of a rectangle overflows.
bool CDrawEllipse::BodyContains(int x, int y) const {
    const double left = std::min(m_p1.x(), m_p2.x()), right = std::max(m_p1.x(), m_p2.x());
    const double top = std::min(m_p1.y(), m_p2.y()), bottom = std::max(m_p1.y(), m_p2.y());
    const double halfWidth = (right - left + 1) / 2, halfHeight = (bottom - top + 1) / 2;
    const double nx = (x - (left + halfWidth)) / halfWidth;
    const double ny = (y - (top + halfHeight)) / halfHeight;
    return nx * nx + ny * ny <= 1.0;
}
