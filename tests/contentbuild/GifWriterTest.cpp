// The GIF writer: frames decoded by Qt's reader come back with their colours, sizes and delays.
#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage Flat(QSize size, QColor background, QRect square = {}, QColor colour = {}) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(background);
    if (!square.isEmpty()) {
        QPainter painter(&picture);
        painter.fillRect(square, colour);
    }
    return picture;
}

std::vector<QImage> Decode(const std::vector<unsigned char>& gif, std::vector<int>& delays) {
    QByteArray bytes(reinterpret_cast<const char*>(gif.data()), static_cast<qsizetype>(gif.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
        delays.push_back(reader.nextImageDelay());
    }
    return frames;
}

TEST(GifWriter, KeepsFlatColoursExactAndComposesChangedAreas) {
    const QSize size(64, 48);
    const QColor cream(252, 245, 223), teal(47, 127, 122), coral(217, 105, 79);
    GifWriter writer(size);
    writer.AddFrame(Flat(size, cream), 100);
    writer.AddFrame(Flat(size, cream, QRect(10, 10, 8, 8), teal), 200);
    writer.AddFrame(Flat(size, cream, QRect(10, 10, 8, 8), teal), 300); // the same: lengthens the one before
    writer.AddFrame(Flat(size, cream, QRect(40, 30, 4, 4), coral), 50);
    EXPECT_EQ(writer.FrameCount(), 3);
    EXPECT_EQ(writer.Delays(), (std::vector<int>{10, 50, 5}));

    std::vector<unsigned char> gif;
    std::string error;
    ASSERT_TRUE(writer.Write(gif, error)) << error;
    std::vector<int> delays;
    const std::vector<QImage> frames = Decode(gif, delays);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(delays, (std::vector<int>{100, 500, 50}));
    for (const QImage& frame : frames)
        EXPECT_EQ(frame.size(), size);
    EXPECT_EQ(frames[0].pixelColor(12, 12), cream);
    EXPECT_EQ(frames[1].pixelColor(12, 12), teal);
    EXPECT_EQ(frames[1].pixelColor(0, 0), cream);
    // The last frame replaces the teal square by the coral one and keeps the background.
    EXPECT_EQ(frames[2].pixelColor(12, 12), cream);
    EXPECT_EQ(frames[2].pixelColor(41, 31), coral);
    EXPECT_EQ(frames[2].pixelColor(63, 47), cream);
}

TEST(GifWriter, ManyColoursShareAPaletteOfAtMost255NearColours) {
    const QSize size(256, 64);
    QImage gradient(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            gradient.setPixel(x, y, qRgb(x, (y * 4) & 0xff, 255 - x));
    GifWriter writer(size);
    writer.AddFrame(gradient, 100);
    std::vector<unsigned char> gif;
    std::string error;
    ASSERT_TRUE(writer.Write(gif, error)) << error;
    std::vector<int> delays;
    const std::vector<QImage> frames = Decode(gif, delays);
    ASSERT_EQ(frames.size(), 1u);
    int worst = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QRgb a = gradient.pixel(x, y), b = frames[0].pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LT(worst, 40);
}

TEST(GifWriter, AMovieWithoutFramesIsRefused) {
    GifWriter writer(QSize(10, 10));
    std::vector<unsigned char> gif;
    std::string error;
    EXPECT_FALSE(writer.Write(gif, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(gif.empty());
}

} // namespace
