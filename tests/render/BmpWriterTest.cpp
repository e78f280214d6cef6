#include "render/BmpWriter.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage Load(const std::vector<unsigned char>& bytes) {
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
}

unsigned U32At(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<unsigned>(b[at + 3]) << 24);
}

// A checkerboard-like pattern of an odd width, so rows need padding.
QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x * 3 + y) % 4 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

TEST(BmpWriter, TwoColourPicturesReadBackPixelForPixelWithTheirInk) {
    const QImage source = Pattern(13, 5);
    const std::vector<unsigned char> bytes = bmp::WriteBmp(source, bmp::Depth::Mono1);
    ASSERT_GE(bytes.size(), 62u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(U32At(bytes, 2), bytes.size());
    EXPECT_EQ(U32At(bytes, 10), 62u);       // 14 + 40 + two palette entries
    EXPECT_EQ(bytes.size(), 62u + 4u * 5u); // 13 pixels fit a padded 4-byte row
    const QImage loaded = Load(bytes);
    ASSERT_EQ(loaded.size(), source.size());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 13; ++x)
            EXPECT_EQ(loaded.pixel(x, y) & 0xFFFFFF, source.pixel(x, y) & 0xFFFFFF) << x << "," << y;

    // A grey ink: pixels near the ink take it, pixels near white stay white.
    QImage grey(4, 1, QImage::Format_RGB32);
    grey.setPixel(0, 0, qRgb(200, 200, 200));
    grey.setPixel(1, 0, qRgb(255, 255, 255));
    grey.setPixel(2, 0, qRgb(220, 220, 220));
    grey.setPixel(3, 0, qRgb(250, 250, 250));
    const QImage greyLoaded = Load(bmp::WriteBmp(grey, bmp::Depth::Mono1, QColor(200, 200, 200)));
    ASSERT_EQ(greyLoaded.width(), 4);
    EXPECT_EQ(qGray(greyLoaded.pixel(0, 0)), 200);
    EXPECT_EQ(qGray(greyLoaded.pixel(1, 0)), 255);
    EXPECT_EQ(qGray(greyLoaded.pixel(2, 0)), 200);
    EXPECT_EQ(qGray(greyLoaded.pixel(3, 0)), 255);
}

TEST(BmpWriter, GreyAndColourPicturesKeepTheirLevelsAndTopRowFirst) {
    QImage ramp(17, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 17; ++x)
            ramp.setPixel(x, y, qRgb(x * 15, x * 15, x * 15));
    ramp.setPixel(0, 0, qRgb(255, 255, 255)); // marks the top row
    const QImage grey = Load(bmp::WriteBmp(ramp, bmp::Depth::Grey4));
    ASSERT_EQ(grey.size(), ramp.size());
    EXPECT_EQ(qGray(grey.pixel(0, 0)), 255);
    EXPECT_EQ(qGray(grey.pixel(0, 2)), 0);
    for (int x = 1; x < 17; ++x)
        EXPECT_NEAR(qGray(grey.pixel(x, 1)), x * 15, 9) << x;

    QImage colour(3, 2, QImage::Format_RGB32);
    colour.fill(qRgb(10, 20, 30));
    colour.setPixel(2, 1, qRgb(250, 0, 128));
    const QImage loaded = Load(bmp::WriteBmp(colour, bmp::Depth::Rgb24));
    ASSERT_EQ(loaded.size(), colour.size());
    EXPECT_EQ(loaded.pixel(0, 0) & 0xFFFFFF, 0x0A141Eu);
    EXPECT_EQ(loaded.pixel(2, 1) & 0xFFFFFF, 0xFA0080u);
}

TEST(BmpWriter, PalettePicturesKeepTheirMostUsedColoursAndTakeTheNearestForTheRest) {
    // 300 colours: a plain ground, 255 greys and reds used twice each, and 44 near-ground colours
    // used once each, which take the ground.
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(qRgb(252, 245, 223));
    for (int i = 0; i < 255; ++i) {
        const QRgb colour = i < 128 ? qRgb(i, i, i) : qRgb(255, i - 128, 0);
        picture.setPixel(i % 40, i / 40, colour);
        picture.setPixel(i % 40, 10 + i / 40, colour); // used twice
    }
    for (int i = 0; i < 44; ++i)
        picture.setPixel(i % 40, 7 + i / 40, qRgb(252, 245, 222 - i));
    const std::vector<unsigned char> bytes = bmp::WriteBmp(picture, bmp::Depth::Palette8);
    EXPECT_EQ(bytes[28], 8);                              // bits per pixel
    EXPECT_EQ(U32At(bytes, 46), 256u);                    // colours in the table
    EXPECT_EQ(bytes.size(), 54u + 4u * 256u + 40u * 20u); // one byte a pixel, rows of 40
    const QImage loaded = Load(bytes);
    ASSERT_EQ(loaded.size(), picture.size());
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb expected = y == 7 || (y == 8 && x < 4) ? qRgb(252, 245, 223) : picture.pixel(x, y);
            EXPECT_EQ(loaded.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF) << x << "," << y;
        }

    // A picture of few colours reads back exactly, with a table of just those.
    QImage few(5, 3, QImage::Format_RGB32);
    few.fill(qRgb(255, 255, 255));
    few.setPixel(4, 2, qRgb(47, 127, 122));
    const std::vector<unsigned char> small = bmp::WriteBmp(few, bmp::Depth::Palette8);
    EXPECT_EQ(U32At(small, 46), 2u);
    EXPECT_EQ(Load(small).convertToFormat(QImage::Format_RGB32), few);
}

} // namespace
