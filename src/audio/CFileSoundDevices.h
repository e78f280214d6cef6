#pragma once

#include "audio/IClock.h"
#include "audio/ISoundDevices.h"

#include <functional>
#include <mutex>
#include <vector>

// Sound devices backed by files, for tests and for machines without a sound card. The output
// plays in real time by the clock and appends what it plays to a raw file (or discards it); the
// input records, in real time by the clock, the raw bytes of a file and silence after its end.
// Without an input file there is no input device.
class CFileSoundDevices final : public ISoundDevices {
public:
    using FormatFilter = std::function<bool(const WaveFormat&)>;

    CFileSoundDevices(IClock& clock, std::string inputPath, std::string outputPath);

    int OpenOutput(const WaveFormat& format, CWorkerThread& owner,
                   std::unique_ptr<IWaveOutput>& device) override;
    int OpenInput(const WaveFormat& format, CWorkerThread& owner,
                  std::unique_ptr<IWaveInput>& device) override;

    // Decides which formats the devices accept; by default 8- and 16-bit PCM, one or two channels.
    void SetFormatFilter(FormatFilter accepts);
    // Every format an input open was tried with, and how many input opens succeeded.
    std::vector<WaveFormat> InputAttempts() const;
    int InputOpenCount() const;

private:
    bool Accepts(const WaveFormat& format) const;

    IClock& m_clock;
    std::string m_inputPath;
    std::string m_outputPath;
    mutable std::mutex m_lock;
    FormatFilter m_accepts;
    std::vector<WaveFormat> m_inputAttempts;
    int m_inputOpenCount = 0;
};
