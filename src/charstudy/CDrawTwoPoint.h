#pragma once

#include "charstudy/CDrawObject.h"

#include <QPoint>

// What a line, a rectangle and an ellipse share: two corner points (x1, y1) and (x2, y2) and a
// drag anchor. Handles 1 and 2 are the corners, 3 the body; moving the body moves both corners by
// the offset from the anchor.
class CDrawTwoPoint : public CDrawObject {
public:
    void Serialize(strokefile::StrokeObject& record, bool storing) override;
    void Select(QPainter& dc, bool on) override;
    void Draw(QPainter& dc) override;
    int HitTest(int x, int y) override;
    void MoveHandle(QPainter& dc, int handle, int x, int y) override;
    void Start(int x, int y) override;
    int AddPoint(int x, int y) override;
    void DrawHandles(QPainter& dc) override;

    QPoint First() const { return m_p1; }
    QPoint Second() const { return m_p2; }
    QPoint Anchor() const { return m_anchor; }
    void SetPoints(QPoint p1, QPoint p2) {
        m_p1 = p1;
        m_p2 = p2;
    }

protected:
    explicit CDrawTwoPoint(std::uint32_t typeTag);
    // Draws the outline with the painter's pen as it is set up.
    virtual void DrawShape(QPainter& dc) const = 0;
    // Whether (x, y) counts as a hit on the body.
    virtual bool BodyContains(int x, int y) const = 0;

    QPoint m_p1, m_p2, m_anchor;
};
