#pragma once

#include "charstudy/CDrawObject.h"

#include <QPoint>

// A circle given by its centre and radius (the three stored values). Handle 1 is the centre,
// 2 the rim (moving it changes the radius), 3 the inside.
class CDrawCircle : public CDrawObject {
public:
    static constexpr std::uint32_t kTypeTag = 0x800D;
    CDrawCircle() { m_typeTag = kTypeTag; }
    const char* GetClassName() const override { return "CDrawCircle"; }

    void Serialize(strokefile::StrokeObject& record, bool storing) override;
    void Select(QPainter& dc, bool on) override;
    void Draw(QPainter& dc) override;
    int HitTest(int x, int y) override;
    void MoveHandle(QPainter& dc, int handle, int x, int y) override;
    void Start(int x, int y) override;
    int AddPoint(int x, int y) override;
    void DrawHandles(QPainter& dc) override;

    QPoint Centre() const { return m_centre; }
    int Radius() const { return m_radius; }
    void SetCircle(QPoint centre, int radius) {
        m_centre = centre;
        m_radius = radius;
    }

private:
    void DrawShape(QPainter& dc) const;
    // The rim handle right of the centre (held within the coordinate range).
    QPoint RimPoint() const;
    void SetRadiusTo(int x, int y);

    QPoint m_centre;
    int m_radius = 0;
    QPoint m_anchor;
};
