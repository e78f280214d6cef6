#include "charstudy/CDrawRect.h"

#include <QPainter>

#include <algorithm>

void CDrawRect::DrawShape(QPainter& dc) const {
    dc.drawRect(QRect(m_p1, m_p2).normalized());
}

bool CDrawRect::BodyContains(int x, int y) const {
    // Compared corner by corner: a normalised QRect of far-apart corners overflows its width.
    return x >= std::min(m_p1.x(), m_p2.x()) && x <= std::max(m_p1.x(), m_p2.x()) &&
           y >= std::min(m_p1.y(), m_p2.y()) && y <= std::max(m_p1.y(), m_p2.y());
}
