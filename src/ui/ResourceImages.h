#pragma once

#include <QCursor>
#include <QImage>
#include <optional>

// Bitmaps and cursors compiled into the program, by resource id.
QImage LoadBitmapResource(int id);
// The cursor with the hot spot stored in its picture; nothing when the id has no cursor.
std::optional<QCursor> LoadCursorResource(int id);
