#include "charstudy/StrokeAnimation.h"

#include <gtest/gtest.h>

namespace {

StrokeImage Picture(int width, int height, int direction, int endOfStroke) {
    StrokeImage image;
    image.bitmap = QImage(width, height, QImage::Format_RGB32);
    image.bitmap.fill(Qt::black);
    image.offsetX = 5;
    image.offsetY = 7;
    image.direction = direction;
    image.isOneStroke = endOfStroke;
    return image;
}

std::vector<StrokeAnimation::Step> AllSteps(const std::vector<StrokeImage>& images) {
    StrokeAnimation animation(images);
    std::vector<StrokeAnimation::Step> steps;
    StrokeAnimation::Step step;
    while (animation.Next(step))
        steps.push_back(step);
    return steps;
}

TEST(StrokeAnimation, LeftToRightRevealsThreeColumnsPerStepThenTheWhole) {
    const auto steps = AllSteps({Picture(10, 4, StrokeImage::kLeftToRight, 0)});
    ASSERT_EQ(steps.size(), 5u);
    const int widths[] = {0, 3, 6, 9};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(steps[i].source, QRect(0, 0, widths[i], 4));
        EXPECT_EQ(steps[i].target, QPoint(35, 57));
        EXPECT_EQ(steps[i].waitMs, 10);
        EXPECT_FALSE(steps[i].whole);
    }
    EXPECT_TRUE(steps[4].whole);
    EXPECT_EQ(steps[4].source, QRect(0, 0, 10, 4));
    EXPECT_EQ(steps[4].waitMs, 0);
}

TEST(StrokeAnimation, OtherDirectionsRevealFromTheirSide) {
    auto steps = AllSteps({Picture(10, 4, StrokeImage::kRightToLeft, 0)});
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].source, QRect(9, 0, 0, 4));
    EXPECT_EQ(steps[1].source, QRect(6, 0, 3, 4));
    EXPECT_EQ(steps[1].target, QPoint(41, 57));
    EXPECT_EQ(steps[3].source, QRect(0, 0, 9, 4));
    steps = AllSteps({Picture(4, 7, StrokeImage::kTopToBottom, 0)});
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[2].source, QRect(0, 0, 4, 6));
    steps = AllSteps({Picture(4, 7, StrokeImage::kBottomToTop, 0)});
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[1].source, QRect(0, 3, 4, 3));
    EXPECT_EQ(steps[1].target, QPoint(35, 60));
    // An unknown direction is revealed left to right.
    steps = AllSteps({Picture(4, 2, 9, 0)});
    EXPECT_EQ(steps[1].source, QRect(0, 0, 3, 2));
}

TEST(StrokeAnimation, OnlyEndOfStrokePicturesArePausedAfter) {
    const auto steps =
        AllSteps({Picture(2, 2, 0, 0), Picture(2, 2, 0, 1), Picture(2, 2, 1, 0), Picture(2, 2, 1, 5)});
    std::vector<int> pauses;
    for (const auto& s : steps)
        if (s.whole)
            pauses.push_back(s.waitMs);
    EXPECT_EQ(pauses, (std::vector<int>{0, 300, 0, 300}));
    for (const auto& s : steps)
        if (!s.whole)
            EXPECT_EQ(s.waitMs, 10);
}

TEST(StrokeAnimation, PicturesAreCombinedByAnd) {
    QImage pad(40, 40, QImage::Format_RGB32);
    pad.fill(qRgb(200, 200, 200));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(1, 1, qRgb(0, 0, 0));
    picture.setPixel(2, 2, qRgb(0x0F, 0xF0, 0xFF));
    StrokeAnimation::AndInto(pad, picture, picture.rect(), {10, 10});
    EXPECT_EQ(pad.pixel(10, 10), qRgb(200, 200, 200));
    EXPECT_EQ(pad.pixel(11, 11), qRgb(0, 0, 0));
    EXPECT_EQ(pad.pixel(12, 12), qRgb(200 & 0x0F, 200 & 0xF0, 200));
    StrokeAnimation::AndInto(pad, picture, QRect(0, 0, 0, 4), {0, 0}); // an empty part draws nothing
    EXPECT_EQ(pad.pixel(1, 1), qRgb(200, 200, 200));
}

} // namespace
