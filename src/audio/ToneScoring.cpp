#include "audio/ToneScoring.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tones {
namespace {

// Unvoiced frames shorter than this inside a syllable are a consonant, not a boundary.
constexpr std::size_t kLeastGapFrames = 3;
constexpr std::size_t kLeastSyllableFrames = 4;
// Points a syllable's contour is resampled to before shapes are compared.
constexpr std::size_t kShapePoints = 12;
// The alignment keeps within this share of the utterance from the even pace, and pays for leaving it.
constexpr double kAlignmentBand = 0.15;
constexpr double kOffDiagonalCost = 40;
// Semitones a voiced frame aligned with an unvoiced one costs.
constexpr double kVoicingMismatchCost = 3;
// Semitones of difference at which a syllable's score falls to about a third.
constexpr double kShapeTolerance = 2.0;
// Semitones that tell tones apart, small enough for synthetic speech, whose tones move less than
// most people's: a fall, a rise, a dip below both ends, a level above or below the speaker's.
constexpr float kToneStep = 0.8f;
constexpr float kRiseStep = 0.6f;
constexpr float kDipDepth = 0.35f;
constexpr float kRegisterStep = 0.9f;

bool Voiced(const PitchContour& contour, std::size_t frame) {
    return frame < contour.semitones.size() && !std::isnan(contour.semitones[frame]);
}

std::vector<SyllableSpan> VoicedRuns(const PitchContour& contour) {
    std::vector<SyllableSpan> runs;
    std::size_t lastVoiced = 0;
    for (std::size_t i = 0; i < contour.semitones.size(); ++i) {
        if (!Voiced(contour, i))
            continue;
        if (runs.empty() || i - lastVoiced > kLeastGapFrames)
            runs.push_back({i, i + 1});
        runs.back().end = i + 1;
        lastVoiced = i;
    }
    return runs;
}

// The quietest frame in the middle part of a span, where two syllables most likely meet.
std::size_t QuietestFrame(const PitchContour& contour, SyllableSpan span) {
    const std::size_t length = span.end - span.begin;
    std::size_t best = span.begin + length / 2;
    for (std::size_t i = span.begin + length / 4; i < span.end - length / 4; ++i)
        if (contour.loudness[i] < contour.loudness[best])
            best = i;
    return best;
}

// The syllable's voiced pitch resampled to evenly spaced points; empty when too few frames are voiced.
std::vector<double> Shape(const PitchContour& contour, SyllableSpan span) {
    std::vector<double> voiced;
    for (std::size_t i = span.begin; i < span.end; ++i)
        if (Voiced(contour, i))
            voiced.push_back(contour.semitones[i]);
    if (voiced.size() < 3)
        return {};
    std::vector<double> points(kShapePoints);
    for (std::size_t p = 0; p < kShapePoints; ++p) {
        const double at =
            static_cast<double>(p) * static_cast<double>(voiced.size() - 1) / (kShapePoints - 1);
        const std::size_t low = static_cast<std::size_t>(at);
        const std::size_t high = std::min(low + 1, voiced.size() - 1);
        points[p] = voiced[low] + (voiced[high] - voiced[low]) * (at - static_cast<double>(low));
    }
    return points;
}

// Frames from the first voiced one to the last.
std::vector<std::size_t> SpokenFrames(const PitchContour& contour) {
    std::vector<std::size_t> frames;
    for (std::size_t i = 0; i < contour.semitones.size(); ++i)
        if (Voiced(contour, i) || !frames.empty())
            frames.push_back(i);
    while (!frames.empty() && !Voiced(contour, frames.back()))
        frames.pop_back();
    return frames;
}

// How unlike two frames are: their pitches (from each speaker's median) where both are voiced, a
// fixed price where only one is, nothing where neither is.
double FrameCost(const PitchContour& model, std::size_t modelFrame, const PitchContour& learner,
                 std::size_t learnerFrame) {
    const bool modelVoiced = Voiced(model, modelFrame), learnerVoiced = Voiced(learner, learnerFrame);
    if (modelVoiced && learnerVoiced)
        return std::abs(model.semitones[modelFrame] - learner.semitones[learnerFrame]);
    return modelVoiced == learnerVoiced ? 0.0 : kVoicingMismatchCost;
}

// For each spoken model frame, the learner frame dynamic time warping lines it up with. The path
// keeps near the even pace, so that a wrong tone is not hidden by stretching a matching piece.
std::vector<std::size_t> Align(const std::vector<std::size_t>& modelFrames,
                               const std::vector<std::size_t>& learnerFrames, const PitchContour& model,
                               const PitchContour& learner) {
    const std::size_t n = modelFrames.size(), m = learnerFrames.size();
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> cost((n + 1) * (m + 1), inf);
    auto at = [&](std::size_t i, std::size_t j) -> double& { return cost[i * (m + 1) + j]; };
    at(0, 0) = 0;
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= m; ++j) {
            const double offDiagonal = std::abs(static_cast<double>(i) / static_cast<double>(n) -
                                                static_cast<double>(j) / static_cast<double>(m));
            if (offDiagonal > kAlignmentBand)
                continue;
            at(i, j) = FrameCost(model, modelFrames[i - 1], learner, learnerFrames[j - 1]) +
                       kOffDiagonalCost * offDiagonal +
                       std::min({at(i - 1, j - 1), at(i - 1, j), at(i, j - 1)});
        }
    std::vector<std::size_t> aligned(n, learnerFrames.front());
    std::size_t i = n, j = m;
    while (i > 0 && j > 0) {
        aligned[i - 1] = learnerFrames[j - 1];
        const double diagonal = at(i - 1, j - 1), up = at(i - 1, j), left = at(i, j - 1);
        if (diagonal <= up && diagonal <= left) {
            --i;
            --j;
        } else if (up <= left) {
            --i;
        } else {
            --j;
        }
    }
    return aligned;
}

