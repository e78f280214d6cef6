#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The pitch (F0) of speech over time, for comparing a learner's tones with a model's.
struct PitchContour {
    static constexpr double kFrameSeconds = 0.01;
    // Per 10 ms frame: semitones from the speaker's median pitch, NaN where the frame is unvoiced.
    std::vector<float> semitones;
    // Per frame: the loudness (RMS of the samples, 0..1), used to find syllable boundaries.
    std::vector<float> loudness;
    float medianHz = 0; // 0 when no frame is voiced

    std::size_t VoicedFrames() const;
};

// Tracks the pitch of 16-bit mono samples with the YIN method at 8 kHz: frames that are quiet,
// not periodic enough or outside the range of voices (60–500 Hz) are unvoiced; the voiced pitch is
// median-smoothed over five frames and given in semitones from its own median, so that a man's
// and a woman's voice compare.
PitchContour TrackPitch(const std::int16_t* samples, std::size_t count, unsigned sampleRate);

// The pitch in Hz of each 10 ms frame before smoothing (0 where unvoiced); for tests and tools.
std::vector<float> TrackPitchHz(const std::int16_t* samples, std::size_t count, unsigned sampleRate);
