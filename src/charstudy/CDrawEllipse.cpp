#include "charstudy/CDrawEllipse.h"

#include <QPainter>

void CDrawEllipse::DrawShape(QPainter& dc) const {
    dc.drawEllipse(QRect(m_p1, m_p2).normalized());
}

bool CDrawEllipse::BodyContains(int x, int y) const {
    const QRectF box = QRectF(QRect(m_p1, m_p2).normalized());
    if (box.width() <= 0 || box.height() <= 0)
        return false;
    const double nx = (x - box.center().x()) / (box.width() / 2);
    const double ny = (y - box.center().y()) / (box.height() / 2);
    return nx * nx + ny * ny <= 1.0;
}
