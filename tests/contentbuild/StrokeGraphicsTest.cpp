#include "StrokeGraphics.h"

#include <gtest/gtest.h>

namespace {

CharacterStrokeData San() {
    auto data = opendata::LoadStrokeData(CONTENT_TEST_DATA, QStringLiteral("三"));
    EXPECT_TRUE(data.has_value());
    return data.value_or(CharacterStrokeData{});
}

TEST(StrokeGraphics, TheDataBoxMapsOntoTheSquareWithYDown) {
    EXPECT_EQ(strokes::ToSquare(QPointF(0, 900)), QPointF(0, 0));
    EXPECT_EQ(strokes::ToSquare(QPointF(1024, -124)), QPointF(190, 190));
    EXPECT_TRUE(strokes::ParseSvgPath(QStringLiteral("M 1 2 L 3 4 Q 5 6 7 8 C 1 2 3 4 5 6 Z")));
    EXPECT_FALSE(strokes::ParseSvgPath(QStringLiteral("M 1 2 A 3 4 5 6 7 8 9")));
    EXPECT_FALSE(strokes::ParseSvgPath(QStringLiteral("M 1 2 L 3")));
    EXPECT_FALSE(strokes::ParseSvgPath(QStringLiteral("M 1 x")));
    EXPECT_EQ(strokes::DirectionOf({{10, 10}, {100, 20}}), strokes::LeftToRight);
    EXPECT_EQ(strokes::DirectionOf({{10, 10}, {20, 100}}), strokes::TopToBottom);
    EXPECT_EQ(strokes::DirectionOf({{100, 10}, {10, 20}}), strokes::RightToLeft);
    EXPECT_EQ(strokes::DirectionOf({{10, 100}, {20, 10}}), strokes::BottomToTop);
}

TEST(StrokeGraphics, TheFirstStrokeOfSanLiesNearTheTopWrittenLeftToRight) {
    const auto pictures = strokes::MakeCharacterPictures(San());
    ASSERT_TRUE(pictures);
    ASSERT_EQ(pictures->strokes.size(), 3u);
    ASSERT_EQ(pictures->referenceStrokes.size(), 3u);
    const strokes::StrokePicture& first = pictures->strokes[0];
    EXPECT_EQ(first.direction, strokes::LeftToRight);
    EXPECT_LT(first.offsetY + first.image.height(), 190 / 2);
    EXPECT_GT(first.image.width(), 3 * first.image.height());
    for (size_t i = 0; i < 3; ++i) {
        const strokes::StrokePicture& s = pictures->strokes[i];
        EXPECT_GE(s.offsetX, 0);
        EXPECT_GE(s.offsetY, 0);
        EXPECT_LE(s.offsetX + s.image.width(), 190);
        EXPECT_LE(s.offsetY + s.image.height(), 190);
        if (i > 0) {
            EXPECT_GT(s.offsetY, pictures->strokes[i - 1].offsetY); // strokes go down the square
        }
        const strokefile::StrokeObject& reference = pictures->referenceStrokes[i];
        EXPECT_EQ(reference.strokeNumber, static_cast<int>(i) + 1);
        ASSERT_GE(reference.points.size(), 2u);
        EXPECT_LT(reference.points.front().x, reference.points.back().x);
        // The reference stroke runs through its own stroke picture.
        const strokefile::StrokePoint mid = reference.points[reference.points.size() / 2];
        EXPECT_TRUE(QRect(s.offsetX, s.offsetY, s.image.width(), s.image.height()).contains(mid.x, mid.y));
    }
    // The stroke picture is black where the stroke is; the outline grey there, white elsewhere.
    const QPoint inFirst(pictures->referenceStrokes[0].points[1].x,
                         pictures->referenceStrokes[0].points[1].y);
    EXPECT_EQ(qGray(first.image.pixel(inFirst - QPoint(first.offsetX, first.offsetY))), 0);
    EXPECT_EQ(pictures->outline.pixelColor(inFirst), strokes::kOutlineGrey);
    EXPECT_EQ(pictures->outline.pixelColor(95, 185), QColor(Qt::white));
}

} // namespace
