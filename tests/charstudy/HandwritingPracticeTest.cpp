#include "charstudy/HandwritingPractice.h"
#include "charstudy/RefusalExplanation.h"

#include <gtest/gtest.h>

#include <map>

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

// Writes a stroke through the window positions of the given square points, shifted by `offset`,
// on a window drawn at the practice's scale.
Practice::ReleaseResult Write(Practice& p, const std::vector<QPoint>& squarePoints, QPoint offset = {}) {
    const auto window = [&](QPoint q) {
        return (q + Practice::kSquareOrigin + offset) * (p.Scale() / 100.0);
    };
    EXPECT_EQ(p.Press(window(squarePoints.front())), Practice::PressResult::Started);
    for (QPoint q : squarePoints)
        p.Move(window(q));
    return p.Release();
}

TEST(Handwriting, AStrokeThatTouchesTheReferenceButStraysIsRefused) {
    Practice p;
    p.Start(Cross());
    // Passes 4 pixels from one point of the bar, far from the rest of it.
    EXPECT_EQ(Write(p, {{0, 0}, {60, 99}, {180, 180}}), Practice::ReleaseResult::Rejected);
    EXPECT_EQ(p.StrokeCounter(), 0);
    EXPECT_EQ(p.LastRefusal().expectedNumber, 1);
    // Close along its whole length: kept.
    EXPECT_EQ(Write(p, {{41, 97}, {80, 93}, {119, 96}}), Practice::ReleaseResult::Accepted);
    EXPECT_EQ(p.StrokeCounter(), 1);
    EXPECT_EQ(p.LearnerStrokes().size(), 1u);
    EXPECT_EQ(p.LastRefusal().reason, StrokeChecker::Verdict::Accepted);
}

TEST(Handwriting, EachRefusalSaysWhy) {
    using Verdict = StrokeChecker::Verdict;
    const struct {
        const char* what;
        std::vector<QPoint> stroke;
        Verdict reason;
    } cases[] = {
        {"its ink five or more pixels from every point", {{40, 104}, {120, 104}}, Verdict::TooFar},
        {"backwards", {{120, 95}, {40, 95}}, Verdict::WrongDirection},
        {"the vertical bar, which comes second", Cross()[1].points, Verdict::WrongOrder},
        {"a third of the bar", {{40, 95}, {66, 95}}, Verdict::TooShort},
        {"across the whole square", {{0, 95}, {189, 95}}, Verdict::TooLong},
        {"a hook", {{40, 95}, {100, 95}, {100, 130}}, Verdict::WrongShape},
    };
    for (const auto& c : cases) {
        Practice p;
        p.Start(Cross());
        EXPECT_EQ(Write(p, c.stroke), Practice::ReleaseResult::Rejected) << c.what;
        EXPECT_EQ(p.LastRefusal().reason, c.reason) << c.what;
        EXPECT_EQ(p.LastRefusal().expectedNumber, 1) << c.what;
        EXPECT_EQ(p.LastRefusal().fittedNumber, c.reason == Verdict::WrongOrder ? 2 : 0) << c.what;
        EXPECT_EQ(p.StrokeCounter(), 0) << c.what;
        EXPECT_TRUE(p.LearnerStrokes().empty()) << c.what;
    }
}

TEST(Handwriting, RefusalsAreExplainedWithTheStrokeDue) {
    HandwritingPractice::Refusal refusal{StrokeChecker::Verdict::WrongOrder, 3, 4};
    RefusalExplanation explanation = ExplainRefusal({"Stroke %d first", "", "", "", "", ""}, refusal);
    EXPECT_EQ(explanation.text, "Stroke 3 first");
    EXPECT_EQ(explanation.highlightedStroke, 3);
    EXPECT_TRUE(explanation.flash);
    // Without a text of its own a reason is told in English; a text may do without the number.
    refusal = {StrokeChecker::Verdict::WrongDirection, 2, 0};
    explanation = ExplainRefusal({}, refusal);
    EXPECT_EQ(explanation.text, "Wrong direction: start stroke 2 at the green dot and follow the arrow.");
    EXPECT_FALSE(explanation.flash);
    EXPECT_TRUE(explanation.showDirection);
    refusal.reason = StrokeChecker::Verdict::TooShort;
    EXPECT_EQ(ExplainRefusal({"", "", "", "", "Longer, 100%", ""}, refusal).text, "Longer, 100%");
    EXPECT_TRUE(ExplainRefusal({}, {}).text.empty());
}

