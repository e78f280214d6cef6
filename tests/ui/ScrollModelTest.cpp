#include "ui/ScrollModel.h"

#include <gtest/gtest.h>

namespace {

// A model whose content is pageHeight + range pixels tall, shown in a page of pageHeight.
ScrollModel ModelWithRange(int range, int pageHeight = 100) {
    ScrollModel model;
    model.Initialise(pageHeight);
    model.SetContentHeight(pageHeight + range);
    model.SetPageHeight(pageHeight);
    return model;
}

} // namespace

TEST(ScrollModelTest, LineAndPageStepsFollowTheRange) {
    EXPECT_EQ(ModelWithRange(30).LineStep(), 5);
    EXPECT_EQ(ModelWithRange(400).LineStep(), 20);
    EXPECT_EQ(ModelWithRange(119).LineStep(), 5); // quotient 5 is below 6
    EXPECT_EQ(ModelWithRange(120).LineStep(), 6);
    EXPECT_EQ(ModelWithRange(30).PageStep(), 5);
    EXPECT_EQ(ModelWithRange(400).PageStep(), 40);
    EXPECT_EQ(ModelWithRange(59).PageStep(), 5);
}

TEST(ScrollModelTest, LineStepsMoveByTheStepAndStopAtTheEnds) {
    ScrollModel model = ModelWithRange(30);
    EXPECT_EQ(model.LineDown(), 5);
    EXPECT_EQ(model.m_state, ScrollModel::kBetween);
    for (int i = 0; i < 5; ++i)
        model.LineDown();
    EXPECT_EQ(model.m_position, 30);
    EXPECT_EQ(model.m_state, ScrollModel::kBetween); // the bottom is only reported when tried
    EXPECT_EQ(model.LineDown(), 0);
    EXPECT_EQ(model.m_state, ScrollModel::kAtBottom);
    EXPECT_EQ(model.m_position, 30);
    EXPECT_EQ(model.LineUp(), -5);
    EXPECT_EQ(model.m_state, ScrollModel::kBetween);
    EXPECT_EQ(model.m_position, 25);

    ScrollModel large = ModelWithRange(400);
    EXPECT_EQ(large.LineDown(), 20);
    EXPECT_EQ(large.LineUp(), -20);
    EXPECT_EQ(large.LineUp(), 0);
    EXPECT_EQ(large.m_state, ScrollModel::kAtTop);
}

TEST(ScrollModelTest, LastStepIsShortenedToTheRemainingDistance) {
    ScrollModel model = ModelWithRange(33);
    model.ScrollTo(30);
    EXPECT_EQ(model.LineDown(), 3);
    EXPECT_EQ(model.m_position, 33);
    model.ScrollTo(2);
    EXPECT_EQ(model.LineUp(), -2);
    EXPECT_EQ(model.m_position, 0);
}

TEST(ScrollModelTest, PageStepsLeaveTheStateAlone) {
    ScrollModel model = ModelWithRange(400);
    model.m_state = ScrollModel::kAtTop;
    EXPECT_EQ(model.PageUp(), 0);
    EXPECT_EQ(model.PageDown(), 40);
    EXPECT_EQ(model.m_state, ScrollModel::kAtTop);
    model.ThumbTo(390);
    EXPECT_EQ(model.PageDown(), 10);
    EXPECT_EQ(model.PageDown(), 0);
    EXPECT_EQ(model.m_state, ScrollModel::kAtTop);
}

TEST(ScrollModelTest, WheelMovesByItsAngleOrPixelsAndTellsWhereItStopped) {
    ScrollModel model = ModelWithRange(400);
    model.m_state = ScrollModel::kAtTop;
    EXPECT_EQ(model.Wheel(-120), 20); // towards the learner: down, a notch a line step
    EXPECT_EQ(model.m_state, ScrollModel::kBetween);
    EXPECT_EQ(model.Wheel(120), -20);
    EXPECT_EQ(model.m_state, ScrollModel::kAtTop);
    EXPECT_EQ(model.Wheel(120), 0);
    EXPECT_EQ(model.Wheel(0), 0);
    // A fine wheel moves in proportion, its parts of a pixel kept for the next turn.
    EXPECT_EQ(model.Wheel(-30), 5);
    EXPECT_EQ(model.Wheel(-4), 0);
    EXPECT_EQ(model.Wheel(-2), 1);
    // A touchpad's pixels are taken as they come, up to the bottom.
    EXPECT_EQ(model.Wheel(-8, -7), 7);
    EXPECT_EQ(model.Wheel(0, -1000), 400 - 13);
    EXPECT_EQ(model.m_state, ScrollModel::kAtBottom);
    // The thumb leaves the state alone.
    EXPECT_EQ(model.ThumbTo(150), -250);
    EXPECT_EQ(model.m_state, ScrollModel::kAtBottom);
}

TEST(ScrollModelTest, ScrollToSetsBetweenOrTop) {
    ScrollModel model = ModelWithRange(400);
    EXPECT_EQ(model.ScrollTo(120), 120);
    EXPECT_EQ(model.m_state, ScrollModel::kBetween);
    EXPECT_EQ(model.ScrollTo(0), -120);
    EXPECT_EQ(model.m_state, ScrollModel::kAtTop);
}

TEST(ScrollModelTest, InitialisationTellsWhetherTheContentFits) {
    ScrollModel same;
    same.Initialise(200); // content height follows the window height
    EXPECT_EQ(same.m_contentHeight, 200);
    EXPECT_EQ(same.m_state, ScrollModel::kAtTop);

    ScrollModel shorter;
    shorter.m_contentEqualsWindow = false;
    shorter.m_contentHeight = 150;
    shorter.Initialise(200);
    EXPECT_EQ(shorter.m_state, ScrollModel::kFits);
    EXPECT_EQ(shorter.m_position, 0);
    EXPECT_EQ(shorter.m_pageHeight, 0);
}

TEST(ScrollModelTest, NewContentStartsAtTheTop) {
    ScrollModel model = ModelWithRange(400);
    model.ThumbTo(200);
    model.SetContentHeight(900);
    EXPECT_EQ(model.m_position, 0);
    EXPECT_EQ(model.m_pageHeight, 0);
    EXPECT_EQ(model.m_contentHeight, 900);
}
