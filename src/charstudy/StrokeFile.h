#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The stroke file: an array of drawing objects in the framework's object-archive layout
// (little-endian). Element count (16-bit, or 0xFFFF and a 32-bit count); per element a reference:
// 0x0000 null, 0xFFFF new class (schema, name length, name) followed by the object's data,
// 0x8000|index an object of a class already introduced, any other value a second reference to an
// object already read (0x7FFF and a 32-bit index for large ones, whose top bit marks a class).
// Classes and objects share one index counter starting at 1.
//
// This file reads and writes the plain data of those objects; the drawing objects are built on it.
namespace strokefile {

// The six classes a stroke file may hold, by their archive class names.
enum class ObjectKind { PLine, Line, Rect, Ellipse, Circle, Font };

constexpr int kMaxPolylinePoints = 80;
constexpr std::uint32_t kPLineTypeTag = 0x800E;
constexpr std::uint32_t kDefaultPLineColour = 0x000000FF; // RGB(255,0,0) as a COLORREF

struct StrokePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const StrokePoint&) const = default;
};

// One element of the array. A polyline uses stroke number, pen width and points; the other kinds
// keep their coordinates in `values` (4 for line, rectangle and ellipse, 3 for circle, 2 for font).
struct StrokeObject {
    ObjectKind kind = ObjectKind::PLine;
    std::uint32_t typeTag = kPLineTypeTag;
    std::uint32_t colour = kDefaultPLineColour;
    std::int32_t strokeNumber = 0;
    std::int32_t penWidth = 1;
    std::vector<StrokePoint> points;
    std::vector<std::int32_t> values;
    bool operator==(const StrokeObject&) const = default;
};

// A reference polyline for stroke `strokeNumber` (1-based) with the default colour and pen.
StrokeObject MakeStrokePolyline(std::int32_t strokeNumber, std::vector<StrokePoint> points);

// The archive class name of a kind ("CDrawPLine", ...).
const char* ClassName(ObjectKind kind);

// Writes the array. Null elements are not produced; an object appearing twice is written twice.
// Returns false (with `error`) for a polyline of more than 80 points or a kind whose `values` do
// not have that kind's count.
bool WriteStrokeFile(const std::vector<StrokeObject>& objects, std::vector<unsigned char>& out,
                     std::string& error);

enum class ReadResult {
    Ok,
    Truncated,        // the bytes end inside a count, reference, class record or object
    BadSchema,        // a class record with a schema number other than 1
    UnknownClass,     // a class name outside the drawing-object family
    TooManyPoints,    // a polyline claiming more than 80 points
    BadReference,     // a class or object reference to an index not defined yet
    NotAnObjectClass, // a reference that names a class where an object belongs, or the reverse
    CannotOpen,       // the file could not be read
};

// Reads a whole stroke file. Null elements are skipped; a second reference to an object yields a
// copy of it. On any failure `objects` is left empty and `error` tells what and where; nothing of
// a partly read object is kept.
ReadResult ReadStrokeFile(const unsigned char* data, size_t size, std::vector<StrokeObject>& objects,
                          std::string& error);

// Reads the stroke file at `path`; a file that cannot be read leaves `objects` empty.
ReadResult ReadStrokeFile(const std::string& path, std::vector<StrokeObject>& objects, std::string& error);

} // namespace strokefile
