#pragma once

#include "charstudy/CDrawTwoPoint.h"

// A straight segment drawn with a one-pixel pen of its colour.
class CDrawLine : public CDrawTwoPoint {
public:
    static constexpr std::uint32_t kTypeTag = 0x8010;
    CDrawLine() : CDrawTwoPoint(kTypeTag) {}
    const char* GetClassName() const override { return "CDrawLine"; }

protected:
    void DrawShape(QPainter& dc) const override;
    bool BodyContains(int x, int y) const override;
};
