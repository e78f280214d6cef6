// Stroke files of any bytes: reading never fails astray, refuses what it cannot hold, and what it
// accepts writes back and reads again to the same objects.
#include "charstudy/StrokeFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<strokefile::StrokeObject> objects;
    std::string error;
    if (strokefile::ReadStrokeFile(data, size, objects, error) != strokefile::ReadResult::Ok) {
        if (!objects.empty() || error.empty())
            std::abort();
        return 0;
    }
    for (const strokefile::StrokeObject& object : objects)
        if (object.points.size() > strokefile::kMaxPolylinePoints)
            std::abort();
    std::vector<unsigned char> written;
    if (!strokefile::WriteStrokeFile(objects, written, error))
        std::abort();
    std::vector<strokefile::StrokeObject> again;
    if (strokefile::ReadStrokeFile(written.data(), written.size(), again, error) !=
            strokefile::ReadResult::Ok ||
        again != objects)
        std::abort();
    return 0;
}
