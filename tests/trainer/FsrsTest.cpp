#include "trainer/Fsrs.h"

#include <gtest/gtest.h>

// The expected values were worked out by hand from the FSRS-5 formulas with the default
// parameters (in python3, double precision), e.g. for a first "good" and a review 3 days later:
//   D0(3) = w4 - exp(w5 * 2) + 1 = 7.1949 - e^1.069 + 1 = 5.282434
//   R = (1 + 19/81 * 3 / 3.173)^-0.5 = 0.900041
//   S' = 3.173 * (e^w8 * (11 - 5.282434) * 3.173^-w9 * (e^(w10 * (1 - R)) - 1) + 1) = 10.738926
//   D' = w7 * D0(4) + (1 - w7) * 5.282434 = 5.272968   (a "good" leaves D but for the reversion)
namespace {

using Grade = Fsrs::Grade;
constexpr double kTolerance = 5e-5; // four decimals

void ExpectState(const Fsrs::MemoryState& state, double stability, double difficulty) {
    EXPECT_NEAR(state.stability, stability, kTolerance);
    EXPECT_NEAR(state.difficulty, difficulty, kTolerance);
}

TEST(Fsrs, AFirstReviewTakesTheGradesInitialStabilityAndDifficulty) {
    const Fsrs fsrs;
    // S0 = w[G-1]; D0 = w4 - exp(w5 * (G - 1)) + 1.
    ExpectState(fsrs.First(Grade::Again), 0.40255, 7.194900);
    ExpectState(fsrs.First(Grade::Hard), 1.18385, 6.488305);
    ExpectState(fsrs.First(Grade::Good), 3.173, 5.282434);
    ExpectState(fsrs.First(Grade::Easy), 15.69105, 3.224502);
}

TEST(Fsrs, ARecallGrowsStabilityByGradeAndMovesDifficulty) {
    const Fsrs fsrs;
    const Fsrs::MemoryState good = fsrs.First(Grade::Good);
    // Three days after a first "good": R = 0.900041; hard multiplies the growth by w15, easy by w16;
    // D' = w7 * D0(4) + (1 - w7) * (D -/+ w6 * (10 - D) / 9).
    ExpectState(fsrs.Next(good, 3, Grade::Hard), 4.924512, 6.034950);
    ExpectState(fsrs.Next(good, 3, Grade::Good), 10.738926, 5.272968);
    ExpectState(fsrs.Next(good, 3, Grade::Easy), 25.793605, 4.510986);
}

TEST(Fsrs, ALapseFallsBackAndIsCappedBelowTheOldStability) {
    const Fsrs fsrs;
    // Good, good after 3 days (S 10.738926, D 5.272968), then forgotten after 10 days: R = 0.905941,
    // S' = w11 * D^-w12 * ((S + 1)^w13 - 1) * e^(w14 * (1 - R)) = 2.146381, below the cap
    // S / e^(w17 * w18) = 7.628318; D' = 5.272968 + 2 * w6 * (10 - D) / 9, reverted = 6.790568.
    const Fsrs::MemoryState learnt = fsrs.Next(fsrs.First(Grade::Good), 3, Grade::Good);
    ExpectState(fsrs.Next(learnt, 10, Grade::Again), 2.146381, 6.790568);
    // Again, then again 30 days later: the formula gives 0.938562, more than the cap
    // 0.40255 / e^(w17 * w18) = 0.285948, which is kept; D 7.1949 -> 8.082797.
    ExpectState(fsrs.Next(fsrs.First(Grade::Again), 30, Grade::Again), 0.285948, 8.082797);
}

TEST(Fsrs, AReviewOnTheSameDayScalesStabilityByTheShortTermFactor) {
    const Fsrs fsrs;
    const Fsrs::MemoryState good = fsrs.First(Grade::Good);
    // S' = 3.173 * e^(w17 * (G - 3 + w18)).
    ExpectState(fsrs.Next(good, 0, Grade::Again), 1.589764, 6.796933);
    ExpectState(fsrs.Next(good, 0, Grade::Good), 4.466858, 5.272968);
    ExpectState(fsrs.Next(good, 0, Grade::Easy), 7.487502, 4.510986);
    EXPECT_EQ(fsrs.Next(good, -2, Grade::Good), fsrs.Next(good, 0, Grade::Good)) << "a clock set back";
}

TEST(Fsrs, ARunOfGoodReviewsAtTheirIntervals) {
    const Fsrs fsrs;
    // Each review comes after the interval the previous one gave (retention 0.9: I = round(S)).
    struct Step {
        int elapsed;
        double stability, difficulty;
    };
    const Step steps[] = {{3, 10.738926, 5.272968},      {11, 34.577624, 5.263545},
                          {35, 100.748313, 5.254165},    {101, 269.283835, 5.244829},
                          {269, 669.309326, 5.235535},   {669, 1563.237654, 5.226285},
                          {1563, 3453.862383, 5.217076}, {3454, 7261.136993, 5.207911}};
    Fsrs::MemoryState state = fsrs.First(Grade::Good);
    for (const Step& step : steps) {
        ASSERT_EQ(fsrs.IntervalDays(state.stability), step.elapsed);
        state = fsrs.Next(state, step.elapsed, Grade::Good);
        ExpectState(state, step.stability, step.difficulty);
    }
    EXPECT_EQ(fsrs.IntervalDays(state.stability), 7261);
}

TEST(Fsrs, IntervalsKeepTheDesiredRetention) {
    const Fsrs usual;
    const Fsrs relaxed(0.8);
    const Fsrs strict(0.95);
    // I = S / (19/81) * (r^-2 - 1): r 0.9 gives S itself, 0.8 gives 2.398026 S, 0.95 gives 0.460563 S.
    EXPECT_EQ(usual.IntervalDays(10), 10);
    EXPECT_EQ(relaxed.IntervalDays(10), 24);
    EXPECT_EQ(relaxed.IntervalDays(3.173), 8);
    EXPECT_EQ(strict.IntervalDays(100), 46);
    EXPECT_EQ(usual.IntervalDays(0.01), 1);
    EXPECT_EQ(relaxed.IntervalDays(1e9), Fsrs::kMaximumInterval);
    // R(10, 5) = (1 + 19/81 * 2)^-0.5; and exactly the retention at the interval.
    EXPECT_NEAR(Fsrs::Retrievability(10, 5), 0.825029, kTolerance);
    EXPECT_NEAR(Fsrs::Retrievability(100, 100), 0.9, 1e-12);
}

} // namespace
