#pragma once

#include "charstudy/CDrawTwoPoint.h"

// A rectangle outline between its two corners.
class CDrawRect : public CDrawTwoPoint {
public:
    static constexpr std::uint32_t kTypeTag = 0x800A;
    CDrawRect() : CDrawTwoPoint(kTypeTag) {}
    const char* GetClassName() const override { return "CDrawRect"; }

protected:
    void DrawShape(QPainter& dc) const override;
    bool BodyContains(int x, int y) const override;
};
