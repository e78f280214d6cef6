#pragma once

#include <QCursor>
#include <QImage>
#include <optional>

// Bitmaps and cursors compiled into the program, by resource id.
QImage LoadBitmapResource(int id);
// The size of a compiled-in bitmap, read from its header without decoding it; invalid when the id
// has no bitmap.
QSize BitmapResourceSize(int id);
// The cursor with the hot spot stored in its picture; nothing when the id has no cursor.
std::optional<QCursor> LoadCursorResource(int id);
