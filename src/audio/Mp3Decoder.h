#pragma once

#include <cstdint>

// The header record the progress callback receives: its first two fields are the MPEG layer
// and the channel mode of the stream.
struct Mp3FrameHeader {
    std::int32_t layer;
    std::int32_t mode;
};

// Called after every decoded frame with the frame number (from 1), the bytes written so far,
// the frame's header record and one unused argument; returns the length of its trace text.
using Mp3ProgressCallback = int (*)(int frame, int totalBytes, const Mp3FrameHeader* header, int reserved);

constexpr int kMp3OutputWav = 1;
constexpr int kMp3ErrorTextSize = 260;

// Decodes an MP3 file into a 16-bit PCM WAV file (44-byte header) at the stream's own rate and
// channel count. Returns 0 on success; otherwise non-zero with a NUL-terminated text in
// `errorText` (kMp3ErrorTextSize bytes), and no output file is left behind.
int DecodeMp3ToWav(const char* inputPath, const char* outputPath, int outputKind, char* errorText,
                   Mp3ProgressCallback progress);
