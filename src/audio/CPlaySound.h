#pragma once

#include "audio/CWaitableEvent.h"
#include "audio/CWorkerThread.h"
#include "audio/IClock.h"
#include "audio/ISoundDevices.h"

// The worker thread that owns an output device and queues the blocks posted to it. Blocks that
// arrive while it is stopped are released unplayed.
class CPlaySound final : public CWorkerThread {
public:
    // The format is PCM, mono, 16 bits at `samplesPerSec`.
    explicit CPlaySound(unsigned samplesPerSec, IClock& clock = GetSystemClock());
    ~CPlaySound() override;

    // Manual-reset, created signalled; the file reader waits on it before each block.
    CWaitableEvent& BlockEvent() { return m_blockEvent; }
    const WaveFormat& Format() const { return m_format; }

protected:
    void OnThreadMessage(ThreadMessage& message) override;

private:
    void OnStartPlaying();
    void OnStopPlaying();
    void OnBlock(ThreadMessage& message);

    WaveFormat m_format;
    IClock& m_clock;
    std::unique_ptr<IWaveOutput> m_device;
    bool m_playing = false;
    int m_blocksWritten = 0;
    CWaitableEvent m_blockEvent{true, true};
};
