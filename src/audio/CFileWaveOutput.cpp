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
    const std::uint64_t number = ++m_blocksWritten;
    m_timers[number] =
        m_clock.StartTimer(m_playedUntil - m_clock.Now(), [this, number] { OnBlockPlayed(number); });
    m_queue.push_back(std::move(block));
    return MMSYSERR_NOERROR;
}

// Blocks leave in the order they were written, whichever timer fires first.
void CFileWaveOutput::OnBlockPlayed(std::uint64_t number) {
    std::unique_ptr<WaveHeader> block;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_queue.empty() || !m_timers.contains(number)) {
            m_timers.erase(number);
            return;
        }
        block = std::move(m_queue.front());
        m_queue.pop_front();
    }
    Finish(std::move(block), true);
    std::lock_guard<std::mutex> guard(m_lock);
    m_timers.erase(number);
}

void CFileWaveOutput::Finish(std::unique_ptr<WaveHeader> block, bool played) {
    if (played && m_file && !block->data.empty()) {
        std::fwrite(block->data.data(), 1, block->data.size(), m_file);
        std::fflush(m_file);
    }
    m_owner.PostThreadMessage(MM_WOM_DONE, 0, std::move(block));
}

std::deque<std::unique_ptr<WaveHeader>> CFileWaveOutput::TakeQueue() {
    std::deque<std::unique_ptr<WaveHeader>> queue;
    std::map<std::uint64_t, IClock::TimerId> timers;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        queue.swap(m_queue);
        timers = m_timers;
        m_playedUntil = IClock::Duration{0};
    }
    // Cancelling a timer whose callback runs waits for it, so no block is being written after
    // this; timers that fire meanwhile find the queue empty.
    for (const auto& [number, timer] : timers)
        m_clock.CancelTimer(timer);
    std::lock_guard<std::mutex> guard(m_lock);
    for (const auto& [number, timer] : timers)
        m_timers.erase(number);
    return queue;
}

int CFileWaveOutput::Reset() {
    for (auto& block : TakeQueue())
        Finish(std::move(block), false);
    return MMSYSERR_NOERROR;
}

int CFileWaveOutput::Close() {
    // A file has no latency: what is still queued is played out at once.
    for (auto& block : TakeQueue())
        Finish(std::move(block), true);
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    return MMSYSERR_NOERROR;
}
