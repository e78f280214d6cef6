#include "audio/CFileWaveInput.h"

#include "audio/AudioMessages.h"
#include "audio/CWorkerThread.h"

#include <algorithm>

namespace {
IClock::Duration FillingTime(std::size_t bytes, const WaveFormat& format) {
    return std::chrono::duration_cast<IClock::Duration>(std::chrono::duration<double>(
        static_cast<double>(bytes) / std::max<std::uint32_t>(1, format.avgBytesPerSec)));
}
} // namespace

CFileWaveInput::CFileWaveInput(IClock& clock, const WaveFormat& format, CWorkerThread& owner, std::FILE* file)
    : m_clock(clock), m_format(format), m_owner(owner), m_file(file) {}

CFileWaveInput::~CFileWaveInput() {
    Close();
}

int CFileWaveInput::AddBuffer(std::unique_ptr<WaveHeader> buffer) {
    if (!buffer || buffer->data.empty())
        return MMSYSERR_ERROR;
    std::lock_guard<std::mutex> guard(m_lock);
    buffer->bytesRecorded = 0;
    m_queue.push_back(std::move(buffer));
    if (m_started && !m_timerArmed) {
        m_fillStart = m_clock.Now();
        ScheduleLocked();
    }
    return MMSYSERR_NOERROR;
}

int CFileWaveInput::Start() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_started)
        return MMSYSERR_NOERROR;
    m_started = true;
    m_fillStart = m_clock.Now();
    if (!m_queue.empty())
        ScheduleLocked();
    return MMSYSERR_NOERROR;
}

void CFileWaveInput::ScheduleLocked() {
    const auto due = m_fillStart + FillingTime(m_queue.front()->data.size(), m_format);
    const unsigned generation = ++m_generation;
    m_timerArmed = true;
    m_timer = m_clock.StartTimer(std::max(IClock::Duration{0}, due - m_clock.Now()),
                                 [this, generation] { OnBufferFull(generation); });
}

void CFileWaveInput::OnBufferFull(unsigned generation) {
    std::unique_ptr<WaveHeader> buffer;
    IClock::TimerId self = 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_timerArmed || generation != m_generation || m_queue.empty())
            return;
        m_timerArmed = false;
        m_delivering = self = m_timer;
        buffer = std::move(m_queue.front());
        m_queue.pop_front();
        m_fillStart += FillingTime(buffer->data.size(), m_format);
        if (!m_queue.empty())
            ScheduleLocked();
    }
    const std::size_t size = buffer->data.size();
    Deliver(std::move(buffer), size);
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_delivering == self)
        m_delivering = 0;
}

void CFileWaveInput::Deliver(std::unique_ptr<WaveHeader> buffer, std::size_t bytes) {
    std::fill(buffer->data.begin(), buffer->data.end(), 0);
    const std::size_t read = m_file ? std::fread(buffer->data.data(), 1, bytes, m_file) : 0;
    if (m_format.bitsPerSample == 8)
        std::fill(buffer->data.data() + read, buffer->data.data() + bytes, 0x80);
    buffer->bytesRecorded = static_cast<std::uint32_t>(bytes);
    m_owner.PostThreadMessage(MM_WIM_DATA, 0, std::move(buffer));
}

void CFileWaveInput::Halt() {
    IClock::TimerId timer = 0, delivering = 0;
    bool armed = false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        armed = m_timerArmed;
        timer = m_timer;
        delivering = m_delivering;
        m_timerArmed = false;
        m_started = false;
        ++m_generation;
    }
    if (armed)
        m_clock.CancelTimer(timer);
    // A buffer being handed over is waited for, so that nothing reads the file after a stop.
    if (delivering)
        m_clock.CancelTimer(delivering);
}

int CFileWaveInput::Stop() {
    const bool wasStarted = [this] {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_started;
    }();
    Halt();
    if (!wasStarted)
        return MMSYSERR_NOERROR;
    std::unique_ptr<WaveHeader> buffer;
    std::size_t bytes = 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_queue.empty())
            return MMSYSERR_NOERROR;
        buffer = std::move(m_queue.front());
        m_queue.pop_front();
        const double seconds = std::chrono::duration<double>(m_clock.Now() - m_fillStart).count();
        const std::size_t align = std::max<std::uint16_t>(1, m_format.blockAlign);
        bytes = static_cast<std::size_t>(std::max(0.0, seconds) * m_format.avgBytesPerSec) / align * align;
        bytes = std::min(bytes, buffer->data.size());
    }
    Deliver(std::move(buffer), bytes);
    return MMSYSERR_NOERROR;
}

int CFileWaveInput::Reset() {
    Stop();
    // Buffers behind the one being filled hold nothing yet.
    HandBackQueued(m_lock, m_queue, m_owner, MM_WIM_DATA);
    return MMSYSERR_NOERROR;
}

int CFileWaveInput::Close() {
    Reset();
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    return MMSYSERR_NOERROR;
}
