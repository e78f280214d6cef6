#include "audio/SpeakingPractice.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace speaking;

std::string Rate(float model, float learner) {
    return Rating(VoiceRatio(model, learner));
}

TEST(SpeakingRating, ComparesVoicedLengthsWithStrictBounds) {
    EXPECT_EQ(Rate(2.0f, 1.0f), "Try again!"); // exactly 2
    EXPECT_EQ(Rate(1.5f, 1.0f), "good!");
    EXPECT_EQ(Rate(1.0f, 3.0f), "Not So bad!");
    EXPECT_EQ(Rate(1.0f, 5.0f), "Try again!");
    EXPECT_EQ(Rate(3.0f, 1.0f), "Not So bad!");
    EXPECT_EQ(Rate(1.0f, 2.0f), "Try again!"); // exactly 0.5
    EXPECT_EQ(Rate(1.0f, 4.0f), "Try again!"); // exactly 0.25
    EXPECT_EQ(Rate(4.0f, 1.0f), "Try again!"); // exactly 4
}

TEST(SpeakingRating, NoLearnerVoiceIsTryAgain) {
    EXPECT_EQ(Rate(1.0f, 0.0f), "Try again!");  // silent recording
    EXPECT_EQ(Rate(0.0f, 0.0f), "Try again!");  // silent model and recording
    EXPECT_EQ(Rate(1.0f, -1.0f), "Try again!"); // nothing recorded
    EXPECT_LT(VoiceRatio(1.0f, 0.0f), 0.0f);
}

TEST(SpeakingTimers, ModelAndRecordingPhases) {
    EXPECT_EQ(ModelPhaseMs(1.2), 2200);
    EXPECT_EQ(RecordingWindowMs(1.0), 3000);
    EXPECT_EQ(ModelPhaseMs(0.0), 1000);
}

TEST(SpeakingCursor, StepSearchKeepsTheIntervalBetween25And100Ms) {
    // 2 s over 300 pixels: step 5 gives 60 moves of 33 ms.
    const CursorTiming a = CursorTimingFor(2.0, 300);
    EXPECT_EQ(a.step, 5);
    EXPECT_EQ(a.intervalMs, 33);
    // A short sound needs bigger steps to stay above 24 ms.
    const CursorTiming b = CursorTimingFor(0.5, 300);
    EXPECT_GT(b.intervalMs, 24);
    EXPECT_EQ(b.intervalMs, static_cast<int>(500.0 / (300 / b.step)));
    // A long sound walks the step down until the interval is at most 100 ms or the step is small.
    const CursorTiming c = CursorTimingFor(30.0, 300);
    EXPECT_LT(c.step, 3);
    EXPECT_GT(c.intervalMs, 100);
}

TEST(SpeakingCursor, NoVoicedLengthMeansNoCursor) {
    EXPECT_EQ(CursorTimingFor(0.0, 300).intervalMs, 0);
    EXPECT_EQ(CursorTimingFor(1.0, 0).intervalMs, 0);
    EXPECT_GT(CursorTimingFor(0.001, 300).step, 0); // a tiny sound still ends the search
}

} // namespace
