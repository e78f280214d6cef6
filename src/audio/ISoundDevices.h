#pragma once

#include "audio/WaveFormat.h"
#include "audio/WaveHeader.h"

#include <deque>
#include <memory>
#include <mutex>
#include <string>

class CWorkerThread;

// Result codes of the sound devices (0 is success).
enum MmResult : int {
    MMSYSERR_NOERROR = 0,
    MMSYSERR_ERROR = 1,
    MMSYSERR_BADDEVICEID = 2,
    MMSYSERR_NODRIVER = 6,
    WAVERR_BADFORMAT = 32,
};
std::string SoundErrorText(int result);

// Blocks a device holds, in order.
using BlockQueue = std::deque<std::unique_ptr<WaveHeader>>;
// Takes every block out of the queue (under the lock) and hands each back to the owner as a
// `notice` message.
void HandBackQueued(std::mutex& lock, BlockQueue& queue, CWorkerThread& owner, unsigned notice);

// An open output device. Written blocks are played in order; each comes back to the owning
// thread as an MM_WOM_DONE message once played (or dropped by a reset).
class IWaveOutput {
public:
    virtual ~IWaveOutput() = default;
    virtual int Write(std::unique_ptr<WaveHeader> block) = 0;
    // Stops at once and returns every queued block.
    virtual int Reset() = 0;
    // Plays what is still queued to its end, then closes.
    virtual int Close() = 0;
};

// An open input device. Added buffers are filled in order once started; each comes back to the
// owning thread as an MM_WIM_DATA message with its filled byte count.
class IWaveInput {
public:
    virtual ~IWaveInput() = default;
    virtual int AddBuffer(std::unique_ptr<WaveHeader> buffer) = 0;
    virtual int Start() = 0;
    // Stops filling; the buffer being filled comes back with what it holds.
    virtual int Stop() = 0;
    // Stops and returns every queued buffer.
    virtual int Reset() = 0;
    virtual int Close() = 0;
};

// The default input and output devices of the machine, or their stand-in.
class ISoundDevices {
public:
    virtual ~ISoundDevices() = default;
    virtual int OpenOutput(const WaveFormat& format, CWorkerThread& owner,
                           std::unique_ptr<IWaveOutput>& device) = 0;
    virtual int OpenInput(const WaveFormat& format, CWorkerThread& owner,
                          std::unique_ptr<IWaveInput>& device) = 0;
};

// The devices of the process, chosen once at first use: PortAudio when it finds a default
// device, otherwise silent file-backed devices (the choice is logged).
ISoundDevices& GetSoundDevices();
// Installs other devices (tests); returns the previous ones. Not owned; nullptr restores.
ISoundDevices* SetSoundDevices(ISoundDevices* devices);
