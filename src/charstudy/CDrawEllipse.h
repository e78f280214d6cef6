#pragma once

#include "charstudy/CDrawTwoPoint.h"

// An ellipse outline inscribed in the rectangle of its two corners.
class CDrawEllipse : public CDrawTwoPoint {
public:
    static constexpr std::uint32_t kTypeTag = 0x800C;
    CDrawEllipse() : CDrawTwoPoint(kTypeTag) {}
    const char* GetClassName() const override { return "CDrawEllipse"; }

protected:
    void DrawShape(QPainter& dc) const override;
    bool BodyContains(int x, int y) const override;
};
