#include "audio/CFileSoundDevices.h"
#include "audio/CPortAudioDevices.h"
#include "audio/CWorkerThread.h"
#include "audio/ISoundDevices.h"

#include <atomic>

std::string SoundErrorText(int result) {
    switch (result) {
    case MMSYSERR_NOERROR:
        return "The command was carried out.";
    case MMSYSERR_BADDEVICEID:
        return "There is no such sound device.";
    case MMSYSERR_NODRIVER:
        return "No sound driver is present.";
    case WAVERR_BADFORMAT:
        return "The sound device does not support this format.";
    default:
        return "The sound device reported an error.";
    }
}

void HandBackQueued(std::mutex& lock, BlockQueue& queue, CWorkerThread& owner, unsigned notice) {
    BlockQueue taken;
    {
        std::lock_guard<std::mutex> guard(lock);
        taken.swap(queue);
    }
    for (auto& block : taken)
        owner.PostThreadMessage(notice, 0, std::move(block));
}

namespace {

// Chosen once, at the first use of a sound device: the real devices when there are any, else a
// silent stand-in that still takes the time a sound lasts.
ISoundDevices& ChosenDevices() {
    static CPortAudioDevices portAudio;
    static CFileSoundDevices silent(GetSystemClock(), "", "");
    static ISoundDevices& chosen = portAudio.OrWhenNoDevice(silent);
    return chosen;
}

std::atomic<ISoundDevices*> g_installedDevices{nullptr};

} // namespace

ISoundDevices& GetSoundDevices() {
    ISoundDevices* installed = g_installedDevices.load();
    return installed ? *installed : ChosenDevices();
}

ISoundDevices* SetSoundDevices(ISoundDevices* devices) {
    return g_installedDevices.exchange(devices);
}
