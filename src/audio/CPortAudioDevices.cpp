#include "audio/CPortAudioDevices.h"

#include "app/CLog.h"
#include "audio/CPortAudioInput.h"
#include "audio/CPortAudioOutput.h"
#include "audio/ChildProcessTrial.h"
#include "audio/PortAudioLibrary.h"
#include "audio/PortAudioStream.h"

#include <portaudio.h>

std::mutex& CPortAudioDevices::StreamLock() {
    static std::mutex lock;
    return lock;
}

namespace {

// Long enough for a slow sound server to answer, short enough that a hung scan only delays the
// first sound.
constexpr std::chrono::seconds kTrialLimit{15};

} // namespace

CPortAudioDevices::CPortAudioDevices() {
    // PortAudio's ALSA host asserts, and so aborts the program, when ALSA has no configuration to
    // list devices from (a missing or empty ALSA_CONFIG_PATH, no ALSA data folder). The same scan
    // runs first in a child process; only when it survives there does it run here.
    std::string why;
    // Opened here, before the trial: the child process then only runs the scan.
    if (!portaudiolibrary::Load(why)) {
        m_initError = why;
        return;
    }
    if (!SurvivesInChildProcess([] { Pa_Initialize(); }, kTrialLimit, why)) {
        m_initError = "its device scan failed in a trial run: " + why;
        return;
    }
    std::lock_guard<std::mutex> guard(StreamLock());
    const PaError error = Pa_Initialize();
    m_initialized = error == paNoError;
    if (!m_initialized)
        m_initError = Pa_GetErrorText(error);
}

CPortAudioDevices::~CPortAudioDevices() {
    std::lock_guard<std::mutex> guard(StreamLock());
    if (m_initialized)
        Pa_Terminate();
}

bool CPortAudioDevices::HasDevice() const {
    return m_initialized &&
           (Pa_GetDefaultOutputDevice() != paNoDevice || Pa_GetDefaultInputDevice() != paNoDevice);
}

std::string CPortAudioDevices::Description() const {
    if (!m_initialized)
        return "PortAudio could not start: " + m_initError;
    std::string text = "PortAudio";
    const PaDeviceIndex output = Pa_GetDefaultOutputDevice();
    const PaDeviceIndex input = Pa_GetDefaultInputDevice();
    const PaDeviceInfo* outputInfo = output == paNoDevice ? nullptr : Pa_GetDeviceInfo(output);
    const PaDeviceInfo* inputInfo = input == paNoDevice ? nullptr : Pa_GetDeviceInfo(input);
    text += ", output: ";
    text += outputInfo ? outputInfo->name : "none";
    text += ", input: ";
    text += inputInfo ? inputInfo->name : "none";
    return text;
}

ISoundDevices& CPortAudioDevices::OrWhenNoDevice(ISoundDevices& silent) {
    if (HasDevice()) {
        g_log.Write("Sound devices: %s", Description().c_str());
        return *this;
    }
    g_log.Write("No sound device (%s); sounds stay silent", Description().c_str());
    return silent;
}

int CPortAudioDevices::OpenOutput(const WaveFormat& format, CWorkerThread& owner,
                                  std::unique_ptr<IWaveOutput>& device) {
    if (!m_initialized)
        return MMSYSERR_NODRIVER;
    PaStream* stream = nullptr;
    const int result = OpenPortAudioStream(format, false, stream);
    if (result == MMSYSERR_NOERROR)
        device = std::make_unique<CPortAudioOutput>(stream, format, owner);
    return result;
}

int CPortAudioDevices::OpenInput(const WaveFormat& format, CWorkerThread& owner,
                                 std::unique_ptr<IWaveInput>& device) {
    if (!m_initialized)
        return MMSYSERR_NODRIVER;
    PaStream* stream = nullptr;
    const int result = OpenPortAudioStream(format, true, stream);
    if (result == MMSYSERR_NOERROR)
        device = std::make_unique<CPortAudioInput>(stream, format, owner);
    return result;
}
