#include "audio/CPlaySound.h"

#include "app/CLog.h"
#include "audio/AudioMessages.h"
#include "audio/AudioNotice.h"

namespace {
constexpr auto kResetSettleTime = std::chrono::milliseconds(500);
}

CPlaySound::CPlaySound(unsigned samplesPerSec, IClock& clock)
    : m_format(MakePcmFormat(16, 1, samplesPerSec)), m_clock(clock) {}

CPlaySound::~CPlaySound() {
    EndAndJoin(WM_PLAY_END);
    OnStopPlaying();
}

void CPlaySound::OnThreadMessage(ThreadMessage& message) {
    switch (message.message) {
    case WM_PLAY_START:
        OnStartPlaying();
        break;
    case WM_PLAY_STOP:
        OnStopPlaying();
        break;
    case WM_PLAY_BLOCK:
        OnBlock(message);
        break;
    case MM_WOM_DONE:
        // The played block comes back with the message and is released with it.
        break;
    case WM_PLAY_END:
        OnStopPlaying();
        EndMessageLoop();
        break;
    default:
        break;
    }
}

void CPlaySound::OnStartPlaying() {
    if (m_playing)
        return;
    const int result = GetSoundDevices().OpenOutput(m_format, *this, m_device);
    if (result != MMSYSERR_NOERROR) {
        g_log.Write("OnStartPlaying: %s", SoundErrorText(result).c_str());
        ShowAudioError("OnStartPlaying");
        ShowAudioError(SoundErrorText(result));
        m_device.reset();
        return;
    }
    m_playing = true;
}

void CPlaySound::OnBlock(ThreadMessage& message) {
    auto* block = dynamic_cast<WaveHeader*>(message.lParam.get());
    if (!m_playing || !block)
        return;
    // The device owns the block from here on.
    std::unique_ptr<WaveHeader> owned(static_cast<WaveHeader*>(message.lParam.release()));
    if (m_device->Write(std::move(owned)) == MMSYSERR_NOERROR)
        ++m_blocksWritten;
}

void CPlaySound::OnStopPlaying() {
    if (!m_playing)
        return;
    m_device->Reset();
    m_playing = false;
    m_clock.Sleep(kResetSettleTime);
    m_device->Close();
    m_device.reset();
}
