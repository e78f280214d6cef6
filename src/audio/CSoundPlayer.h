#pragma once

#include "audio/CWorkerThread.h"
#include "audio/IClock.h"
#include "audio/ISoundDevices.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>

class CWaveFileView;

// The process-wide player behind PlaySoundFile: one sound at a time, played on its own thread;
// a new sound stops the one playing.
class CSoundPlayer final : public CWorkerThread {
public:
    explicit CSoundPlayer(IClock& clock = GetSystemClock());
    ~CSoundPlayer() override;

    // Starts the WAV file; with `wait`, returns once it has ended or was stopped, or at the latest
    // two seconds after its length (then it is stopped); meanwhile the application thread keeps
    // handling its events. False when the player thread is not running.
    bool Play(const std::string& path, bool wait);
    // Stops whatever plays.
    void Stop();

protected:
    void OnThreadMessage(ThreadMessage& message) override;

private:
    struct Completion;
    struct PlayRequest;
    void WaitBounded(Completion& completion, IClock::Duration limit);
    void OnPlay(PlayRequest& request);
    bool StartDevice(const CWaveFileView& file);
    void OnBlockDone(const ThreadPayload* block);
    void Finish(bool drain);

    IClock& m_clock;
    std::unique_ptr<IWaveOutput> m_device;
    // Blocks of the sound playing that the device has not handed back yet.
    std::unordered_set<const ThreadPayload*> m_pendingBlocks;
    std::shared_ptr<Completion> m_completion;
};

// Plays a WAV file if one exists at the path; otherwise does nothing (and a sound already
// playing keeps playing). With SND_ASYNC it returns at once; with SND_FILENAME alone it returns
// when the sound has ended (bounded as CSoundPlayer::Play says). Either way it stops the sound playing
// before.
void PlaySoundFile(const std::string& path, unsigned flags);
// The player PlaySoundFile uses, created at first use.
CSoundPlayer& GetSoundPlayer();
