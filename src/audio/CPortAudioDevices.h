#pragma once

#include "audio/ISoundDevices.h"

#include <mutex>

// The machine's default input and output devices through PortAudio (ALSA, and PipeWire or
// PulseAudio behind it). Streams are blocking streams served by one thread per open device.
class CPortAudioDevices final : public ISoundDevices {
public:
    CPortAudioDevices();
    ~CPortAudioDevices() override;

    // True when PortAudio started and found a default input or output device.
    bool HasDevice() const;
    std::string Description() const;
    // These devices when there is one, else `silent`; the choice is logged.
    ISoundDevices& OrWhenNoDevice(ISoundDevices& silent);

    int OpenOutput(const WaveFormat& format, CWorkerThread& owner,
                   std::unique_ptr<IWaveOutput>& device) override;
    int OpenInput(const WaveFormat& format, CWorkerThread& owner,
                  std::unique_ptr<IWaveInput>& device) override;

    // PortAudio's own calls to open and close streams are not thread-safe; they go through this.
    static std::mutex& StreamLock();

private:
    bool m_initialized = false;
    std::string m_initError;
};
