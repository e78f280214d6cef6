#include "charstudy/HandwritingPractice.h"

#include <gtest/gtest.h>

namespace {

using Practice = HandwritingPractice;

// Two strokes: a horizontal bar and a vertical bar, five points each.
std::vector<Practice::ReferenceStroke> Cross() {
    Practice::ReferenceStroke bar{1, {}}, post{2, {}};
    for (int i = 0; i < 5; ++i) {
        bar.points.emplace_back(40 + 20 * i, 95);
        post.points.emplace_back(95, 40 + 20 * i);
    }
    return {bar, post};
}

// Writes a stroke through the window positions of the given square points, shifted by `offset`.
Practice::ReleaseResult Write(Practice& p, const std::vector<QPoint>& squarePoints, QPoint offset = {}) {
    EXPECT_EQ(p.Press(squarePoints.front() + Practice::kSquareOrigin + offset),
              Practice::PressResult::Started);
    for (QPoint q : squarePoints)
        p.Move(q + Practice::kSquareOrigin + offset);
    return p.Release();
}

TEST(Handwriting, AStrokeNearAnyOneReferencePointIsAccepted) {
    Practice p;
    p.Start(Cross());
    // Far from every point but one, which it passes at distance 4.
    EXPECT_EQ(Write(p, {{0, 0}, {60, 99}, {180, 180}}), Practice::ReleaseResult::Accepted);
    EXPECT_EQ(p.StrokeCounter(), 1);
    EXPECT_EQ(p.LearnerStrokes().size(), 1u);
}

TEST(Handwriting, AStrokeFiveOrMorePixelsAwayIsTakenBack) {
    Practice p;
    p.Start(Cross());
    EXPECT_EQ(Write(p, {{60, 100}, {80, 100}}), Practice::ReleaseResult::Rejected);
    EXPECT_EQ(p.StrokeCounter(), 0);
    EXPECT_TRUE(p.LearnerStrokes().empty());
    // Written in the wrong order: the vertical bar first is checked against stroke 1 and refused.
    EXPECT_EQ(Write(p, Cross()[1].points), Practice::ReleaseResult::Rejected);
    EXPECT_EQ(Write(p, Cross()[0].points), Practice::ReleaseResult::Accepted);
}

TEST(Handwriting, TracingEveryStrokeGivesAFullGradeEvenWhereStrokesCross) {
    Practice p;
    p.Start(Cross());
    ASSERT_EQ(Write(p, Cross()[0].points), Practice::ReleaseResult::Accepted);
    ASSERT_EQ(Write(p, Cross()[1].points), Practice::ReleaseResult::Accepted);
    EXPECT_EQ(p.Press({}), Practice::PressResult::Enough);
    // The crossing point (95, 95) lies on both bars: counted twice, the grade is still capped.
    const double grade = p.Grade();
    EXPECT_DOUBLE_EQ(grade, 100.0);
    EXPECT_EQ(Practice::GradeText(grade), "Your handwriting's grade is:  100.0");
    EXPECT_TRUE(p.LearnerStrokes().empty());
    EXPECT_EQ(p.StrokeCounter(), 0);
    EXPECT_EQ(p.Press({}), Practice::PressResult::Started); // the learner may write it again
}

TEST(Handwriting, PartialTracingGradesTheShareOfPointsReached) {
    Practice p;
    p.Start(Cross());
    ASSERT_EQ(Write(p, {Cross()[0].points[0], Cross()[0].points[1]}), Practice::ReleaseResult::Accepted);
    ASSERT_EQ(Write(p, {Cross()[1].points[0]}), Practice::ReleaseResult::Accepted);
    // 3 of 10 points reached.
    EXPECT_NEAR(p.Grade(), 30.0, 1e-9);
}

TEST(Handwriting, GradingBeforeTheLastStrokeGivesZeroAndClears) {
    Practice p;
    p.Start(Cross());
    ASSERT_EQ(Write(p, Cross()[0].points), Practice::ReleaseResult::Accepted);
    EXPECT_EQ(p.Grade(), 0.0);
    EXPECT_EQ(Practice::GradeText(0.0), "Your handwriting's grade is:  0.0");
    EXPECT_TRUE(p.LearnerStrokes().empty());
    EXPECT_EQ(p.StrokeCounter(), 0);
}

TEST(Handwriting, WithoutReferenceStrokesNothingStarts) {
    Practice p;
    p.Start({});
    EXPECT_EQ(p.Press({}), Practice::PressResult::NoReference);
    p.Move({100, 100});
    EXPECT_EQ(p.Release(), Practice::ReleaseResult::Nothing);
    EXPECT_EQ(p.Grade(), 0.0);
}

TEST(Handwriting, AStrokeWithoutAMatchingNumberIsNotKept) {
    Practice p;
    p.Start({{7, {{10, 10}}}});
    EXPECT_EQ(Write(p, {{10, 10}}), Practice::ReleaseResult::Discarded);
    EXPECT_EQ(p.StrokeCounter(), 1);
    EXPECT_TRUE(p.LearnerStrokes().empty());
}

TEST(Handwriting, EmptyReferencePointsDoNotDivideByZero) {
    Practice p;
    // Numbered 2 with no points: the one stroke written is not kept, yet all strokes count as written.
    p.Start({{2, {}}});
    EXPECT_EQ(Write(p, {{10, 10}}), Practice::ReleaseResult::Discarded);
    ASSERT_TRUE(p.AllStrokesWritten());
    EXPECT_EQ(p.Grade(), 0.0);
}

} // namespace

TEST(Handwriting, ThePointWhereThePenTouchesDownCounts) {
    // A stroke whose only point near the reference's first point is the press itself.
    Practice p;
    p.Start({{1, {{20, 20}, {60, 20}}}});
    ASSERT_EQ(p.Press(QPoint(20, 20) + Practice::kSquareOrigin), Practice::PressResult::Started);
    p.Move(QPoint(60, 20) + Practice::kSquareOrigin);
    ASSERT_EQ(p.Release(), Practice::ReleaseResult::Accepted);
    EXPECT_DOUBLE_EQ(p.Grade(), 100.0);
}
