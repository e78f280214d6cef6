// MP3 decoding speed, as multiples of real time, next to the mpg123 command-line decoder on the
// same file: every sentence, word and syllable the learner hears is decoded this way first.
#include "audio/CWaveFileView.h"
#include "audio/ConvertMp3ToWav.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace {

constexpr double kSeconds = 30;
constexpr unsigned kRate = 44100;

// One 30-second speech-like MP3 (a gliding tone with noise, 128 kbit/s), made once per run.
struct BenchSound {
    TempFolder dir;
    std::string mp3 = dir / "sentence.mp3";
    bool ready = false;

    BenchSound() {
        std::vector<std::int16_t> samples(static_cast<std::size_t>(kSeconds * kRate));
        std::mt19937 noise(7);
        std::uniform_int_distribution<int> jitter(-1500, 1500);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            samples[i] = static_cast<std::int16_t>(9000 * std::sin(2 * M_PI * (180 + 40 * std::sin(t)) * t) +
                                                   jitter(noise));
        }
        const std::string wav = dir / "source.wav";
        ready =
            fixtures::WriteBinaryFile(wav, fixtures::MonoWav(samples, kRate)) &&
            std::system(
                (std::string(TESSALYNE_LAME) + " --quiet -b 128 '" + wav + "' '" + mp3 + "'").c_str()) == 0;
    }
};

BenchSound& Sound() {
    static BenchSound sound;
    return sound;
}

void ReportRealTimeFactor(benchmark::State& state) {
    state.counters["x_realtime"] =
        benchmark::Counter(kSeconds, benchmark::Counter::kIsIterationInvariantRate);
}

void ConvertMp3ToWavSpeed(benchmark::State& state) {
    if (!Sound().ready) {
        state.SkipWithError("the LAME encoder could not make the test MP3");
        return;
    }
    for (auto _ : state) {
        const std::string wav = ConvertMp3ToWav(Sound().mp3);
        benchmark::DoNotOptimize(wav);
    }
    CWaveFileView view;
    view.Load(Sound().dir / "sentence.wav");
    state.counters["decoded_s"] = static_cast<double>(view.SampleByteCount()) / view.Format().avgBytesPerSec;
    ReportRealTimeFactor(state);
}

void Mpg123CommandLineSpeed(benchmark::State& state) {
    if (!Sound().ready) {
        state.SkipWithError("the LAME encoder could not make the test MP3");
        return;
    }
    const std::string command =
        std::string(TESSALYNE_MPG123) + " -q -w '" + (Sound().dir / "mpg123.wav") + "' '" + Sound().mp3 + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("mpg123 failed");
            return;
        }
    }
    ReportRealTimeFactor(state);
}

} // namespace

// Wall-clock time for both: the command-line decoder runs in a child process.
BENCHMARK(ConvertMp3ToWavSpeed)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Mpg123CommandLineSpeed)->UseRealTime()->Unit(benchmark::kMillisecond);
