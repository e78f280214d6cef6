#include "InterfaceSounds.h"

#include "audio/AudioMessages.h"
#include "audio/CWaveFileView.h"
#include "audio/CWriteSoundFile.h"
#include "audio/WaveHeader.h"
#include "audio/WaveWriteRequest.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <numbers>

namespace programmedia {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::size_t SampleCount(double seconds) {
    return static_cast<std::size_t>(seconds * kSoundRate);
}

// Raised-cosine ramps at both ends: `attack` and `release` seconds long.
void Fade(std::vector<double>& wave, double attack, double release) {
    const std::size_t in = std::max<std::size_t>(1, SampleCount(attack));
    const std::size_t out = std::max<std::size_t>(1, SampleCount(release));
    for (std::size_t i = 0; i < wave.size(); ++i) {
        double gain = 1;
        if (i < in)
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(in));
        const std::size_t left = wave.size() - 1 - i;
        if (left < out)
            gain *=
                0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(left) / static_cast<double>(out));
        wave[i] *= gain;
    }
}

// Scales the wave to `loudest` (a share of full scale) and rounds it to 16-bit samples.
std::vector<std::int16_t> ToSamples(const std::vector<double>& wave, double loudest) {
    double peak = 0;
    for (const double value : wave)
        peak = std::max(peak, std::abs(value));
    const double scale = peak > 0 ? loudest * 32767.0 / peak : 0;
    std::vector<std::int16_t> samples(wave.size());
    std::transform(wave.begin(), wave.end(), samples.begin(),
                   [scale](double value) { return static_cast<std::int16_t>(std::lround(value * scale)); });
    return samples;
}

double Seconds(std::size_t index) {
    return static_cast<double>(index) / kSoundRate;
}

} // namespace

std::vector<std::int16_t> ButtonClick() {
    std::vector<double> wave(SampleCount(0.06));
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = Seconds(i);
        // A wooden tap: two partials dying away quickly.
        wave[i] = std::exp(-t / 0.009) * (std::sin(kTwoPi * 1250 * t) + 0.5 * std::sin(kTwoPi * 2630 * t)) +
                  0.4 * std::exp(-t / 0.02) * std::sin(kTwoPi * 420 * t);
    }
    Fade(wave, 0.0015, 0.01);
    return ToSamples(wave, kClickPeak);
}

std::vector<std::int16_t> CueTone() {
    std::vector<double> wave(SampleCount(0.25));
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = Seconds(i);
        wave[i] = std::sin(kTwoPi * 880 * t) + 0.15 * std::sin(kTwoPi * 1760 * t);
    }
    Fade(wave, 0.015, 0.07);
    return ToSamples(wave, kTonePeak);
}

std::vector<std::int16_t> PageTurnSwish() {
    std::vector<double> wave(SampleCount(0.25));
    // Noise from a fixed generator, so every build makes the same file, through a low-pass filter
    // whose corner rises and falls: the brush of paper on paper.
    std::uint32_t state = 0x2545f491u;
    double low = 0, lower = 0;
    for (std::size_t i = 0; i < wave.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = static_cast<double>(state >> 8) / static_cast<double>(1u << 24) * 2 - 1;
        const double progress = static_cast<double>(i) / static_cast<double>(wave.size());
        const double corner = 600 + 3400 * std::sin(std::numbers::pi * progress);
        const double smoothing = 1 - std::exp(-kTwoPi * corner / kSoundRate);
        low += smoothing * (noise - low);
        lower += smoothing * (low - lower);
        const double envelope = std::pow(std::sin(std::numbers::pi * std::pow(progress, 0.8)), 2);
        wave[i] = (low - 0.6 * lower) * envelope;
    }
    Fade(wave, 0.01, 0.03);
    return ToSamples(wave, kClickPeak);
}

bool WriteSound(const std::string& path, const std::vector<std::int16_t>& samples, std::string& error) {
    CWriteSoundFile writer;
    if (!writer.CreateThread()) {
        error = "cannot start the WAV writer";
        return false;
    }
    auto request = std::make_unique<WaveWriteRequest>();
    request->path = path;
    request->format = MakePcmFormat(16, 1, kSoundRate);
    auto block = std::make_unique<WaveHeader>(samples.size() * sizeof(std::int16_t));
    // WAV samples are little-endian, as this machine's are.
    std::memcpy(block->data.data(), samples.data(), block->data.size());
    block->bytesRecorded = static_cast<std::uint32_t>(block->data.size());
    writer.PostThreadMessage(WM_WAVWRITE_OPEN, 0, std::move(request));
    writer.PostThreadMessage(WM_WAVWRITE_DATA, 0, std::move(block));
    writer.PostThreadMessage(WM_WAVWRITE_CLOSE);
    if (!writer.WaitUntilIdle(std::chrono::seconds(10))) {
        error = "the WAV writer did not finish " + path;
        return false;
    }
    CWaveFileView written;
    try {
        if (written.Load(path) && written.SampleCount() == samples.size())
            return true;
    } catch (...) {
    }
    error = "cannot write the sound " + path;
    return false;
}

} // namespace programmedia
