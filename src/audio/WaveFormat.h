#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The wave format record: how PCM sample frames are laid out. Stored in files as 18 bytes,
// little-endian, in the order of the fields below.
struct WaveFormat {
    static constexpr std::uint16_t kPcm = 1;
    static constexpr std::size_t kRecordSize = 18;

    std::uint16_t formatTag = kPcm;
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSec = 8000;
    std::uint32_t avgBytesPerSec = 16000;
    std::uint16_t blockAlign = 2;
    std::uint16_t bitsPerSample = 16;
    std::uint16_t extraSize = 0;

    bool operator==(const WaveFormat&) const = default;

    std::array<std::uint8_t, kRecordSize> ToBytes() const;
    // Reads the record from at least `kRecordSize` bytes.
    static WaveFormat FromBytes(const std::uint8_t* bytes);
};

// PCM with extra size 0, block align = bits / 8 × channels and average bytes per second =
// samples per second × block align.
WaveFormat MakePcmFormat(std::uint16_t bitsPerSample, std::uint16_t channels, std::uint32_t samplesPerSec);

// The 44-byte header of a plain WAV file: RIFF, a 16-byte format chunk and the data chunk's header.
inline constexpr std::size_t kCanonicalWavHeaderSize = 44;
std::string CanonicalWavHeader(const WaveFormat& format, std::uint32_t dataSize);

// Little-endian helpers for RIFF headers.
std::uint16_t ReadLe16(const std::uint8_t* bytes);
std::uint32_t ReadLe32(const std::uint8_t* bytes);
void AppendLe16(std::string& out, std::uint16_t value);
void AppendLe32(std::string& out, std::uint32_t value);
