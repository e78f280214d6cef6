#pragma once

#include "audio/IClock.h"
#include "audio/ISoundDevices.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <mutex>

// Output device of CFileSoundDevices: each block is finished when the clock reaches the end of
// its playing time; its bytes are then appended to the file (if any) and it goes back to the owner.
// Reset and Close wait for callbacks that are finishing a block, so none touches the file after.
class CFileWaveOutput final : public IWaveOutput {
public:
    CFileWaveOutput(IClock& clock, const WaveFormat& format, CWorkerThread& owner, std::FILE* file);
    ~CFileWaveOutput() override;

    int Write(std::unique_ptr<WaveHeader> block) override;
    int Reset() override;
    int Close() override;

private:
    void OnBlockPlayed(std::uint64_t number);
    void Finish(std::unique_ptr<WaveHeader> block, bool played);
    std::deque<std::unique_ptr<WaveHeader>> TakeQueue();

    IClock& m_clock;
    WaveFormat m_format;
    CWorkerThread& m_owner;
    std::FILE* m_file;
    std::mutex m_lock;
    std::deque<std::unique_ptr<WaveHeader>> m_queue;
    // The timer of each block written, by its number, until its callback has finished a block.
    std::map<std::uint64_t, IClock::TimerId> m_timers;
    std::uint64_t m_blocksWritten = 0;
    IClock::Duration m_playedUntil{0};
};
