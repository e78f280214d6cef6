#pragma once

#include "OpenDataSources.h"
#include "charstudy/StrokeFile.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <optional>
#include <vector>

// The pictures and reference strokes of one character computed from its stroke outlines and
// medians, all in the 190 x 190 character square of the writing pad (y pointing down).
namespace strokes {

constexpr int kSquare = 190;
// Light grey of the outline character on which the black stroke pictures are stamped.
const QColor kOutlineGrey(200, 200, 200);

// Stroke directions as the animation reveals them.
enum Direction { LeftToRight = 0, TopToBottom = 1, RightToLeft = 2, BottomToTop = 3 };

// One stroke: its picture cropped to the stroke, where the crop sits in the square, and the
// direction in which the stroke is written.
struct StrokePicture {
    QImage image;
    int offsetX = 0;
    int offsetY = 0;
    int direction = LeftToRight;
};

struct CharacterPictures {
    QImage outline;     // every stroke filled in light grey
    QImage black;       // every stroke filled in black
    QImage strokeOrder; // stroke contours with each stroke's number at its start
    std::vector<StrokePicture> strokes;
    std::vector<strokefile::StrokeObject> referenceStrokes; // one polyline per stroke, 1-based
};

// The map from the stroke data's 1024 box (y up, baseline 900) into the square.
QPointF ToSquare(QPointF dataPoint);

// About how far apart the points of a reference stroke lie: dense enough that the handwriting
// check's touch distance finds a stroke anywhere along the median.
constexpr double kReferenceSpacing = 5.0;

// The reference polyline of a stroke: points evenly spaced about kReferenceSpacing apart along its
// median (first and last kept, at most the stroke file's 80), in whole square pixels.
std::vector<strokefile::StrokePoint> ReferencePoints(const std::vector<QPointF>& squareMedian);

// Parses an SVG path of M, L, Q, C and Z commands (absolute coordinates, as the stroke data
// writes them) in data coordinates; nothing for any other command or a malformed number.
std::optional<QPainterPath> ParseSvgPath(const QString& path);

// The direction of a median from its first to its last point, by the dominant axis (in square
// coordinates).
int DirectionOf(const std::vector<QPointF>& squareMedian);

// Computes everything for one character; nothing when an outline cannot be parsed.
std::optional<CharacterPictures> MakeCharacterPictures(const CharacterStrokeData& data);

} // namespace strokes
