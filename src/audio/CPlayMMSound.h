#pragma once

#include "audio/CWaitableEvent.h"
#include "audio/CWorkerThread.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>

class CPlaySound;
class CWaveFileView;

// The string a message carries (the path of the file to play).
struct PathPayload final : ThreadPayload {
    explicit PathPayload(std::string text) : path(std::move(text)) {}
    std::string path;
};

// The worker thread that streams a WAV file to the player: on open it starts a reader thread
// that posts the file's data to the player in blocks of a tenth of a second or so.
class CPlayMMSound final : public CWorkerThread {
public:
    CPlayMMSound();
    ~CPlayMMSound() override;

    // Bytes per block of the file opened last: channels × bits per sample × block align × 100,
    // at most the data chunk's size.
    std::size_t BlockSize() const { return m_blockSize; }

protected:
    void OnThreadMessage(ThreadMessage& message) override;

private:
    void OnOpen(const std::string& path);
    void OnStop();
    void ReadBlocks(std::unique_ptr<CWaveFileView> file, CPlaySound* player);

    std::string m_path;
    std::atomic<std::size_t> m_blockSize{0};
    std::atomic<bool> m_reading{false};
    CWaitableEvent m_stopEvent{false, false};
    CPlaySound* m_player = nullptr;
    std::thread m_reader;
};
