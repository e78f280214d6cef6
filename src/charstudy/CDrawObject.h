#pragma once

#include "charstudy/StrokeFile.h"

#include <QColor>
#include <QPoint>

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

// The root of the drawing objects a stroke file holds: a colour (a COLORREF value, 0x00BBGGRR),
// a selected flag, a type tag and a pen width. On the root every operation does nothing.
// Drawing goes through a painter on the picture of the window; rubber-banding and handles draw
// in exclusive-or mode against the white window ground.
class CDrawObject {
public:
    static constexpr std::uint32_t kWindowBackground = 0x00FFFFFF;

    CDrawObject() = default;
    virtual ~CDrawObject() = default;

    // The class name under which the object is stored.
    virtual const char* GetClassName() const { return "CDrawObject"; }
    // Stores the object into (storing) or loads it from the archive record of its class.
    virtual void Serialize(strokefile::StrokeObject& record, bool storing);
    virtual void Select(QPainter& dc, bool on);
    virtual void Draw(QPainter& dc);
    virtual int HitTest(int x, int y);
    virtual void MoveHandle(QPainter& dc, int handle, int x, int y);
    virtual void Start(int x, int y);
    virtual int AddPoint(int x, int y);
    virtual void DrawHandles(QPainter& dc);

    std::uint32_t Colour() const { return m_colour; }
    void SetColour(std::uint32_t colour) { m_colour = colour; }
    bool IsSelected() const { return m_selected; }
    std::uint32_t TypeTag() const { return m_typeTag; }
    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int width) { m_penWidth = width; }

    // The colour of a COLORREF value.
    static QColor ToQColor(std::uint32_t colour);
    // Whether a point counts as near a vertex: closer than 4 pixels.
    static bool IsNear(QPoint vertex, double x, double y);

protected:
    // Stores or loads the fields every object shares.
    void SerializeBase(strokefile::StrokeObject& record, bool storing);
    // Changes the selected flag when it differs, drawing the handles each time it changes.
    void SelectWithHandles(QPainter& dc, bool on);
    // Sets up the painter for exclusive-or drawing with a one-pixel pen of background XOR colour.
    void BeginXor(QPainter& dc) const;
    // An 8 x 8 exclusive-or square centred on the point.
    static void DrawHandleAt(QPainter& dc, QPoint p);
    // Within 2 pixels of the segment's line and strictly between its ends in x or in y.
    static bool IsOnSegment(QPoint a, QPoint b, int x, int y);

    std::uint32_t m_colour = 0;
    bool m_selected = false;
    std::uint32_t m_typeTag = 0;
    int m_penWidth = 1;
};

using DrawObjectArray = std::vector<std::unique_ptr<CDrawObject>>;
