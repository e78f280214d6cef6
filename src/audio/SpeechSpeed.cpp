#include "audio/SpeechSpeed.h"

#include "app/CLog.h"
#include "app/FileUtils.h"
#include "audio/CWaveFileView.h"
#include "audio/WaveFormat.h"

#include <soundtouch/SoundTouch.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace speech {

namespace {

// Chunks handed to the stretcher, in sample frames.
constexpr std::size_t kChunkFrames = 4096;

// Settings for speech rather than music: short sequences keep syllables crisp, and the full seek
// avoids the warble the quick seek gives voices.
void TuneForSpeech(soundtouch::SoundTouch& stretcher) {
    stretcher.setSetting(SETTING_SEQUENCE_MS, 40);
    stretcher.setSetting(SETTING_SEEKWINDOW_MS, 15);
    stretcher.setSetting(SETTING_OVERLAP_MS, 8);
    stretcher.setSetting(SETTING_USE_QUICKSEEK, 0);
}

void Receive(soundtouch::SoundTouch& stretcher, int channels, std::vector<float>& buffer,
             std::vector<std::int16_t>& out) {
    for (;;) {
        const unsigned frames =
            stretcher.receiveSamples(buffer.data(), static_cast<unsigned>(buffer.size() / channels));
        if (frames == 0)
            return;
        for (std::size_t i = 0; i < std::size_t{frames} * channels; ++i)
            out.push_back(
                static_cast<std::int16_t>(std::lround(std::clamp(buffer[i], -1.0f, 1.0f) * 32767.0f)));
    }
}

std::string SlowerPath(const std::string& wavPath, int percent) {
    std::string base = wavPath;
    if (base.size() >= 4 && strcasecmp(base.c_str() + base.size() - 4, ".wav") == 0)
        base.resize(base.size() - 4);
    return base + "_" + std::to_string(percent) + ".wav";
}

bool ReadPcm16(const std::string& wavPath, WaveFormat& format, std::vector<std::int16_t>& samples) {
    CWaveFileView view;
    try {
        if (!view.Load(wavPath))
            return false;
    } catch (...) {
        return false;
    }
    format = view.Format();
    if (format.formatTag != WaveFormat::kPcm || format.bitsPerSample != 16 || format.channels == 0 ||
        format.samplesPerSec == 0)
        return false;
    samples.resize(view.SampleCount());
    if (!samples.empty())
        std::memcpy(samples.data(), view.SampleBytes(), samples.size() * sizeof(std::int16_t));
    return true;
}

std::string WavBytes(const WaveFormat& format, const std::vector<std::int16_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
    std::string bytes = CanonicalWavHeader(format, dataSize);
    const std::size_t header = bytes.size();
    bytes.resize(header + dataSize);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto value = static_cast<std::uint16_t>(samples[i]);
        bytes[header + 2 * i] = static_cast<char>(value & 0xFF);
        bytes[header + 2 * i + 1] = static_cast<char>(value >> 8);
    }
    return bytes;
}

} // namespace

int ValidSpeed(int percent) {
    return std::find(std::begin(kSpeeds), std::end(kSpeeds), percent) != std::end(kSpeeds) ? percent : 100;
}

std::vector<std::int16_t> Stretch(const std::vector<std::int16_t>& samples, int channels, int sampleRate,
                                  int percent) {
    if (percent == 100 || percent <= 0 || channels <= 0 || sampleRate <= 0)
        return samples;
    soundtouch::SoundTouch stretcher;
    stretcher.setSampleRate(static_cast<unsigned>(sampleRate));
    stretcher.setChannels(static_cast<unsigned>(channels));
    stretcher.setTempo(percent / 100.0);
    TuneForSpeech(stretcher);

    std::vector<std::int16_t> out;
    out.reserve(samples.size() * 100 / static_cast<std::size_t>(percent) + kChunkFrames * channels);
    std::vector<float> buffer(kChunkFrames * static_cast<std::size_t>(channels));
    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    for (std::size_t first = 0; first < frames; first += kChunkFrames) {
        const std::size_t count = std::min(kChunkFrames, frames - first);
        for (std::size_t i = 0; i < count * channels; ++i)
            buffer[i] = static_cast<float>(samples[first * channels + i]) / 32768.0f;
        stretcher.putSamples(buffer.data(), static_cast<unsigned>(count));
        Receive(stretcher, channels, buffer, out);
    }
    stretcher.flush();
    Receive(stretcher, channels, buffer, out);
    return out;
}

std::string SoundAtSpeed(const std::string& wavPath, int percent) {
    if (wavPath.empty() || ValidSpeed(percent) == 100)
        return wavPath;
    WaveFormat format;
    std::vector<std::int16_t> samples;
    if (!ReadPcm16(wavPath, format, samples)) {
        g_log.Write("SoundAtSpeed: %s is not a 16-bit PCM sound; it plays at its own speed", wavPath.c_str());
        return wavPath;
    }
    const std::vector<std::int16_t> slower =
        Stretch(samples, format.channels, static_cast<int>(format.samplesPerSec), percent);
    std::string path = SlowerPath(wavPath, percent);
    std::string error;
    if (!WriteScratchFile(path, WavBytes(format, slower), &error)) {
        g_log.Write("SoundAtSpeed: cannot write %s (%s); the sound plays at its own speed", path.c_str(),
                    error.c_str());
        return wavPath;
    }
    return path;
}

} // namespace speech
