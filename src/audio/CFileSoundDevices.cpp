#include "audio/CFileSoundDevices.h"

#include "audio/CFileWaveInput.h"
#include "audio/CFileWaveOutput.h"

#include <cstdio>

namespace {
bool IsPlainPcm(const WaveFormat& format) {
    return format.formatTag == WaveFormat::kPcm &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
           (format.channels == 1 || format.channels == 2) && format.samplesPerSec > 0 &&
           format.blockAlign == format.bitsPerSample / 8 * format.channels;
}
} // namespace

CFileSoundDevices::CFileSoundDevices(IClock& clock, std::string inputPath, std::string outputPath)
    : m_clock(clock), m_inputPath(std::move(inputPath)), m_outputPath(std::move(outputPath)),
      m_accepts(IsPlainPcm) {}

void CFileSoundDevices::SetFormatFilter(FormatFilter accepts) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_accepts = std::move(accepts);
}

bool CFileSoundDevices::Accepts(const WaveFormat& format) const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_accepts(format);
}

std::vector<WaveFormat> CFileSoundDevices::InputAttempts() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_inputAttempts;
}

int CFileSoundDevices::InputOpenCount() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_inputOpenCount;
}

int CFileSoundDevices::OpenOutput(const WaveFormat& format, CWorkerThread& owner,
                                  std::unique_ptr<IWaveOutput>& device) {
    if (!Accepts(format))
        return WAVERR_BADFORMAT;
    std::FILE* file = nullptr;
    if (!m_outputPath.empty()) {
        file = std::fopen(m_outputPath.c_str(), "ab");
        if (!file)
            return MMSYSERR_ERROR;
    }
    device = std::make_unique<CFileWaveOutput>(m_clock, format, owner, file);
    return MMSYSERR_NOERROR;
}

int CFileSoundDevices::OpenInput(const WaveFormat& format, CWorkerThread& owner,
                                 std::unique_ptr<IWaveInput>& device) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_inputAttempts.push_back(format);
    }
    if (m_inputPath.empty())
        return MMSYSERR_BADDEVICEID;
    if (!Accepts(format))
        return WAVERR_BADFORMAT;
    std::FILE* file = std::fopen(m_inputPath.c_str(), "rb");
    if (!file)
        return MMSYSERR_ERROR;
    device = std::make_unique<CFileWaveInput>(m_clock, format, owner, file);
    std::lock_guard<std::mutex> guard(m_lock);
    ++m_inputOpenCount;
    return MMSYSERR_NOERROR;
}
