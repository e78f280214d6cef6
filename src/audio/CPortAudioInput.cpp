#include "audio/CPortAudioInput.h"

#include "audio/AudioMessages.h"
#include "audio/CWorkerThread.h"
#include "audio/PortAudioStream.h"

#include <algorithm>

CPortAudioInput::CPortAudioInput(PaStream* stream, const WaveFormat& format, CWorkerThread& owner)
    : m_stream(stream), m_format(format), m_owner(owner) {
    m_thread = std::thread([this] { Run(); });
}

CPortAudioInput::~CPortAudioInput() {
    Close();
}

int CPortAudioInput::AddBuffer(std::unique_ptr<WaveHeader> buffer) {
    const std::size_t frameBytes = std::max<std::size_t>(1, m_format.blockAlign);
    if (!buffer || buffer->data.size() < frameBytes)
        return MMSYSERR_ERROR;
    buffer->bytesRecorded = 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_queue.push_back(std::move(buffer));
    }
    m_changed.notify_all();
    return MMSYSERR_NOERROR;
}

int CPortAudioInput::Start() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_started)
        return MMSYSERR_NOERROR;
    const PaError error = Pa_StartStream(m_stream);
    if (error != paNoError)
        return MMSYSERR_ERROR;
    m_started = true;
    m_startedAt = std::chrono::steady_clock::now();
    m_framesRead = 0;
    m_changed.notify_all();
    return MMSYSERR_NOERROR;
}

void CPortAudioInput::KeepToRealTime(std::unique_lock<std::mutex>& guard, unsigned long frames) {
    constexpr auto kSlack = std::chrono::milliseconds(200);
    m_framesRead += frames;
    if (m_format.samplesPerSec == 0)
        return;
    const auto recorded = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(static_cast<double>(m_framesRead) / m_format.samplesPerSec));
    m_changed.wait_until(guard, m_startedAt + recorded - kSlack, [this] { return m_closing || !m_started; });
}

void CPortAudioInput::Run() {
    const std::size_t frameBytes = std::max<std::size_t>(1, m_format.blockAlign);
    const unsigned long chunk = PortAudioChunkFrames(m_format);
    std::unique_lock<std::mutex> guard(m_lock);
    for (;;) {
        m_changed.wait(guard, [this] { return m_closing || (m_started && !m_queue.empty()); });
        if (m_closing)
            return;
        WaveHeader& buffer = *m_queue.front();
        const unsigned long capacity = buffer.data.size() / frameBytes;
        const unsigned long filled = buffer.bytesRecorded / frameBytes;
        const unsigned long frames = std::min(chunk, capacity - filled);
        m_reading = true;
        guard.unlock();
        const PaError error = Pa_ReadStream(m_stream, buffer.data.data() + filled * frameBytes, frames);
        guard.lock();
        m_reading = false;
        m_changed.notify_all();
        if (error != paNoError && error != paInputOverflowed) {
            // Stopped meanwhile, or the device failed: nothing was read; do not spin on a failing device.
            if (m_started) {
                guard.unlock();
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                guard.lock();
            }
            continue;
        }
        buffer.bytesRecorded = static_cast<std::uint32_t>((filled + frames) * frameBytes);
        if (filled + frames == capacity) {
            auto full = std::move(m_queue.front());
            m_queue.pop_front();
            guard.unlock();
            HandBack(std::move(full));
            guard.lock();
        }
        // No buffer is held here: a stop may take the queue while this waits.
        KeepToRealTime(guard, frames);
    }
}

void CPortAudioInput::HandBack(std::unique_ptr<WaveHeader> buffer) {
    m_owner.PostThreadMessage(MM_WIM_DATA, 0, std::move(buffer));
}

int CPortAudioInput::Stop() {
    std::unique_ptr<WaveHeader> current;
    {
        std::unique_lock<std::mutex> guard(m_lock);
        if (!m_started)
            return MMSYSERR_NOERROR;
        m_started = false;
        m_changed.notify_all(); // ends a wait for real time
        m_changed.wait(guard, [this] { return !m_reading; });
        Pa_AbortStream(m_stream);
        if (!m_queue.empty()) {
            current = std::move(m_queue.front());
            m_queue.pop_front();
        }
    }
    if (current)
        HandBack(std::move(current));
    return MMSYSERR_NOERROR;
}

int CPortAudioInput::Reset() {
    Stop();
    // Buffers behind the one being filled hold nothing yet.
    HandBackQueued(m_lock, m_queue, m_owner, MM_WIM_DATA);
    return MMSYSERR_NOERROR;
}

int CPortAudioInput::Close() {
    if (!m_stream)
        return MMSYSERR_NOERROR;
    Reset();
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_closing = true;
    }
    m_changed.notify_all();
    m_thread.join();
    ClosePortAudioStream(m_stream);
    m_stream = nullptr;
    return MMSYSERR_NOERROR;
}
