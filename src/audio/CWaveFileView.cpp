#include "audio/CWaveFileView.h"

#include "app/ContentPath.h"

#include <cstring>

namespace {
constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kFormatChunkAdvance = 24;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr int kLoudRunLength = 6;
} // namespace

CWaveFileView::~CWaveFileView() {
    Unload();
}

bool CWaveFileView::Load(const std::string& path) {
    Unload();
    Map(path);
    m_path = path;
    try {
        Parse();
    } catch (...) {
        Unload();
        throw;
    }
    m_loaded = true;
    m_voicedDuration = VoicedDuration(0);
    return true;
}

void CWaveFileView::Map(const std::string& path) {
    m_file = MappedFile(ResolveContentPath(path));
    if (!m_file.IsOpen())
        throw WaveErrors::FileOperation();
    m_view = m_file.Data();
    m_size = m_file.Size();
}

void CWaveFileView::Unload() {
    m_file = MappedFile();
    m_view = nullptr;
    m_size = 0;
    m_samples = nullptr;
    m_sampleBytes = 0;
    m_loaded = false;
}

bool CWaveFileView::TagAt(std::size_t offset, const char* tag) const {
    return offset + 4 <= m_size && std::memcmp(m_view + offset, tag, 4) == 0;
}

void CWaveFileView::Parse() {
    if (!TagAt(0, "RIFF"))
        throw WaveErrors::RiffDoesntMatch();
    if (!TagAt(8, "WAVE"))
        throw WaveErrors::WaveDoesntMatch();
    std::size_t cursor = kRiffHeaderSize;
    if (!TagAt(cursor, "fmt "))
        throw WaveErrors::FmtDoesntMatch();
    m_formatOffset = cursor;
    cursor += kFormatChunkAdvance;
    // The first "data" at or after the end of a 16-byte format chunk, with its size field inside
    // the file; this accepts longer format chunks and chunks in between.
    for (;; ++cursor) {
        if (cursor + kChunkHeaderSize > m_size)
            throw WaveErrors::DataDoesntMatch();
        if (m_view[cursor] == 'd' && TagAt(cursor, "data"))
            break;
    }
    m_dataOffset = cursor;
    m_samples = m_view + cursor + kChunkHeaderSize;
    const std::size_t present = m_size - (cursor + kChunkHeaderSize);
    m_sampleBytes = std::min<std::size_t>(ReadLe32(m_view + cursor + 4), present);
}

WaveFormat CWaveFileView::Format() const {
    if (!m_loaded)
        return WaveFormat{};
    // A "data" chunk at offset 36 or later means the file holds at least 44 bytes, so the
    // 18-byte record at "fmt " + 8 is inside it.
    return WaveFormat::FromBytes(m_view + m_formatOffset + kChunkHeaderSize);
}

CWaveFileView::ChunkHeader CWaveFileView::DataChunk() const {
    ChunkHeader header{{'\0', '\0', '\0', '\0'}, 0};
    if (!m_loaded)
        return header;
    std::memcpy(header.tag, m_view + m_dataOffset, 4);
    header.size = ReadLe32(m_view + m_dataOffset + 4);
    return header;
}

std::int16_t CWaveFileView::Sample(std::size_t index) const {
    return static_cast<std::int16_t>(ReadLe16(m_samples + index * 2));
}

std::size_t CWaveFileView::SamplesBeforeLoudRun(int threshold, bool forward) const {
    const std::size_t count = SampleCount();
    int run = 0;
    for (std::size_t examined = 1; examined <= count; ++examined) {
        const std::size_t index = forward ? examined - 1 : count - examined;
        const int magnitude = std::abs(static_cast<int>(Sample(index)));
        run = magnitude > threshold ? run + 1 : 0;
        if (run == kLoudRunLength)
            return examined;
    }
    return count;
}

double CWaveFileView::VoicedDuration(int threshold) const {
    if (!m_loaded)
        return -1;
    const double count = static_cast<double>(SampleCount());
    const double leading = static_cast<double>(SamplesBeforeLoudRun(threshold, true));
    const double trailing = static_cast<double>(SamplesBeforeLoudRun(threshold, false));
    const double voiced = count - leading - trailing;
    const std::uint32_t bytesPerSecond = Format().avgBytesPerSec;
    if (voiced <= 0 || bytesPerSecond == 0)
        return 0;
    return 2 * voiced / bytesPerSecond;
}

int SoundLengthSeconds(const std::string& path) {
    CWaveFileView view;
    view.Load(path);
    const std::uint32_t bytesPerSecond = view.Format().avgBytesPerSec;
    if (bytesPerSecond == 0)
        return 0;
    return static_cast<int>(view.SampleByteCount() / bytesPerSecond);
}
