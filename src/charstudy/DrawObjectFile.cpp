#include "charstudy/DrawObjectFile.h"

#include "app/FileUtils.h"
#include "charstudy/CDrawCircle.h"
#include "charstudy/CDrawEllipse.h"
#include "charstudy/CDrawFont.h"
#include "charstudy/CDrawLine.h"
#include "charstudy/CDrawPLine.h"
#include "charstudy/CDrawRect.h"

#include <fstream>

namespace {

std::unique_ptr<CDrawObject> NewObjectOfKind(strokefile::ObjectKind kind) {
    using strokefile::ObjectKind;
    switch (kind) {
    case ObjectKind::PLine:
        return std::make_unique<CDrawPLine>();
    case ObjectKind::Line:
        return std::make_unique<CDrawLine>();
    case ObjectKind::Rect:
        return std::make_unique<CDrawRect>();
    case ObjectKind::Ellipse:
        return std::make_unique<CDrawEllipse>();
    case ObjectKind::Circle:
        return std::make_unique<CDrawCircle>();
    case ObjectKind::Font:
        return std::make_unique<CDrawFont>();
    }
    return nullptr;
}

// The archive kind of an object, found by its class name.
bool KindOf(const CDrawObject& object, strokefile::ObjectKind& kind) {
    using strokefile::ObjectKind;
    for (ObjectKind k : {ObjectKind::PLine, ObjectKind::Line, ObjectKind::Rect, ObjectKind::Ellipse,
                         ObjectKind::Circle, ObjectKind::Font})
        if (std::string(strokefile::ClassName(k)) == object.GetClassName()) {
            kind = k;
            return true;
        }
    return false;
}

} // namespace

std::unique_ptr<CDrawObject> MakeDrawObject(const strokefile::StrokeObject& record) {
    std::unique_ptr<CDrawObject> object = NewObjectOfKind(record.kind);
    strokefile::StrokeObject copy = record;
    if (object)
        object->Serialize(copy, false);
    return object;
}

strokefile::ReadResult ReadStrokeFile(const std::string& path, DrawObjectArray& objects, std::string& error) {
    std::vector<strokefile::StrokeObject> records;
    const strokefile::ReadResult result = strokefile::ReadStrokeFile(path, records, error);
    if (result == strokefile::ReadResult::CannotOpen)
        return result;
    objects.clear();
    for (const strokefile::StrokeObject& record : records)
        objects.push_back(MakeDrawObject(record));
    return result;
}

bool WriteStrokeFile(const std::string& path, const DrawObjectArray& objects, std::string& error) {
    std::vector<strokefile::StrokeObject> records;
    for (const std::unique_ptr<CDrawObject>& object : objects) {
        strokefile::StrokeObject record;
        if (!object || !KindOf(*object, record.kind)) {
            error = "an object that is not of a stored drawing class";
            return false;
        }
        object->Serialize(record, true);
        records.push_back(std::move(record));
    }
    std::vector<unsigned char> bytes;
    if (!strokefile::WriteStrokeFile(records, bytes, error))
        return false;
    std::ofstream file(ToSlashes(path), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.good()) {
        error = "cannot write the stroke file " + path;
        return false;
    }
    return true;
}
