#pragma once

#include "charstudy/CDrawObject.h"

#include <string>

// Stroke files as arrays of drawing objects: the archive bytes are read and written by
// strokefile::, and each record becomes the object of its class here.

// Makes the drawing object of the record's class and loads it from the record.
std::unique_ptr<CDrawObject> MakeDrawObject(const strokefile::StrokeObject& record);

// Reads the stroke file into `objects`. A file that cannot be opened leaves the array unchanged;
// a malformed file empties it (no partly read object is kept). The result says which.
strokefile::ReadResult ReadStrokeFile(const std::string& path, DrawObjectArray& objects, std::string& error);

// Writes the objects as a stroke file; false with `error` when a record cannot be written or the
// file cannot be created.
bool WriteStrokeFile(const std::string& path, const DrawObjectArray& objects, std::string& error);
