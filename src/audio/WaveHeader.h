#pragma once

#include "audio/CWorkerThread.h"

#include <cstdint>
#include <vector>

// A block of sound on its way between threads and devices: the buffer (its size is the buffer
// length) and, for recorded blocks, how many bytes the device filled. Whoever receives the
// block owns it and its bytes.
struct WaveHeader final : ThreadPayload {
    WaveHeader() = default;
    explicit WaveHeader(std::size_t bufferLength) : data(bufferLength, 0) {}

    std::vector<std::uint8_t> data;
    std::uint32_t bytesRecorded = 0;
};