TEST(Handwriting, StrictnessMovesTheLimits) {
    EXPECT_EQ(StrokeChecker::ParseStrictness("Relaxed"), StrokeChecker::Strictness::Relaxed);
    EXPECT_EQ(StrokeChecker::ParseStrictness("STRICT"), StrokeChecker::Strictness::Strict);
    EXPECT_EQ(StrokeChecker::ParseStrictness(""), StrokeChecker::Strictness::Normal);
    EXPECT_EQ(StrokeChecker::ParseStrictness("lenient"), StrokeChecker::Strictness::Normal);
    // The bar bowed 18 pixels in the middle: another shape when strict, fair otherwise.
    const std::vector<QPoint> bowed = {{40, 95}, {80, 113}, {120, 95}};
    for (const auto& [strictness, expected] :
         {std::pair{StrokeChecker::Strictness::Strict, Practice::ReleaseResult::Rejected},
          std::pair{StrokeChecker::Strictness::Normal, Practice::ReleaseResult::Accepted},
          std::pair{StrokeChecker::Strictness::Relaxed, Practice::ReleaseResult::Accepted}}) {
        Practice p;
        p.SetStrictness(strictness);
        p.Start(Cross());
        EXPECT_EQ(Write(p, bowed), expected) << static_cast<int>(strictness);
    }
}

TEST(Handwriting, TheGradeDoesNotDependOnHowOftenTheMouseReportsAPoint) {
    // The same slightly wavy writing, reported every 25 pixels and every pixel.
    const auto wavy = [](int step) {
        std::vector<QPoint> bar, post;
        for (int t = 0; t <= 80; t += step) {
            const int wave = (t / 10) % 2 == 0 ? 2 : -2;
            bar.emplace_back(40 + t, 95 + wave);
            post.emplace_back(95 + wave, 40 + t);
        }
        return std::pair{bar, post};
    };
    double grades[2];
    for (int i = 0; i < 2; ++i) {
        const auto [bar, post] = wavy(i == 0 ? 25 : 1);
        Practice p;
        p.Start(Cross());
        ASSERT_EQ(Write(p, bar), Practice::ReleaseResult::Accepted);
        ASSERT_EQ(Write(p, post), Practice::ReleaseResult::Accepted);
        grades[i] = p.Grade();
    }
    EXPECT_GT(grades[0], 90.0);
    EXPECT_NEAR(grades[0], grades[1], 3.0);
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

TEST(Handwriting, WritingFurtherFromTheReferenceGradesLower) {
    Practice p;
    p.Start(Cross());
    ASSERT_EQ(Write(p, Cross()[0].points), Practice::ReleaseResult::Accepted);
    // The vertical bar 4 pixels to the side.
    ASSERT_EQ(Write(p, {{99, 40}, {99, 120}}), Practice::ReleaseResult::Accepted);
    const double grade = p.Grade();
    EXPECT_LT(grade, 100.0);
    EXPECT_GT(grade, 90.0);
}

TEST(Handwriting, AStrokeOnALargerPadIsJudgedAndGradedAsAtTheBaseSize) {
    const struct {
        const char* what;
        std::vector<QPoint> stroke;
        StrokeChecker::Verdict verdict;
    } cases[] = {
        {"close along the bar", {{41, 97}, {80, 93}, {119, 96}}, StrokeChecker::Verdict::Accepted},
        {"its ink just out of reach", {{40, 104}, {120, 104}}, StrokeChecker::Verdict::TooFar},
        {"backwards", {{120, 95}, {40, 95}}, StrokeChecker::Verdict::WrongDirection},
        {"a third of the bar", {{40, 95}, {66, 95}}, StrokeChecker::Verdict::TooShort},
    };
    for (const auto& c : cases)
        for (int percent : {100, 150, 200}) {
            Practice p;
            p.SetScale(percent);
            p.Start(Cross());
            const Practice::ReleaseResult expected = c.verdict == StrokeChecker::Verdict::Accepted
                                                         ? Practice::ReleaseResult::Accepted
                                                         : Practice::ReleaseResult::Rejected;
            EXPECT_EQ(Write(p, c.stroke), expected) << c.what << " at " << percent;
            EXPECT_EQ(p.LastRefusal().reason, c.verdict) << c.what << " at " << percent;
        }
    // The vertical bar 4 pixels aside grades below 100, the same at every size.
    std::map<int, double> grades;
    for (int percent : {100, 150, 200}) {
        Practice p;
        p.SetScale(percent);
        p.Start(Cross());
        ASSERT_EQ(Write(p, Cross()[0].points), Practice::ReleaseResult::Accepted) << percent;
        ASSERT_EQ(Write(p, {{99, 40}, {99, 120}}), Practice::ReleaseResult::Accepted) << percent;
        grades[percent] = p.Grade();
    }
    EXPECT_LT(grades[100], 100.0);
    EXPECT_DOUBLE_EQ(grades[200], grades[100]);
    // At 1.5 times the mouse's whole pixels lie up to a third of a square pixel off the base points.
    EXPECT_NEAR(grades[150], grades[100], 1.5);
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
