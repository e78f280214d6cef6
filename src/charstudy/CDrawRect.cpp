#include "charstudy/CDrawRect.h"

#include <QPainter>

void CDrawRect::DrawShape(QPainter& dc) const {
    dc.drawRect(QRect(m_p1, m_p2).normalized());
}

bool CDrawRect::BodyContains(int x, int y) const {
    return QRect(m_p1, m_p2).normalized().contains(x, y);
}
