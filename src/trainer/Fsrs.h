#pragma once

#include <array>

// The Free Spaced Repetition Scheduler, version 5, with its published default parameters: the
// memory state of a card (stability in days, difficulty 1 to 10) after each review, the
// probability of recall after some days, and the interval that keeps that probability at the
// desired retention.
class Fsrs {
public:
    enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

    struct MemoryState {
        double stability = 0;  // days until recall falls to 90 %
        double difficulty = 0; // 1 (easy) to 10 (hard)
        bool operator==(const MemoryState&) const = default;
    };

    static constexpr int kParameterCount = 19;
    static const std::array<double, kParameterCount> kDefaultParameters;
    static constexpr double kDecay = -0.5;
    static constexpr double kFactor = 19.0 / 81.0;
    static constexpr int kMaximumInterval = 36500;

    explicit Fsrs(double desiredRetention = 0.9,
                  const std::array<double, kParameterCount>& w = kDefaultParameters);

    // The state after a card's first review.
    MemoryState First(Grade grade) const;
    // The state after a review `elapsedDays` after the last one (0: again on the same day).
    MemoryState Next(const MemoryState& state, int elapsedDays, Grade grade) const;
    // Probability of recall `elapsedDays` after a review that left stability `stability`.
    static double Retrievability(double elapsedDays, double stability);
    // Whole days until the next review (1 to kMaximumInterval).
    int IntervalDays(double stability) const;

    double DesiredRetention() const { return m_retention; }

private:
    double InitialDifficulty(Grade grade) const;
    double NextDifficulty(double difficulty, Grade grade) const;
    double StabilityAfterRecall(const MemoryState& state, double retrievability, Grade grade) const;
    double StabilityAfterLapse(const MemoryState& state, double retrievability) const;
    double ShortTermStability(double stability, Grade grade) const;

    double m_retention;
    std::array<double, kParameterCount> m_w;
};
