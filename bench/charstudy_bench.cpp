// Latency of the handwriting check on a 20-stroke character: the check after one stroke and the
// grade of the whole character. Reference strokes have 40 points each; the learner's strokes are
// mouse traces of 120 points that follow them.
#include "charstudy/HandwritingPractice.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kStrokes = 20;
constexpr int kReferencePoints = 40;
constexpr int kTracePoints = 120;

// Stroke s runs diagonally across the square, shifted down by 8 pixels per stroke.
std::vector<HandwritingPractice::ReferenceStroke> References() {
    std::vector<HandwritingPractice::ReferenceStroke> strokes;
    for (int s = 0; s < kStrokes; ++s) {
        HandwritingPractice::ReferenceStroke stroke{s + 1, {}};
        for (int i = 0; i < kReferencePoints; ++i)
            stroke.points.emplace_back(5 + i * 4, 5 + s * 8 + i / 4);
        strokes.push_back(std::move(stroke));
    }
    return strokes;
}

// A trace over reference stroke s, in window points, missing its first half so the check walks
// half the reference before it finds a touch.
std::vector<QPoint> Trace(int s) {
    std::vector<QPoint> trace;
    for (int i = 0; i < kTracePoints; ++i) {
        const double t = 0.5 + 0.5 * i / (kTracePoints - 1);
        const int x = static_cast<int>(5 + t * (kReferencePoints - 1) * 4);
        trace.push_back(QPoint(x, 5 + s * 8 + (x - 5) / 16) + HandwritingPractice::kSquareOrigin);
    }
    return trace;
}

void WriteStrokes(HandwritingPractice& practice, int count) {
    for (int s = 0; s < count; ++s) {
        const std::vector<QPoint> trace = Trace(s);
        practice.Press(trace.front());
        for (QPoint p : trace)
            practice.Move(p);
        practice.Release();
    }
}

void BM_StrokeCheck(benchmark::State& state) {
    const auto references = References();
    const std::vector<QPoint> trace = Trace(kStrokes - 1);
    HandwritingPractice practice;
    for (auto _ : state) {
        state.PauseTiming();
        practice.Start(references);
        WriteStrokes(practice, kStrokes - 1);
        practice.Press(trace.front());
        for (QPoint p : trace)
            practice.Move(p);
        state.ResumeTiming();
        benchmark::DoNotOptimize(practice.Release());
    }
}
BENCHMARK(BM_StrokeCheck)->Unit(benchmark::kMicrosecond);

void BM_GradeTwentyStrokes(benchmark::State& state) {
    const auto references = References();
    HandwritingPractice practice;
    double grade = 0;
    for (auto _ : state) {
        state.PauseTiming();
        practice.Start(references);
        WriteStrokes(practice, kStrokes);
        state.ResumeTiming();
        grade = practice.Grade();
        benchmark::DoNotOptimize(grade);
    }
    state.counters["grade"] = grade;
}
BENCHMARK(BM_GradeTwentyStrokes)->Unit(benchmark::kMicrosecond);

} // namespace
