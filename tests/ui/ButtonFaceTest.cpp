#include "ui/ButtonFace.h"

#include <gtest/gtest.h>

using ButtonFace::Image;

TEST(ButtonFaceTest, HoverImageWhilePressedOrHoveredOrWithoutNormalImage) {
    EXPECT_EQ(ButtonFace::Choose(false, false, true), Image::Normal);
    EXPECT_EQ(ButtonFace::Choose(true, false, true), Image::Hover);
    EXPECT_EQ(ButtonFace::Choose(false, true, true), Image::Hover);
    for (bool pressed : {false, true})
        for (bool hover : {false, true})
            EXPECT_EQ(ButtonFace::Choose(pressed, hover, false), Image::Hover);
}

TEST(ButtonFaceTest, TransparentColourBecomesTransparentAndTheRestStays) {
    QImage face(4, 3, QImage::Format_RGB32);
    face.fill(qRgb(255, 0, 0));
    face.setPixel(1, 1, qRgb(10, 20, 30));
    face.setPixel(2, 1, qRgb(254, 0, 0));
    const QImage masked = ButtonFace::Masked(face, qRgb(255, 0, 0), QSize(5, 3));
    ASSERT_EQ(masked.size(), QSize(5, 3));
    EXPECT_EQ(qAlpha(masked.pixel(0, 0)), 0);
    EXPECT_EQ(masked.pixel(1, 1), qRgb(10, 20, 30));
    EXPECT_EQ(masked.pixel(2, 1), qRgb(254, 0, 0));
    EXPECT_EQ(qAlpha(masked.pixel(4, 1)), 0); // outside the picture, inside the hover size
    EXPECT_TRUE(ButtonFace::Masked(QImage(), qRgb(255, 0, 0), QSize(4, 4)).isNull());
}

TEST(ButtonFaceTest, BackgroundFollowsTheState) {
    const ButtonFace::Colours colours{Qt::white, Qt::blue, Qt::green};
    EXPECT_EQ(ButtonFace::Background(colours, false, false), QColor(Qt::white));
    EXPECT_EQ(ButtonFace::Background(colours, true, true), QColor(Qt::blue));
    EXPECT_EQ(ButtonFace::Background(colours, false, true), QColor(Qt::green));
}