int ShapeScore(const std::vector<double>& model, const std::vector<double>& learner) {
    if (model.empty() || learner.empty())
        return 0;
    // Both contours are in semitones from their speaker's median: the level of a tone counts too.
    double squares = 0;
    for (std::size_t p = 0; p < kShapePoints; ++p) {
        const double difference = model[p] - learner[p];
        squares += difference * difference;
    }
    const double rms = std::sqrt(squares / kShapePoints) / kShapeTolerance;
    return static_cast<int>(std::lround(100.0 * std::exp(-rms * rms)));
}

} // namespace

std::vector<SyllableSpan> SplitSyllables(const PitchContour& contour, std::size_t count) {
    std::vector<SyllableSpan> spans = VoicedRuns(contour);
    if (count == 0 || contour.VoicedFrames() < count * kLeastSyllableFrames)
        return {};
    while (spans.size() > count) {
        std::size_t closest = 0;
        for (std::size_t i = 1; i + 1 < spans.size(); ++i)
            if (spans[i + 1].begin - spans[i].end < spans[closest + 1].begin - spans[closest].end)
                closest = i;
        spans[closest].end = spans[closest + 1].end;
        spans.erase(spans.begin() + static_cast<std::ptrdiff_t>(closest) + 1);
    }
    while (spans.size() < count) {
        const auto longest = std::max_element(spans.begin(), spans.end(), [](SyllableSpan a, SyllableSpan b) {
            return a.end - a.begin < b.end - b.begin;
        });
        if (longest->end - longest->begin < 2 * kLeastSyllableFrames)
            return {};
        const std::size_t cut = QuietestFrame(contour, *longest);
        const SyllableSpan second{cut, longest->end};
        longest->end = cut;
        spans.insert(longest + 1, second);
    }
    return spans;
}

int ClassifyTone(const PitchContour& contour, SyllableSpan span, float referenceHz) {
    std::vector<float> voiced;
    for (std::size_t i = span.begin; i < span.end; ++i)
        if (Voiced(contour, i))
            voiced.push_back(contour.semitones[i]);
    if (voiced.size() < 4 || referenceHz <= 0 || contour.medianHz <= 0)
        return 0;
    const std::size_t n = voiced.size();
    const float start = (voiced[0] + voiced[1]) / 2, end = (voiced[n - 1] + voiced[n - 2]) / 2;
    const auto lowest = std::min_element(voiced.begin(), voiced.end());
    const float lowestAt = static_cast<float>(lowest - voiced.begin()) / static_cast<float>(n - 1);
    const float rise = end - start, dip = std::min(start, end) - *lowest;
    std::vector<float> sorted = voiced;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(n / 2), sorted.end());
    // The syllable's pitch level against the speaker's: the first tone is high, the third low.
    const float level = sorted[n / 2] + 12.0f * std::log2(contour.medianHz / referenceHz);
    if (rise < -kToneStep && lowestAt > 0.5f)
        return 4;
    if (level > kRegisterStep)
        return 1;
    if (level < -kRegisterStep)
        return 3;
    if (dip > kDipDepth && lowestAt > 0.1f && lowestAt < 0.8f)
        return 3;
    if (rise > kRiseStep)
        return 2;
    return rise < 0 ? 4 : 1;
}

std::vector<int> SpokenTones(std::vector<int> written, const std::vector<bool>& pauseAfter) {
    // Runs of third tones within a phrase: all but the last become second tones.
    for (std::size_t i = 0; i + 1 < written.size(); ++i) {
        const bool pause = i < pauseAfter.size() && pauseAfter[i];
        if (written[i] == 3 && written[i + 1] == 3 && !pause)
            written[i] = 2;
    }
    return written;
}

ToneScore ScoreTones(const PitchContour& model, const PitchContour& learner,
                     const std::vector<int>& spokenTones) {
    ToneScore result;
    const std::vector<SyllableSpan> spans = SplitSyllables(model, spokenTones.size());
    if (spans.empty())
        return result;
    const std::vector<std::size_t> modelFrames = SpokenFrames(model), learnerFrames = SpokenFrames(learner);
    const std::vector<std::size_t> aligned = learnerFrames.empty()
                                                 ? std::vector<std::size_t>{}
                                                 : Align(modelFrames, learnerFrames, model, learner);
    int total = 0;
    for (std::size_t s = 0; s < spans.size(); ++s) {
        SyllableScore syllable{spokenTones[s], 0, spans[s], {}};
        if (!aligned.empty()) {
            std::size_t first = std::numeric_limits<std::size_t>::max(), last = 0;
            for (std::size_t k = 0; k < modelFrames.size(); ++k)
                if (modelFrames[k] >= spans[s].begin && modelFrames[k] < spans[s].end) {
                    first = std::min(first, aligned[k]);
                    last = std::max(last, aligned[k]);
                }
            if (first <= last) {
                syllable.learner = {first, last + 1};
                syllable.score = ShapeScore(Shape(model, spans[s]), Shape(learner, syllable.learner));
            }
        }
        total += syllable.score;
        result.syllables.push_back(syllable);
    }
    result.sentence =
        static_cast<int>(std::lround(static_cast<double>(total) / static_cast<double>(spans.size())));
    return result;
}

} // namespace tones
