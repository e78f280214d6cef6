#include "ui/SkinRegion.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF2040C0;

// A 12 × 8 picture in the given format: green border of two pixels around a blue body.
QImage BorderedPicture(QImage::Format format) {
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(kGreen);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 10; ++x)
            picture.setPixel(x, y, kBlue);
    if (format == QImage::Format_Indexed8)
        return picture.convertToFormat(format, QList<QRgb>{kGreen, kBlue});
    return picture.convertToFormat(format);
}

} // namespace

TEST(SkinRegionTest, GreenBorderIsCutAwayInEveryPixelDepth) {
    for (QImage::Format format :
         {QImage::Format_Indexed8, QImage::Format_RGB16, QImage::Format_RGB888, QImage::Format_RGB32}) {
        SCOPED_TRACE(format);
        const std::optional<QRegion> region = BuildSkinRegion(BorderedPicture(format), kSkinTransparent);
        ASSERT_TRUE(region.has_value());
        EXPECT_EQ(region->boundingRect(), QRect(2, 2, 8, 4));
        EXPECT_FALSE(region->contains(QPoint(0, 0)));
        EXPECT_FALSE(region->contains(QPoint(1, 4)));
        EXPECT_FALSE(region->contains(QPoint(10, 4)));
        EXPECT_TRUE(region->contains(QPoint(2, 2)));
        EXPECT_TRUE(region->contains(QPoint(9, 5)));
    }
}

TEST(SkinRegionTest, RunsAreRowsOfOpaquePixelsAndOpenRunsEndAtTheWidth) {
    QImage picture(6, 2, QImage::Format_RGB32);
    picture.fill(kGreen);
    picture.setPixel(1, 0, kBlue);
    picture.setPixel(2, 0, kBlue);
    picture.setPixel(4, 0, kBlue);
    picture.setPixel(5, 0, kBlue); // run still open at the row's end
    picture.setPixel(0, 1, kBlue);
    const std::optional<std::vector<QRect>> rects = BuildRegionRects(picture, kSkinTransparent);
    ASSERT_TRUE(rects.has_value());
    EXPECT_EQ(*rects, (std::vector<QRect>{QRect(1, 0, 2, 1), QRect(4, 0, 2, 1), QRect(0, 1, 1, 1)}));
}

TEST(SkinRegionTest, OnlyExactlyPureGreenIsTransparent) {
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 255, 0));
    picture.setPixel(1, 0, qRgb(0, 254, 0));
    picture.setPixel(2, 0, qRgb(1, 255, 0));
    const std::optional<std::vector<QRect>> rects = BuildRegionRects(picture, kSkinTransparent);
    ASSERT_TRUE(rects.has_value());
    EXPECT_EQ(*rects, (std::vector<QRect>{QRect(1, 0, 2, 1)}));
}

TEST(SkinRegionTest, SixteenBitPixelsCompareInTheirPackedForm) {
    // Green with low bits set packs to the same 5-6-5 value and counts as transparent.
    QImage picture(2, 1, QImage::Format_RGB16);
    picture.setPixel(0, 0, qRgb(4, 255, 7));
    picture.setPixel(1, 0, qRgb(0, 200, 0));
    const std::optional<std::vector<QRect>> rects = BuildRegionRects(picture, kSkinTransparent);
    ASSERT_TRUE(rects.has_value());
    EXPECT_EQ(*rects, (std::vector<QRect>{QRect(1, 0, 1, 1)}));
}

TEST(SkinRegionTest, AllGreenGivesAnEmptyRegionAndOtherFormatsNone) {
    QImage green(5, 5, QImage::Format_RGB32);
    green.fill(kGreen);
    const std::optional<QRegion> empty = BuildSkinRegion(green, kSkinTransparent);
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());

    QImage mono(8, 8, QImage::Format_Mono);
    mono.fill(0);
    EXPECT_FALSE(BuildSkinRegion(mono, kSkinTransparent).has_value());
    EXPECT_FALSE(BuildSkinRegion(QImage(), kSkinTransparent).has_value());
}

TEST(SkinRegionTest, TheUnusedTopByteOfRgb32PixelsDoesNotMatter) {
    // A decoder may leave the top byte of RGB32 pixels unset; pure green is still pure green.
    QImage image(3, 1, QImage::Format_RGB32);
    auto* row = reinterpret_cast<quint32*>(image.scanLine(0));
    row[0] = 0x0000FF00u; // pure green, top byte 0
    row[1] = 0x12345678u; // a colour
    row[2] = 0x7F00FF00u; // pure green, another top byte
    const auto rects = BuildRegionRects(image, kSkinTransparent);
    ASSERT_TRUE(rects.has_value());
    ASSERT_EQ(rects->size(), 1u);
    EXPECT_EQ(rects->front(), QRect(1, 0, 1, 1));
}
