#include "audio/WaveFormat.h"

std::uint16_t ReadLe16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint32_t ReadLe32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void AppendLe16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void AppendLe32(std::string& out, std::uint32_t value) {
    AppendLe16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    AppendLe16(out, static_cast<std::uint16_t>(value >> 16));
}

std::array<std::uint8_t, WaveFormat::kRecordSize> WaveFormat::ToBytes() const {
    std::string text;
    AppendLe16(text, formatTag);
    AppendLe16(text, channels);
    AppendLe32(text, samplesPerSec);
    AppendLe32(text, avgBytesPerSec);
    AppendLe16(text, blockAlign);
    AppendLe16(text, bitsPerSample);
    AppendLe16(text, extraSize);
    std::array<std::uint8_t, kRecordSize> bytes{};
    for (std::size_t i = 0; i < kRecordSize; ++i)
        bytes[i] = static_cast<std::uint8_t>(text[i]);
    return bytes;
}

WaveFormat WaveFormat::FromBytes(const std::uint8_t* bytes) {
    WaveFormat format;
    format.formatTag = ReadLe16(bytes);
    format.channels = ReadLe16(bytes + 2);
    format.samplesPerSec = ReadLe32(bytes + 4);
    format.avgBytesPerSec = ReadLe32(bytes + 8);
    format.blockAlign = ReadLe16(bytes + 12);
    format.bitsPerSample = ReadLe16(bytes + 14);
    format.extraSize = ReadLe16(bytes + 16);
    return format;
}

WaveFormat MakePcmFormat(std::uint16_t bitsPerSample, std::uint16_t channels, std::uint32_t samplesPerSec) {
    WaveFormat format;
    format.formatTag = WaveFormat::kPcm;
    format.channels = channels;
    format.samplesPerSec = samplesPerSec;
    format.bitsPerSample = bitsPerSample;
    format.blockAlign = static_cast<std::uint16_t>(bitsPerSample / 8 * channels);
    format.avgBytesPerSec = samplesPerSec * format.blockAlign;
    format.extraSize = 0;
    return format;
}

std::string CanonicalWavHeader(const WaveFormat& format, std::uint32_t dataSize) {
    std::string header = "RIFF";
    AppendLe32(header, static_cast<std::uint32_t>(kCanonicalWavHeaderSize - 8 + dataSize));
    header += "WAVEfmt ";
    AppendLe32(header, 16);
    const auto record = format.ToBytes();
    header.append(record.begin(), record.begin() + 16);
    header += "data";
    AppendLe32(header, dataSize);
    return header;
}
