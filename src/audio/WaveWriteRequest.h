#pragma once

#include "audio/CWorkerThread.h"
#include "audio/WaveFormat.h"

#include <string>

// What the recording thread hands the file writer with the open message: where to write and the
// recording format in force.
struct WaveWriteRequest final : ThreadPayload {
    std::string path;
    WaveFormat format;
};
