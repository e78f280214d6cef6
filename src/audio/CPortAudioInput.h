#pragma once

#include "audio/ISoundDevices.h"

#include <portaudio.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

// Input device over a blocking PortAudio stream: while started, a thread of its own fills the
// queued buffers in order and hands each back once full. A microphone delivers in real time; a
// device that delivers faster (ALSA's null or file devices, a broken driver) is read no faster
// than real time, so a recording never outgrows the time it lasted.
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
    // After `frames` more were read: waits (unlocking `guard`) while the reading is ahead of real
    // time by more than a little, or until the device stops or closes.
    void KeepToRealTime(std::unique_lock<std::mutex>& guard, unsigned long frames);

    PaStream* m_stream;
    WaveFormat m_format;
    CWorkerThread& m_owner;
    std::mutex m_lock;
    std::condition_variable m_changed;
    BlockQueue m_queue;
    bool m_started = false;
    bool m_reading = false;
    bool m_closing = false;
    std::chrono::steady_clock::time_point m_startedAt;
    std::uint64_t m_framesRead = 0;
    std::thread m_thread;
};
