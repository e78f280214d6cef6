#include "audio/PitchTracker.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Pitch is found at 8 kHz: plenty for voices, and the difference function costs a third of what
// it would at 22 kHz.
constexpr unsigned kWorkRate = 8000;
constexpr std::size_t kHop = 80;          // 10 ms
constexpr std::size_t kIntegration = 240; // 30 ms summed per lag
constexpr float kLowestHz = 60;
constexpr float kHighestHz = 500;
constexpr std::size_t kLongestLag = static_cast<std::size_t>(kWorkRate / kLowestHz) + 1;
constexpr std::size_t kShortestLag = static_cast<std::size_t>(kWorkRate / kHighestHz);
// YIN's threshold on the cumulative mean normalized difference, and the level (RMS, dB of full
// scale) below which a frame is silence.
constexpr float kThreshold = 0.3f;
constexpr float kSilenceDb = -45;
constexpr int kSmoothingFrames = 5;

float Median(std::vector<float> values) {
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The sound at 8 kHz as floats: each output sample averages the input samples it spans, which
// also filters out what 8 kHz cannot hold.
std::vector<float> AtWorkRate(const std::int16_t* samples, std::size_t count, unsigned rate) {
    std::vector<float> out;
    if (rate == 0 || count == 0)
        return out;
    const double step = static_cast<double>(rate) / kWorkRate;
    out.reserve(static_cast<std::size_t>(static_cast<double>(count) / step) + 1);
    for (double at = 0; at < static_cast<double>(count); at += step) {
        const auto from = static_cast<std::size_t>(at);
        const std::size_t to = std::min(count, std::max(from + 1, static_cast<std::size_t>(at + step)));
        float sum = 0;
        for (std::size_t i = from; i < to; ++i)
            sum += static_cast<float>(samples[i]);
        out.push_back(sum / static_cast<float>(to - from) / 32768.0f);
    }
    return out;
}

// YIN (de Cheveigné and Kawahara, 2002) on the samples from `start`: the frequency, or 0 when the
// frame is not periodic enough.
float YinFrequency(const std::vector<float>& x, std::size_t start, std::vector<float>& difference) {
    difference.assign(kLongestLag + 1, 0);
    for (std::size_t lag = 1; lag <= kLongestLag; ++lag) {
        float sum = 0;
        for (std::size_t j = 0; j < kIntegration; ++j) {
            const float d = x[start + j] - x[start + j + lag];
            sum += d * d;
        }
        difference[lag] = sum;
    }
    // Cumulative mean normalized difference.
    float running = 0;
    difference[0] = 1;
    for (std::size_t lag = 1; lag <= kLongestLag; ++lag) {
        running += difference[lag];
        difference[lag] = running > 0 ? difference[lag] * static_cast<float>(lag) / running : 1;
    }
    std::size_t lag = kShortestLag;
    while (lag < kLongestLag && difference[lag] >= kThreshold)
        ++lag;
    if (lag >= kLongestLag)
        return 0;
    while (lag + 1 < kLongestLag && difference[lag + 1] < difference[lag])
        ++lag;
    // A parabola through the minimum and its neighbours places it between lags.
    const float before = difference[lag - 1], at = difference[lag], after = difference[lag + 1];
    const float curve = before - 2 * at + after;
    const float shift = curve > 0 ? 0.5f * (before - after) / curve : 0;
    return static_cast<float>(kWorkRate) / (static_cast<float>(lag) + std::clamp(shift, -1.0f, 1.0f));
}

// Frames of the raw track, with their loudness; frame i is centred on i × 10 ms.
void Track(const std::int16_t* samples, std::size_t count, unsigned sampleRate, std::vector<float>& hz,
           std::vector<float>& loudness) {
    const std::vector<float> sound = AtWorkRate(samples, count, sampleRate);
    const std::size_t frames = (sound.size() + kHop - 1) / kHop;
    constexpr std::size_t span = kIntegration + kLongestLag + 1;
    // Silence around the sound, so that every frame has a whole window.
    std::vector<float> padded(span / 2, 0.0f);
    padded.insert(padded.end(), sound.begin(), sound.end());
    padded.resize(padded.size() + span, 0.0f);
    std::vector<float> difference;
    hz.assign(frames, 0);
    loudness.assign(frames, 0);
    for (std::size_t i = 0; i < frames; ++i) {
        const std::size_t start = i * kHop;
        double energy = 0;
        for (std::size_t j = 0; j < kIntegration; ++j)
            energy += static_cast<double>(padded[start + j]) * padded[start + j];
        loudness[i] = static_cast<float>(std::sqrt(energy / kIntegration));
        if (20 * std::log10(std::max(loudness[i], 1e-9f)) < kSilenceDb)
            continue;
        const float f = YinFrequency(padded, start, difference);
        hz[i] = f >= kLowestHz && f <= kHighestHz ? f : 0;
    }
}

} // namespace

std::size_t PitchContour::VoicedFrames() const {
    return static_cast<std::size_t>(
        std::count_if(semitones.begin(), semitones.end(), [](float s) { return !std::isnan(s); }));
}

std::vector<float> TrackPitchHz(const std::int16_t* samples, std::size_t count, unsigned sampleRate) {
    std::vector<float> hz, loudness;
    Track(samples, count, sampleRate, hz, loudness);
    return hz;
}

PitchContour TrackPitch(const std::int16_t* samples, std::size_t count, unsigned sampleRate) {
    PitchContour contour;
    std::vector<float> hz;
    Track(samples, count, sampleRate, hz, contour.loudness);
    // A voiced frame alone between unvoiced ones is a detector's slip.
    for (std::size_t i = 0; i < hz.size(); ++i) {
        const bool before = i > 0 && hz[i - 1] > 0, after = i + 1 < hz.size() && hz[i + 1] > 0;
        if (hz[i] > 0 && !before && !after)
            hz[i] = 0;
    }
    std::vector<float> voiced;
    for (float f : hz)
        if (f > 0)
            voiced.push_back(f);
    contour.medianHz = Median(voiced);
    contour.semitones.assign(hz.size(), std::numeric_limits<float>::quiet_NaN());
    for (std::size_t i = 0; i < hz.size(); ++i) {
        if (hz[i] <= 0)
            continue;
        // The median of the voiced frames around this one removes octave slips and jitter.
        std::vector<float> around;
        const std::size_t from = i >= kSmoothingFrames / 2 ? i - kSmoothingFrames / 2 : 0;
        for (std::size_t j = from; j < std::min(hz.size(), i + kSmoothingFrames / 2 + 1); ++j)
            if (hz[j] > 0)
                around.push_back(hz[j]);
        contour.semitones[i] = 12.0f * std::log2(Median(around) / contour.medianHz);
    }
    return contour;
}
