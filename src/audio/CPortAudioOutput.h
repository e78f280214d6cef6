#pragma once

#include "audio/ISoundDevices.h"

#include <portaudio.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Output device over a blocking PortAudio stream: a thread of its own writes the queued blocks
// in order and hands each back once written.
class CPortAudioOutput final : public IWaveOutput {
public:
    CPortAudioOutput(PaStream* stream, const WaveFormat& format, CWorkerThread& owner);
    ~CPortAudioOutput() override;

    int Write(std::unique_ptr<WaveHeader> block) override;
    int Reset() override;
    int Close() override;

private:
    void Run();
    // Writes the block unless a reset interrupts it; true when it was written whole.
    bool Play(const WaveHeader& block);
    void HandBack(std::unique_ptr<WaveHeader> block);

    PaStream* m_stream;
    WaveFormat m_format;
    CWorkerThread& m_owner;
    std::mutex m_lock;
    std::condition_variable m_changed;
    BlockQueue m_queue;
    bool m_writing = false;
    bool m_resetting = false;
    bool m_closing = false;
    bool m_streamStarted = false;
    std::thread m_thread;
};
