#include "audio/CPlayMMSound.h"

#include "app/CLog.h"
#include "audio/AudioMessages.h"
#include "audio/AudioNotice.h"
#include "audio/CPlaySound.h"
#include "audio/CWaveFileView.h"
#include "audio/WaveHeader.h"

#include <algorithm>
#include <cstring>

namespace {
const char* const kOpenErrorText = "The sound file cannot be opened.";
}

CPlayMMSound::CPlayMMSound() = default;

CPlayMMSound::~CPlayMMSound() {
    EndAndJoin(WM_FILEPLAY_END);
    OnStop();
}

void CPlayMMSound::OnThreadMessage(ThreadMessage& message) {
    switch (message.message) {
    case WM_FILEPLAY_OPEN:
        if (auto* path = dynamic_cast<PathPayload*>(message.lParam.get()))
            OnOpen(path->path);
        break;
    case WM_FILEPLAY_STOP:
        OnStop();
        break;
    case WM_FILEPLAY_SET_PLAYER:
        if (auto* link = dynamic_cast<ThreadLink*>(message.lParam.get()))
            m_player = dynamic_cast<CPlaySound*>(link->thread);
        break;
    case WM_FILEPLAY_END:
        OnStop();
        EndMessageLoop();
        break;
    default:
        break;
    }
}

void CPlayMMSound::OnStop() {
    m_stopEvent.Set();
    m_reading = false;
    // The reader ends at the stop event; the file is released with it.
    if (m_reader.joinable())
        m_reader.join();
}

void CPlayMMSound::OnOpen(const std::string& path) {
    OnStop();
    m_path = path;
    auto file = std::make_unique<CWaveFileView>();
    try {
        file->Load(path);
    } catch (...) {
        g_log.Write("Cannot play %s", path.c_str());
        ShowAudioError(kOpenErrorText);
        return;
    }
    const WaveFormat format = file->Format();
    const std::size_t perFormat =
        std::size_t{format.channels} * format.bitsPerSample * format.blockAlign * 100;
    m_blockSize = std::min(perFormat, file->SampleByteCount());
    if (m_blockSize == 0) {
        g_log.Write("No sound data in %s", path.c_str());
        return;
    }
    m_reading = true;
    m_stopEvent.Reset();
    m_reader = std::thread([this, reader = file.release(), player = m_player] {
        ReadBlocks(std::unique_ptr<CWaveFileView>(reader), player);
    });
}

void CPlayMMSound::ReadBlocks(std::unique_ptr<CWaveFileView> file, CPlaySound* player) {
    static CWaitableEvent noPlayer(true, true);
    CWaitableEvent& playerEvent = player ? player->BlockEvent() : noPlayer;
    if (player)
        player->PostThreadMessage(WM_PLAY_START, ThreadId());
    const std::size_t blockSize = m_blockSize;
    std::size_t offset = 0;
    auto readBlock = [&] {
        const std::size_t length = std::min(blockSize, file->SampleByteCount() - offset);
        auto block = std::make_unique<WaveHeader>(length);
        if (length > 0)
            std::memcpy(block->data.data(), file->SampleBytes() + offset, length);
        offset += length;
        return block;
    };
    auto block = readBlock();
    while (m_reading) {
        if (CWaitableEvent::WaitForEither(m_stopEvent, playerEvent) == 0 || !m_reading)
            break;
        if (block->data.empty()) {
            // End of data: the reader stops itself.
            m_stopEvent.Set();
            m_reading = false;
            break;
        }
        if (player)
            player->PostThreadMessage(WM_PLAY_BLOCK, ThreadId(), std::move(block));
        block = readBlock();
    }
}
