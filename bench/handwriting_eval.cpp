// How fair the handwriting check is, measured on synthetic handwriting: every stroke of the 500
// most frequent characters (stroke medians of the open stroke data, in the writing square) traced
// as a mouse would, with ±3 px jitter per point, ±8 % scale and ±5° rotation about the middle of
// the square, a point every 15-25 px (a quick mouse) or every 5 px (a dense one), from a fixed seed.
//
// For each expected stroke it writes: the stroke itself (should be accepted), the stroke backwards,
// the next stroke of the character instead (wrong order), and a stroke of another shape taken from
// another character, once where it lies in that character and once moved so that it starts where
// the expected stroke starts (all should be refused). "Another shape" means the two strokes'
// start-to-end vectors differ by at least 20 px and by a third of the longer stroke.
//
// "before" is the original check (any learner point within 5 px of any reference point, the
// reference being the median's vertices) with its grade (the share of reference points touched);
// "after" is StrokeChecker on the reference points the content build now writes.
//
// Usage: bench_handwriting_eval [stroke-data folder] [character frequency list]
#include "OpenDataSources.h"
#include "StrokeGraphics.h"
#include "charstudy/HandwritingPractice.h"
#include "charstudy/StrokeChecker.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <random>

namespace {

using Line = std::vector<QPointF>;

constexpr int kCharacters = 500;
constexpr unsigned kSeed = 1234567;

struct Character {
    std::vector<Line> medians;                 // square coordinates
    std::vector<std::vector<QPoint>> vertices; // the reference points the check used to get
    std::vector<std::vector<QPoint>> dense;    // the reference points of the content build now
};

struct Mouse {
    const char* name;
    double minSpacing, maxSpacing;
};

// A traced stroke: the median scaled and turned about the middle of the square (as when the whole
// character is written a little larger or smaller and turned), walked with the mouse's spacing, each
// point shaken and rounded to whole pixels.
std::vector<QPoint> Trace(const Line& median, const Mouse& mouse, std::mt19937& random) {
    std::uniform_real_distribution<double> scaleOf(0.92, 1.08), angleOf(-5.0, 5.0), jitter(-3.0, 3.0),
        spacingOf(mouse.minSpacing, mouse.maxSpacing);
    const double scale = scaleOf(random), angle = angleOf(random) * std::numbers::pi / 180.0;
    const QPointF middle(strokes::kSquare / 2.0, strokes::kSquare / 2.0);
    Line turned;
    for (QPointF p : median) {
        const QPointF d = (p - middle) * scale;
        turned.emplace_back(middle.x() + d.x() * std::cos(angle) - d.y() * std::sin(angle),
                            middle.y() + d.x() * std::sin(angle) + d.y() * std::cos(angle));
    }
    const double length = StrokeChecker::Length(turned);
    const double spacing = spacingOf(random);
    const int count = std::max(2, static_cast<int>(std::lround(length / spacing)) + 1);
    std::vector<QPoint> trace;
    for (QPointF p : StrokeChecker::Resample(turned, count))
        trace.emplace_back(static_cast<int>(std::lround(p.x() + jitter(random))),
                           static_cast<int>(std::lround(p.y() + jitter(random))));
    return trace;
}

std::vector<Character> LoadCharacters(const std::string& strokeFolder, const std::string& frequencyList) {
    std::string error;
    std::vector<Character> characters;
    for (const FrequentCharacter& frequent : opendata::LoadCharacterFrequency(frequencyList, error)) {
        const auto data = opendata::LoadStrokeData(strokeFolder, frequent.character);
        if (!data)
            continue;
        Character character;
        for (const std::vector<QPointF>& dataMedian : data->medians) {
            Line median;
            std::vector<QPoint> vertices, dense;
            for (QPointF p : dataMedian) {
                median.push_back(strokes::ToSquare(p));
                const QPoint vertex = median.back().toPoint();
                if (vertices.empty() || vertices.back() != vertex)
                    vertices.push_back(vertex);
            }
            for (const strokefile::StrokePoint& p : strokes::ReferencePoints(median))
                dense.emplace_back(p.x, p.y);
            character.medians.push_back(std::move(median));
            character.vertices.push_back(std::move(vertices));
            character.dense.push_back(std::move(dense));
        }
        characters.push_back(std::move(character));
        if (static_cast<int>(characters.size()) == kCharacters)
            break;
    }
    if (!error.empty())
        std::fprintf(stderr, "%s\n", error.c_str());
    return characters;
}

// ---- the original check, for the "before" figures ----

bool Touches(const std::vector<QPoint>& stroke, QPoint reference) {
    const double limit = HandwritingPractice::kTouchDistance * HandwritingPractice::kTouchDistance;
    return std::any_of(stroke.begin(), stroke.end(), [&](QPoint p) {
        const double dx = p.x() - reference.x(), dy = p.y() - reference.y();
        return dx * dx + dy * dy < limit;
    });
}

bool OriginalAccepts(const std::vector<QPoint>& stroke, const std::vector<QPoint>& reference) {
    return std::any_of(reference.begin(), reference.end(), [&](QPoint r) { return Touches(stroke, r); });
}

double OriginalGrade(const std::vector<std::vector<QPoint>>& strokes,
                     const std::vector<std::vector<QPoint>>& references) {
    long total = 0, hits = 0;
    for (const auto& reference : references) {
        total += static_cast<long>(reference.size());
        for (QPoint r : reference)
            hits +=
                std::count_if(strokes.begin(), strokes.end(), [&](const auto& s) { return Touches(s, r); });
    }
    return total > 0 ? std::min(100.0, 100.0 * static_cast<double>(hits) / static_cast<double>(total)) : 0.0;
}

// ---- the counts of one run ----

struct Share {
    long hits = 0, total = 0;
    void Add(bool hit) {
        hits += hit;
        ++total;
    }
    double Percent() const {
        return total ? 100.0 * static_cast<double>(hits) / static_cast<double>(total) : 0;
    }
};

struct Figures {
    Share accepted, backwards, wrongOrder, otherShape, otherShapeMoved;
    double gradeSum = 0;
    long graded = 0;
    double checkSeconds = 0;
    long checks = 0;
    std::map<StrokeChecker::Verdict, long> correctRefusals;
};

Line Moved(const Line& stroke, QPointF start) {
    Line moved;
    for (QPointF p : stroke)
        moved.push_back(p - stroke.front() + start);
    return moved;
}

Line Reversed(Line line) {
    std::reverse(line.begin(), line.end());
    return line;
}

bool ShapesDiffer(const Line& a, const Line& b) {
    const QPointF va = a.back() - a.front(), vb = b.back() - b.front();
    const double difference = std::hypot(va.x() - vb.x(), va.y() - vb.y());
    const double longer = std::max(StrokeChecker::Length(a), StrokeChecker::Length(b));
    return difference >= 20.0 && difference >= longer / 3.0;
}

// A stroke of another character whose shape differs from `expected`.
const Line& OtherShape(const std::vector<Character>& characters, size_t self, const Line& expected,
                       std::mt19937& random) {
    std::uniform_int_distribution<size_t> pick(0, characters.size() - 1);
    for (;;) {
        const size_t c = pick(random);
        if (c == self)
            continue;
        std::uniform_int_distribution<size_t> stroke(0, characters[c].medians.size() - 1);
        const Line& candidate = characters[c].medians[stroke(random)];
        if (ShapesDiffer(candidate, expected))
            return candidate;
    }
}

std::vector<QPointF> ToF(const std::vector<QPoint>& points) {
    return {points.begin(), points.end()};
}

void Run(const std::vector<Character>& characters, const Mouse& mouse, Figures& before, Figures& after) {
    std::mt19937 random(kSeed);
    const StrokeChecker checker;
    for (size_t c = 0; c < characters.size(); ++c) {
        const Character& character = characters[c];
        std::vector<StrokeChecker::Reference> prepared;
        for (size_t s = 0; s < character.dense.size(); ++s)
            prepared.push_back(StrokeChecker::Prepare(static_cast<int>(s + 1), character.dense[s]));
        const auto accepts = [&](const std::vector<QPoint>& trace, size_t s, Figures* timed = nullptr) {
            const auto start = std::chrono::steady_clock::now();
            const StrokeChecker::Outcome outcome = checker.Check(ToF(trace), prepared, s);
            if (timed) {
                timed->checkSeconds +=
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                ++timed->checks;
            }
            return outcome;
        };
        std::vector<std::vector<QPoint>> written;
        double gradeSum = 0;
        for (size_t s = 0; s < character.medians.size(); ++s) {
            const Line& median = character.medians[s];
            const std::vector<QPoint> correct = Trace(median, mouse, random);
            written.push_back(correct);
            before.accepted.Add(OriginalAccepts(correct, character.vertices[s]));
            const StrokeChecker::Outcome outcome = accepts(correct, s, &after);
            after.accepted.Add(outcome.verdict == StrokeChecker::Verdict::Accepted);
            if (outcome.verdict != StrokeChecker::Verdict::Accepted)
                ++after.correctRefusals[outcome.verdict];
            gradeSum += StrokeChecker::StrokeGrade(outcome.closeness);

            const std::vector<QPoint> backwards = Trace(Reversed(median), mouse, random);
            before.backwards.Add(!OriginalAccepts(backwards, character.vertices[s]));
            after.backwards.Add(accepts(backwards, s, &after).verdict != StrokeChecker::Verdict::Accepted);

            if (s + 1 < character.medians.size()) {
                const std::vector<QPoint> next = Trace(character.medians[s + 1], mouse, random);
                before.wrongOrder.Add(!OriginalAccepts(next, character.vertices[s]));
                after.wrongOrder.Add(accepts(next, s, &after).verdict != StrokeChecker::Verdict::Accepted);
            }

            const Line& other = OtherShape(characters, c, median, random);
            const std::vector<QPoint> there = Trace(other, mouse, random);
            before.otherShape.Add(!OriginalAccepts(there, character.vertices[s]));
            after.otherShape.Add(accepts(there, s, &after).verdict != StrokeChecker::Verdict::Accepted);
            const std::vector<QPoint> moved = Trace(Moved(other, median.front()), mouse, random);
            before.otherShapeMoved.Add(!OriginalAccepts(moved, character.vertices[s]));
            after.otherShapeMoved.Add(accepts(moved, s, &after).verdict != StrokeChecker::Verdict::Accepted);
        }
        before.gradeSum += OriginalGrade(written, character.vertices);
        ++before.graded;
        after.gradeSum += gradeSum / static_cast<double>(character.medians.size());
        ++after.graded;
    }
}

const char* VerdictName(StrokeChecker::Verdict verdict) {
    static const char* const names[] = {"accepted", "wrong order", "wrong direction", "wrong shape",
                                        "too far",  "too short",   "too long"};
    return names[static_cast<int>(verdict)];
}

void PrintRow(const char* checker, const Mouse& mouse, const Figures& f) {
    std::printf("| %s, %s | %.1f %% | %.1f %% | %.1f %% | %.1f %% (%.1f %%) | %.1f |", checker, mouse.name,
                f.accepted.Percent(), f.backwards.Percent(), f.wrongOrder.Percent(), f.otherShape.Percent(),
                f.otherShapeMoved.Percent(), f.gradeSum / static_cast<double>(f.graded));
    if (f.checks)
        std::printf(" %.1f µs per stroke;", 1e6 * f.checkSeconds / static_cast<double>(f.checks));
    for (const auto& [verdict, count] : f.correctRefusals)
        std::printf(" correct refused as %s: %ld;", VerdictName(verdict), count);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    const std::string strokeFolder = argc > 1 ? argv[1] : TESSALYNE_STROKE_DATA;
    const std::string frequencyList = argc > 2 ? argv[2] : TESSALYNE_CHARACTER_FREQUENCY;
    const std::vector<Character> characters = LoadCharacters(strokeFolder, frequencyList);
    if (characters.size() < kCharacters) {
        std::fprintf(stderr, "Only %zu characters with stroke data were found in %s\n", characters.size(),
                     strokeFolder.c_str());
        return 1;
    }
    long strokeCount = 0;
    for (const Character& character : characters)
        strokeCount += static_cast<long>(character.medians.size());
    std::printf("%zu characters, %ld strokes, seed %u\n\n", characters.size(), strokeCount, kSeed);
    std::printf(
        "| checker | correct strokes accepted | backwards refused | wrong order refused | another shape "
        "refused (moved to the right start) | mean grade, all strokes correct |\n");
    std::printf("|---|---|---|---|---|---|\n");
    const Mouse mice[] = {{"quick mouse", 15, 25}, {"dense mouse (a point every 5 px)", 5, 5}};
    Figures before[2], after[2];
    for (int m = 0; m < 2; ++m)
        Run(characters, mice[m], before[m], after[m]);
    for (int m = 0; m < 2; ++m)
        PrintRow("before", mice[m], before[m]);
    for (int m = 0; m < 2; ++m)
        PrintRow("after", mice[m], after[m]);
    return 0;
}
