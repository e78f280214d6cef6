#pragma once

#include "charstudy/CDrawObject.h"

#include <QPoint>

#include <array>
#include <vector>

// A polyline of at most 80 points: one reference stroke of a character, with its 1-based stroke
// number. New polylines are red with a one-pixel pen and no points.
class CDrawPLine : public CDrawObject {
public:
    static constexpr std::uint32_t kTypeTag = strokefile::kPLineTypeTag;
    static constexpr int kMaxPoints = strokefile::kMaxPolylinePoints;

    CDrawPLine();
    const char* GetClassName() const override { return "CDrawPLine"; }

    void Serialize(strokefile::StrokeObject& record, bool storing) override;
    void Select(QPainter& dc, bool on) override;
    void Draw(QPainter& dc) override;
    // 1 near the first point, i near point i, -1 on a segment (the anchor is set), else 0.
    int HitTest(int x, int y) override;
    void MoveHandle(QPainter& dc, int handle, int x, int y) override;
    void Start(int x, int y) override;
    // Appends while there is room; 1 when the array is full afterwards.
    int AddPoint(int x, int y) override;
    void DrawHandles(QPainter& dc) override;

    int StrokeNumber() const { return m_strokeNumber; }
    void SetStrokeNumber(int number) { m_strokeNumber = number; }
    int PointCount() const { return m_count; }
    QPoint Point(int i) const { return m_points.at(static_cast<size_t>(i)); }
    std::vector<QPoint> Points() const;
    QPoint Anchor() const { return m_anchor; }

private:
    // Draws the segments that touch point `index` (0-based) with the painter as set up.
    void DrawSegmentsAround(QPainter& dc, int index) const;
    void DrawPolyline(QPainter& dc) const;

    int m_strokeNumber = 0;
    std::array<QPoint, kMaxPoints> m_points{};
    int m_count = 0;
    QPoint m_anchor;
};
