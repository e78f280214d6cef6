#include "trainer/Fsrs.h"

#include <algorithm>
#include <cmath>

const std::array<double, Fsrs::kParameterCount> Fsrs::kDefaultParameters = {
    0.40255, 1.18385, 3.173, 15.69105, 7.1949, 0.5345, 1.4604, 0.0046,  1.54575, 0.1192,
    1.01925, 1.9395,  0.11,  0.29605,  2.2698, 0.2315, 2.9898, 0.51655, 0.6621};

namespace {

constexpr double kMinimumInitialStability = 0.1;
constexpr double kMinimumStability = 0.01;
constexpr double kMinimumDifficulty = 1;
constexpr double kMaximumDifficulty = 10;

int GradeValue(Fsrs::Grade grade) {
    return static_cast<int>(grade);
}

double ClampDifficulty(double difficulty) {
    return std::clamp(difficulty, kMinimumDifficulty, kMaximumDifficulty);
}

} // namespace

Fsrs::Fsrs(double desiredRetention, const std::array<double, kParameterCount>& w)
    : m_retention(desiredRetention), m_w(w) {}

Fsrs::MemoryState Fsrs::First(Grade grade) const {
    return {std::max(m_w[GradeValue(grade) - 1], kMinimumInitialStability), InitialDifficulty(grade)};
}

Fsrs::MemoryState Fsrs::Next(const MemoryState& state, int elapsedDays, Grade grade) const {
    MemoryState next;
    next.difficulty = NextDifficulty(state.difficulty, grade);
    // A clock set back counts as a review on the same day.
    if (elapsedDays <= 0) {
        next.stability = ShortTermStability(state.stability, grade);
        return next;
    }
    const double retrievability = Retrievability(elapsedDays, state.stability);
    next.stability = grade == Grade::Again ? StabilityAfterLapse(state, retrievability)
                                           : StabilityAfterRecall(state, retrievability, grade);
    return next;
}

double Fsrs::Retrievability(double elapsedDays, double stability) {
    return std::pow(1 + kFactor * elapsedDays / stability, kDecay);
}

int Fsrs::IntervalDays(double stability) const {
    const double days = stability / kFactor * (std::pow(m_retention, 1 / kDecay) - 1);
    // Clamping before rounding keeps a huge stability from overflowing the conversion.
    return static_cast<int>(std::lround(std::clamp(days, 1.0, double(kMaximumInterval))));
}

double Fsrs::InitialDifficulty(Grade grade) const {
    return ClampDifficulty(m_w[4] - std::exp(m_w[5] * (GradeValue(grade) - 1)) + 1);
}

double Fsrs::NextDifficulty(double difficulty, Grade grade) const {
    const double change = -m_w[6] * (GradeValue(grade) - 3);
    // The change shrinks as the difficulty nears 10, so it never overshoots.
    const double damped = difficulty + change * (kMaximumDifficulty - difficulty) / 9;
    // Drifts back a little towards the difficulty of a first "easy".
    const double reverted = m_w[7] * InitialDifficulty(Grade::Easy) + (1 - m_w[7]) * damped;
    return ClampDifficulty(reverted);
}

double Fsrs::StabilityAfterRecall(const MemoryState& state, double retrievability, Grade grade) const {
    const double hardPenalty = grade == Grade::Hard ? m_w[15] : 1;
    const double easyBonus = grade == Grade::Easy ? m_w[16] : 1;
    const double growth = std::exp(m_w[8]) * (11 - state.difficulty) * std::pow(state.stability, -m_w[9]) *
                          (std::exp(m_w[10] * (1 - retrievability)) - 1) * hardPenalty * easyBonus;
    return state.stability * (growth + 1);
}

double Fsrs::StabilityAfterLapse(const MemoryState& state, double retrievability) const {
    const double forgotten = m_w[11] * std::pow(state.difficulty, -m_w[12]) *
                             (std::pow(state.stability + 1, m_w[13]) - 1) *
                             std::exp(m_w[14] * (1 - retrievability));
    // Capped so that a "good" on the same day cannot lift it above what it was before the lapse.
    const double ceiling = state.stability / std::exp(m_w[17] * m_w[18]);
    return std::min(std::max(forgotten, kMinimumStability), ceiling);
}

double Fsrs::ShortTermStability(double stability, Grade grade) const {
    return stability * std::exp(m_w[17] * (GradeValue(grade) - 3 + m_w[18]));
}
