#include "audio/CFileWaveOutput.h"

#include "audio/AudioMessages.h"
#include "audio/CWorkerThread.h"

namespace {
IClock::Duration PlayingTime(std::size_t bytes, const WaveFormat& format) {
    if (format.avgBytesPerSec == 0)
        return IClock::Duration{0};
    return std::chrono::duration_cast<IClock::Duration>(
        std::chrono::duration<double>(static_cast<double>(bytes) / format.avgBytesPerSec));
}
} // namespace

CFileWaveOutput::CFileWaveOutput(IClock& clock, const WaveFormat& format, CWorkerThread& owner,
                                 std::FILE* file)
    : m_clock(clock), m_format(format), m_owner(owner), m_file(file) {}

CFileWaveOutput::~CFileWaveOutput() {
    Close();
}

int CFileWaveOutput::Write(std::unique_ptr<WaveHeader> block) {
    if (!block)
        return MMSYSERR_ERROR;
    std::lock_guard<std::mutex> guard(m_lock);
    const auto start = std::max(m_clock.Now(), m_playedUntil);
    m_playedUntil = start + PlayingTime(block->data.size(), m_format);
    const auto timer = m_clock.StartTimer(m_playedUntil - m_clock.Now(), [this] { OnBlockPlayed(); });
    m_queue.push_back(Queued{std::move(block), timer});
    return MMSYSERR_NOERROR;
}

void CFileWaveOutput::OnBlockPlayed() {
    std::unique_ptr<WaveHeader> block;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_queue.empty())
            return;
        block = std::move(m_queue.front().block);
        m_queue.pop_front();
    }
    Finish(std::move(block), true);
}

void CFileWaveOutput::Finish(std::unique_ptr<WaveHeader> block, bool played) {
    if (played && m_file && !block->data.empty()) {
        std::fwrite(block->data.data(), 1, block->data.size(), m_file);
        std::fflush(m_file);
    }
    m_owner.PostThreadMessage(MM_WOM_DONE, 0, std::move(block));
}

std::deque<CFileWaveOutput::Queued> CFileWaveOutput::TakeQueue() {
    std::deque<Queued> queue;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        queue.swap(m_queue);
        m_playedUntil = IClock::Duration{0};
    }
    // Timers of blocks already taken find the queue empty if they fire meanwhile.
    for (const auto& queued : queue)
        m_clock.CancelTimer(queued.timer);
    return queue;
}

int CFileWaveOutput::Reset() {
    for (auto& queued : TakeQueue())
        Finish(std::move(queued.block), false);
    return MMSYSERR_NOERROR;
}

int CFileWaveOutput::Close() {
    // A file has no latency: what is still queued is played out at once.
    for (auto& queued : TakeQueue())
        Finish(std::move(queued.block), true);
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    return MMSYSERR_NOERROR;
}
