#pragma once

#include "audio/ISoundDevices.h"

#include <portaudio.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Input device over a blocking PortAudio stream: while started, a thread of its own fills the
// queued buffers in order and hands each back once full.
class CPortAudioInput final : public IWaveInput {
public:
    CPortAudioInput(PaStream* stream, const WaveFormat& format, CWorkerThread& owner);
    ~CPortAudioInput() override;

    int AddBuffer(std::unique_ptr<WaveHeader> buffer) override;
    int Start() override;
    int Stop() override;
    int Reset() override;
    int Close() override;

private:
    void Run();
    void HandBack(std::unique_ptr<WaveHeader> buffer);

    PaStream* m_stream;
    WaveFormat m_format;
    CWorkerThread& m_owner;
    std::mutex m_lock;
    std::condition_variable m_changed;
    BlockQueue m_queue;
    bool m_started = false;
    bool m_reading = false;
    bool m_closing = false;
    std::thread m_thread;
};
