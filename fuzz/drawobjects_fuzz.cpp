// Drawing objects made from stroke files of any bytes: every record the reader accepts becomes an
// object of its class that stores back to the same record, and hit tests anywhere in the 32-bit
// range stay well defined.
#include "charstudy/DrawObjectFile.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<strokefile::StrokeObject> records;
    std::string error;
    if (strokefile::ReadStrokeFile(data, size, records, error) != strokefile::ReadResult::Ok)
        return 0;
    const int probes[][2] = {{0, 0}, {INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}, {100, 100}, {-7, 65536}};
    for (const strokefile::StrokeObject& record : records) {
        std::unique_ptr<CDrawObject> object = MakeDrawObject(record);
        if (!object || object->GetClassName() != std::string(strokefile::ClassName(record.kind)))
            std::abort();
        strokefile::StrokeObject stored;
        stored.kind = record.kind;
        object->Serialize(stored, true);
        if (stored != record)
            std::abort();
        for (const auto& p : probes)
            object->HitTest(p[0], p[1]);
    }
    return 0;
}
