#pragma once

#include "audio/IClock.h"
#include "audio/ISoundDevices.h"

#include <cstdio>
#include <deque>
#include <mutex>

// Input device of CFileSoundDevices: once started, the first queued buffer is full when the
// clock has run for its length; it then holds the next bytes of the file (silence after the
// file's end) and goes back to the owner, and the next buffer starts filling.
class CFileWaveInput final : public IWaveInput {
public:
    CFileWaveInput(IClock& clock, const WaveFormat& format, CWorkerThread& owner, std::FILE* file);
    ~CFileWaveInput() override;

    int AddBuffer(std::unique_ptr<WaveHeader> buffer) override;
    int Start() override;
    int Stop() override;
    int Reset() override;
    int Close() override;

private:
    void ScheduleLocked();
    void OnBufferFull(unsigned generation);
    // Halts filling; the clock timer is cancelled when this returns.
    void Halt();
    void Deliver(std::unique_ptr<WaveHeader> buffer, std::size_t bytes);

    IClock& m_clock;
    WaveFormat m_format;
    CWorkerThread& m_owner;
    std::FILE* m_file;
    std::mutex m_lock;
    BlockQueue m_queue;
    bool m_started = false;
    bool m_timerArmed = false;
    IClock::TimerId m_timer = 0;
    // The timer whose callback is handing a filled buffer over, reading the file.
    IClock::TimerId m_delivering = 0;
    unsigned m_generation = 0;
    IClock::Duration m_fillStart{0};
};
