#include "audio/CWriteSoundFile.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "audio/AudioMessages.h"
#include "audio/WaveHeader.h"
#include "audio/WaveWriteRequest.h"

#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr long kRiffSizeOffset = 4;
constexpr long kHeaderSize = 46;
constexpr long kDataSizeOffset = kHeaderSize - 4;
// The name of a recording while it is being written, after its own.
constexpr const char* kWorkingSuffix = ".writing";

std::string HeaderUpToData(const WaveFormat& format) {
    WaveFormat written = format;
    written.extraSize = 0;
    std::string header = "RIFF";
    AppendLe32(header, 0);
    header += "WAVEfmt ";
    AppendLe32(header, WaveFormat::kRecordSize);
    const auto record = written.ToBytes();
    header.append(record.begin(), record.end());
    header += "data";
    AppendLe32(header, 0);
    return header;
}

bool WriteLe32At(std::FILE* file, long offset, std::uint32_t value) {
    std::string bytes;
    AppendLe32(bytes, value);
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fwrite(bytes.data(), 1, 4, file) == 4;
}
} // namespace

CWriteSoundFile::~CWriteSoundFile() {
    EndAndJoin(WM_WAVWRITE_END);
    OnClose();
}

void CWriteSoundFile::OnThreadMessage(ThreadMessage& message) {
    switch (message.message) {
    case WM_WAVWRITE_OPEN:
        if (auto* request = dynamic_cast<WaveWriteRequest*>(message.lParam.get()))
            OnOpen(*request);
        break;
    case WM_WAVWRITE_DATA:
        OnData(message);
        break;
    case WM_WAVWRITE_CLOSE:
        OnClose();
        break;
    case WM_WAVWRITE_END:
        OnClose();
        EndMessageLoop();
        break;
    default:
        break;
    }
}

void CWriteSoundFile::OnOpen(const WaveWriteRequest& request) {
    OnClose();
    // A new file, never an old one rewritten in place: a reader may still have the old one mapped.
    // It is written under a working name and takes its own name when closed, so a reader never
    // sees a recording whose sizes are not filled in yet (the file is the writer's alone until then).
    const std::string path = ResolveContentPath(request.path);
    const std::string workingPath = path + kWorkingSuffix;
    ::unlink(path.c_str());
    ::unlink(workingPath.c_str());
    const int fd = ::open(workingPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!file) {
        if (fd >= 0)
            ::close(fd);
        g_log.Write("Cannot create the recording file %s", path.c_str());
        return;
    }
    const std::string header = HeaderUpToData(request.format);
    if (std::fwrite(header.data(), 1, header.size(), file) != header.size()) {
        std::fclose(file);
        return;
    }
    m_file = file;
    m_path = path;
    m_dataSize = 0;
    m_failed = false;
}

void CWriteSoundFile::OnData(ThreadMessage& message) {
    auto* block = dynamic_cast<WaveHeader*>(message.lParam.get());
    if (!m_file || !block || block->data.empty() || m_failed)
        return;
    if (std::fwrite(block->data.data(), 1, block->data.size(), m_file) != block->data.size()) {
        g_log.Write("Cannot write the recording file %s", m_path.c_str());
        m_failed = true;
        return;
    }
    m_dataSize += static_cast<std::uint32_t>(block->data.size());
}

void CWriteSoundFile::OnClose() {
    if (!m_file)
        return;
    // Chunks are padded to an even size, as RIFF requires.
    if (m_dataSize % 2 != 0 && !m_failed)
        std::fputc(0, m_file);
    const std::uint32_t riffSize = kHeaderSize - 8 + m_dataSize + m_dataSize % 2;
    if (m_failed || !WriteLe32At(m_file, kRiffSizeOffset, riffSize) ||
        !WriteLe32At(m_file, kDataSizeOffset, m_dataSize))
        g_log.Write("Cannot finish the recording file %s", m_path.c_str());
    std::fclose(m_file);
    m_file = nullptr;
    if (::rename((m_path + kWorkingSuffix).c_str(), m_path.c_str()) != 0)
        g_log.Write("Cannot finish the recording file %s", m_path.c_str());
    else if (m_closed)
        m_closed(m_path);
}
