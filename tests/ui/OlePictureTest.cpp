#include "ui/OlePicture.h"

#include "fixtures/FixtureMovies.h"
#include "fixtures/TempFolder.h"

#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

std::string Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

QImage Quadrants() {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(qRgb(200, 40, 40));
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x)
            image.setPixel(x, y, qRgb(40, 40, 200));
    return image;
}

bool LoadBytes(OlePicture& picture, const std::string& bytes) {
    return picture.LoadFromMemory(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

} // namespace

TEST(OlePictureTest, LoadsBmpJpegGifAndPngFromMemory) {
    for (const char* format : {"BMP", "JPG", "PNG"}) {
        SCOPED_TRACE(format);
        OlePicture picture;
        ASSERT_TRUE(LoadBytes(picture, Encode(Quadrants(), format)));
        EXPECT_EQ(picture.Size(), QSize(20, 10));
    }
    OlePicture gif;
    ASSERT_TRUE(LoadBytes(gif, fixtures::MakeAnimatedGif(6, 4, 2)));
    EXPECT_EQ(gif.Size(), QSize(6, 4));
}

TEST(OlePictureTest, BadBytesLeaveThePictureEmptyAndDrawingDoesNothing) {
    OlePicture picture;
    ASSERT_TRUE(LoadBytes(picture, Encode(Quadrants(), "PNG")));
    EXPECT_FALSE(LoadBytes(picture, "not a picture at all"));
    EXPECT_FALSE(picture.IsLoaded());
    EXPECT_FALSE(picture.LoadFromMemory(nullptr, 10));
    const std::string png = Encode(Quadrants(), "PNG");
    EXPECT_FALSE(LoadBytes(picture, png.substr(0, png.size() / 3)));

    QImage target(8, 8, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    EXPECT_FALSE(picture.Draw(painter, 0, 0, 8, 8));
    painter.end();
    EXPECT_EQ(target.pixel(4, 4), qRgb(255, 255, 255));
}

TEST(OlePictureTest, DrawStretchesTheWholePictureIntoTheRectangle) {
    OlePicture picture;
    ASSERT_TRUE(LoadBytes(picture, Encode(Quadrants(), "PNG")));
    QImage target(100, 60, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    EXPECT_TRUE(picture.Draw(painter, 10, 10, 80, 40));
    painter.end();
    EXPECT_EQ(target.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(20, 30), qRgb(200, 40, 40));
    EXPECT_EQ(target.pixel(80, 45), qRgb(40, 40, 200));
    EXPECT_EQ(target.pixel(95, 55), qRgb(255, 255, 255));
}

TEST(OlePictureTest, LoadsFilesWithWindowsStylePathsAndFailsOnMissingOnes) {
    TempFolder folder;
    ASSERT_TRUE(WriteTextFile(folder / "Lesson_res/lesson_en/head.bmp", Encode(Quadrants(), "BMP")));
    OlePicture picture;
    EXPECT_TRUE(picture.Load(folder.Path() + "lesson_res\\LESSON_EN\\head.bmp"));
    EXPECT_EQ(picture.Size(), QSize(20, 10));
    EXPECT_FALSE(picture.Load(folder / "missing.bmp"));
    EXPECT_FALSE(picture.IsLoaded());
}
