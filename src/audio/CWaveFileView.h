#pragma once

#include "app/MappedFile.h"
#include "audio/WaveErrors.h"
#include "audio/WaveFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>

// A read-only view of a WAV file mapped into memory: the format record, the data chunk and the
// 16-bit samples in place. Loading throws one of the WaveErrors. The sample count is clamped
// to the bytes the file really holds, so nothing past the mapping is ever read.
class CWaveFileView {
public:
    // The data chunk header: its tag ("data") and its size field as written in the file.
    struct ChunkHeader {
        char tag[4];
        std::uint32_t size;
    };

    CWaveFileView() = default;
    ~CWaveFileView();
    CWaveFileView(const CWaveFileView&) = delete;
    CWaveFileView& operator=(const CWaveFileView&) = delete;

    // Maps and checks the file (a content path: either separator, any letter case); a file
    // already loaded is released first.
    bool Load(const std::string& path);
    void Unload();

    bool IsLoaded() const { return m_loaded; }
    const std::string& Path() const { return m_path; }
    WaveFormat Format() const;
    ChunkHeader DataChunk() const;
    // The sample bytes present in the file (at most the data chunk's size).
    const std::uint8_t* SampleBytes() const { return m_samples; }
    std::size_t SampleByteCount() const { return m_sampleBytes; }
    // Samples read as signed 16-bit values, whatever the bits-per-sample field says.
    std::size_t SampleCount() const { return m_sampleBytes / 2; }
    std::int16_t Sample(std::size_t index) const;

    // Seconds between the first and the last run of six consecutive samples whose magnitude is
    // greater than the threshold; -1 when nothing is loaded.
    double VoicedDuration(int threshold) const;
    // The voiced duration at threshold 0, stored at load.
    double StoredVoicedDuration() const { return m_voicedDuration; }

private:
    void Map(const std::string& path);
    void Parse();
    bool TagAt(std::size_t offset, const char* tag) const;
    // Samples examined from one end up to and including the sample that completes a loud run.
    std::size_t SamplesBeforeLoudRun(int threshold, bool forward) const;

    MappedFile m_file;
    // The mapping's bytes, kept at hand for the parsing helpers.
    const std::uint8_t* m_view = nullptr;
    std::size_t m_size = 0;
    std::string m_path;
    std::size_t m_formatOffset = 0;
    std::size_t m_dataOffset = 0;
    const std::uint8_t* m_samples = nullptr;
    std::size_t m_sampleBytes = 0;
    bool m_loaded = false;
    double m_voicedDuration = 0;
};

// Whole seconds of sound in a WAV file: data size / average bytes per second, truncated.
// Load failures propagate as WaveErrors; a file that gives no bytes per second lasts 0 seconds.
int SoundLengthSeconds(const std::string& path);
