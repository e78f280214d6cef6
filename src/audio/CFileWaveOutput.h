#pragma once

#include "audio/IClock.h"
#include "audio/ISoundDevices.h"

#include <cstdio>
#include <deque>
#include <mutex>

// Output device of CFileSoundDevices: each block is finished when the clock reaches the end of
// its playing time; its bytes are then appended to the file (if any) and it goes back to the owner.
class CFileWaveOutput final : public IWaveOutput {
public:
    CFileWaveOutput(IClock& clock, const WaveFormat& format, CWorkerThread& owner, std::FILE* file);
    ~CFileWaveOutput() override;

    int Write(std::unique_ptr<WaveHeader> block) override;
    int Reset() override;
    int Close() override;

private:
    struct Queued {
        std::unique_ptr<WaveHeader> block;
        IClock::TimerId timer;
    };
    void OnBlockPlayed();
    void Finish(std::unique_ptr<WaveHeader> block, bool played);
    std::deque<Queued> TakeQueue();

    IClock& m_clock;
    WaveFormat m_format;
    CWorkerThread& m_owner;
    std::FILE* m_file;
    std::mutex m_lock;
    std::deque<Queued> m_queue;
    IClock::Duration m_playedUntil{0};
};
