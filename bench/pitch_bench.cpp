// Pitch tracking and tone scoring of the speaking practice, as multiples of real time: both run
// on the user-interface thread right after a recording ends (target: pitch ≥ 200× real time).
// Slowing a five-second sentence to 0.75×, done before it is played (target: ≤ 50 ms).
#include "audio/PitchTracker.h"
#include "audio/SpeechSpeed.h"
#include "audio/ToneScoring.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double kSeconds = 5;
constexpr unsigned kRate = 22050;

// A five-second speech-like sound: eight syllables of gliding voice with pauses and noise.
std::vector<std::int16_t> SpeechLike(unsigned rate) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(kSeconds * rate));
    std::mt19937 noise(7);
    std::uniform_int_distribution<int> jitter(-600, 600);
    double phase = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double syllable = std::fmod(t, kSeconds / 8) / (kSeconds / 8);
        const bool voiced = syllable < 0.75;
        phase += 2 * M_PI * (110 + 40 * syllable * std::sin(3 * t)) / rate;
        samples[i] = static_cast<std::int16_t>((voiced ? 9000 * std::sin(phase) : 0) + jitter(noise));
    }
    return samples;
}

void BM_TrackPitch(benchmark::State& state) {
    const unsigned rate = static_cast<unsigned>(state.range(0));
    const std::vector<std::int16_t> samples = SpeechLike(rate);
    for (auto _ : state)
        benchmark::DoNotOptimize(TrackPitch(samples.data(), samples.size(), rate));
    state.counters["times_real_time"] =
        benchmark::Counter(kSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TrackPitch)->Arg(8000)->Arg(kRate)->Unit(benchmark::kMillisecond);

void BM_ScoreTones(benchmark::State& state) {
    const std::vector<std::int16_t> model = SpeechLike(kRate), learner = SpeechLike(8000);
    const PitchContour modelContour = TrackPitch(model.data(), model.size(), kRate);
    const PitchContour learnerContour = TrackPitch(learner.data(), learner.size(), 8000);
    const std::vector<int> spoken(8, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(tones::ScoreTones(modelContour, learnerContour, spoken));
}
BENCHMARK(BM_ScoreTones)->Unit(benchmark::kMillisecond);

void BM_SlowSentence(benchmark::State& state) {
    const std::vector<std::int16_t> sentence = SpeechLike(kRate);
    for (auto _ : state)
        benchmark::DoNotOptimize(speech::Stretch(sentence, 1, kRate, 75));
}
BENCHMARK(BM_SlowSentence)->Unit(benchmark::kMillisecond);

} // namespace
