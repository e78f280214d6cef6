#include "audio/PitchTracker.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

constexpr float kLowestHz = 60;
constexpr float kHighestHz = 500;
// YIN's confidence (1 − aperiodicity) a voiced frame needs, and the level below which a frame is
// silence for the detector.
constexpr float kLeastConfidence = 0.75f;
constexpr float kSilenceDb = -45;
constexpr int kSmoothingFrames = 5;

struct PitchDeleter {
    void operator()(aubio_pitch_t* pitch) const { del_aubio_pitch(pitch); }
};
struct VectorDeleter {
    void operator()(fvec_t* vector) const { del_fvec(vector); }
};

// The window holds at least two periods of the lowest voice.
uint_t WindowFor(unsigned sampleRate) {
    uint_t window = 256;
    while (window < 2 * sampleRate / static_cast<unsigned>(kLowestHz))
        window *= 2;
    return window;
}

float Median(std::vector<float> values) {
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Frames of the raw track, with their loudness.
void Track(const std::int16_t* samples, std::size_t count, unsigned sampleRate, std::vector<float>& hz,
           std::vector<float>& loudness) {
    const uint_t hop =
        std::max(1u, static_cast<uint_t>(std::lround(sampleRate * PitchContour::kFrameSeconds)));
    const uint_t window = WindowFor(sampleRate);
    std::unique_ptr<aubio_pitch_t, PitchDeleter> pitch(new_aubio_pitch("yinfast", window, hop, sampleRate));
    std::unique_ptr<fvec_t, VectorDeleter> in(new_fvec(hop)), out(new_fvec(1));
    if (!pitch || !in || !out || sampleRate == 0)
        return;
    aubio_pitch_set_unit(pitch.get(), "Hz");
    aubio_pitch_set_silence(pitch.get(), kSilenceDb);
    aubio_pitch_set_tolerance(pitch.get(), 0.15f);
    // aubio reports each frame's pitch for the window that ends with it; the frame is placed in the
    // window's middle.
    const std::size_t delayFrames = window / 2 / hop;
    std::vector<float> raw, level;
    for (std::size_t start = 0; start < count + window; start += hop) {
        double energy = 0;
        for (uint_t i = 0; i < hop; ++i) {
            const float sample = start + i < count ? static_cast<float>(samples[start + i]) / 32768.0f : 0.0f;
            in->data[i] = sample;
            energy += static_cast<double>(sample) * sample;
        }
        aubio_pitch_do(pitch.get(), in.get(), out.get());
        const float f = out->data[0];
        const bool voiced =
            aubio_pitch_get_confidence(pitch.get()) >= kLeastConfidence && f >= kLowestHz && f <= kHighestHz;
        raw.push_back(voiced ? f : 0);
        level.push_back(static_cast<float>(std::sqrt(energy / hop)));
    }
    const std::size_t frames = (count + hop - 1) / hop;
    hz.assign(frames, 0);
    for (std::size_t i = 0; i < frames && i + delayFrames < raw.size(); ++i)
        hz[i] = raw[i + delayFrames];
    loudness.assign(level.begin(),
                    level.begin() + static_cast<std::ptrdiff_t>(std::min(frames, level.size())));
    loudness.resize(frames, 0);
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
