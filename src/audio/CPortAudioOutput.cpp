#include "audio/CPortAudioOutput.h"

#include "audio/AudioMessages.h"
#include "audio/CWorkerThread.h"
#include "audio/PortAudioStream.h"

#include <algorithm>

CPortAudioOutput::CPortAudioOutput(PaStream* stream, const WaveFormat& format, CWorkerThread& owner)
    : m_stream(stream), m_format(format), m_owner(owner) {
    m_thread = std::thread([this] { Run(); });
}

CPortAudioOutput::~CPortAudioOutput() {
    Close();
}

int CPortAudioOutput::Write(std::unique_ptr<WaveHeader> block) {
    if (!block)
        return MMSYSERR_ERROR;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_closing)
            return MMSYSERR_ERROR;
        m_queue.push_back(std::move(block));
    }
    m_changed.notify_all();
    return MMSYSERR_NOERROR;
}

void CPortAudioOutput::Run() {
    std::unique_lock<std::mutex> guard(m_lock);
    for (;;) {
        m_changed.wait(
            guard, [this] { return (!m_queue.empty() && !m_resetting) || (m_closing && m_queue.empty()); });
        if (m_queue.empty())
            return;
        if (!m_streamStarted)
            m_streamStarted = Pa_StartStream(m_stream) == paNoError;
        m_writing = true;
        WaveHeader& block = *m_queue.front();
        guard.unlock();
        const bool whole = Play(block);
        guard.lock();
        m_writing = false;
        if (whole || !m_resetting) {
            auto done = std::move(m_queue.front());
            m_queue.pop_front();
            guard.unlock();
            HandBack(std::move(done));
            guard.lock();
        }
        m_changed.notify_all();
    }
}

bool CPortAudioOutput::Play(const WaveHeader& block) {
    const std::size_t frameBytes = std::max<std::size_t>(1, m_format.blockAlign);
    const unsigned long totalFrames = block.data.size() / frameBytes;
    const unsigned long chunk = PortAudioChunkFrames(m_format);
    for (unsigned long done = 0; done < totalFrames;) {
        {
            std::lock_guard<std::mutex> guard(m_lock);
            if (m_resetting)
                return false;
        }
        const unsigned long frames = std::min(chunk, totalFrames - done);
        const PaError error = Pa_WriteStream(m_stream, block.data.data() + done * frameBytes, frames);
        if (error != paNoError && error != paOutputUnderflowed)
            return true; // a failing device drops the rest of the block
        done += frames;
    }
    return true;
}

void CPortAudioOutput::HandBack(std::unique_ptr<WaveHeader> block) {
    m_owner.PostThreadMessage(MM_WOM_DONE, 0, std::move(block));
}

int CPortAudioOutput::Reset() {
    std::deque<std::unique_ptr<WaveHeader>> dropped;
    {
        std::unique_lock<std::mutex> guard(m_lock);
        m_resetting = true;
        m_changed.wait(guard, [this] { return !m_writing; });
        if (m_streamStarted)
            Pa_AbortStream(m_stream);
        m_streamStarted = false;
        dropped.swap(m_queue);
        m_resetting = false;
    }
    m_changed.notify_all();
    for (auto& block : dropped)
        HandBack(std::move(block));
    return MMSYSERR_NOERROR;
}

int CPortAudioOutput::Close() {
    if (!m_stream)
        return MMSYSERR_NOERROR;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_closing = true;
    }
    m_changed.notify_all();
    m_thread.join();
    // Stopping a blocking stream lets what the device still buffers play out.
    if (m_streamStarted)
        Pa_StopStream(m_stream);
    ClosePortAudioStream(m_stream);
    m_stream = nullptr;
    return MMSYSERR_NOERROR;
}
