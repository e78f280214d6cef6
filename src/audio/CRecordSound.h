#pragma once

#include "audio/CWorkerThread.h"
#include "audio/IClock.h"
#include "audio/ISoundDevices.h"

#include <mutex>
#include <string>

// The worker thread that owns the input device. While recording it keeps eight buffers of 1000
// sample frames queued and hands each filled buffer to the writer (a copy) and to the player.
class CRecordSound final : public CWorkerThread {
public:
    static constexpr int kQueuedBuffers = 8;
    static constexpr int kFramesPerBuffer = 1000;

    // The first format tried is PCM, mono, 16 bits at `samplesPerSec`.
    explicit CRecordSound(unsigned samplesPerSec, IClock& clock = GetSystemClock());
    ~CRecordSound() override;

    // Where the next recording goes; set before posting the start.
    void SetOutputPath(const std::string& path);
    // The format of the last successful start (or the constructed one).
    WaveFormat Format() const;

protected:
    void OnThreadMessage(ThreadMessage& message) override;

private:
    void OnStartRecording();
    bool OpenWithFallback();
    void QueueBuffer();
    void OnBufferFilled(ThreadMessage& message);
    void OnStopRecording();

    mutable std::mutex m_lock;
    const WaveFormat m_constructedFormat;
    WaveFormat m_format;
    IClock& m_clock;
    std::unique_ptr<IWaveInput> m_device;
    int m_buffersQueued = 0;
    bool m_recording = false;
    CWorkerThread* m_player = nullptr;
    CWorkerThread* m_writer = nullptr;
    std::string m_outputPath;
};
