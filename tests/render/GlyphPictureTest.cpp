#include "RenderTestDatabases.h"
#include "fixtures/FixturePictures.h"
#include "render/CBmpPicture.h"
#include "render/CharacterPicture.h"
#include "render/SentenceGrid.h"

#include <gtest/gtest.h>

namespace {

// A 5 x 4 glyph: black strokes in column 1 and row 2, one grey edge pixel, white elsewhere.
QImage Glyph() {
    QImage glyph(5, 4, QImage::Format_RGB32);
    glyph.fill(qRgb(255, 255, 255));
    for (int y = 0; y < 4; ++y)
        glyph.setPixel(1, y, qRgb(0, 0, 0));
    for (int x = 0; x < 5; ++x)
        glyph.setPixel(x, 2, qRgb(0, 0, 0));
    glyph.setPixel(4, 0, qRgb(128, 128, 128));
    return glyph;
}

// A background with a different colour in every pixel.
QImage Background(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(30 + x * 20, 200 - y * 15, (x * 37 + y * 11) % 256));
    return image;
}

QRgb Mixed(QRgb target, QRgb glyph, QRgb colour) {
    return ((target | ~glyph) & (glyph | colour)) | 0xFF000000u;
}

} // namespace

TEST(CBmpPicture, ColoursTheStrokesAndKeepsTheBackgroundBetweenThem) {
    CBmpPicture picture;
    picture.Load(fixtures::BmpBytes(Glyph()));
    const QRgb blue = qRgb(0, 0, 255);
    const QImage before = Background(12, 9);
    QImage target = before;
    EXPECT_EQ(picture.DrawColorWord(target, 3, 2, blue), QSize(5, 4));
    const QImage glyph = Glyph();
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            const bool inside = x >= 3 && x < 8 && y >= 2 && y < 6;
            if (!inside) {
                EXPECT_EQ(target.pixel(x, y), before.pixel(x, y)) << x << "," << y;
                continue;
            }
            const QRgb g = glyph.pixel(x - 3, y - 2);
            if (g == qRgb(0, 0, 0))
                EXPECT_EQ(target.pixel(x, y), blue) << x << "," << y;
            else if (g == qRgb(255, 255, 255))
                EXPECT_EQ(target.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            else
                EXPECT_EQ(target.pixel(x, y), Mixed(before.pixel(x, y), g, blue)) << "grey edge";
        }
}

TEST(CBmpPicture, DrawsClippedAtTheTargetsEdges) {
    CBmpPicture picture;
    picture.Load(fixtures::BmpBytes(Glyph()));
    QImage target = Background(4, 3);
    EXPECT_EQ(picture.DrawColorWord(target, -1, 1, qRgb(255, 0, 0)), QSize(5, 4));
    EXPECT_EQ(target.pixel(0, 1), qRgb(255, 0, 0)) << "column 1 of the glyph lands at x 0";
    QImage far = Background(4, 3);
    EXPECT_EQ(picture.DrawColorWord(far, 50, 50, qRgb(255, 0, 0)), QSize(5, 4));
    EXPECT_EQ(far, Background(4, 3));
}

TEST(CBmpPicture, EmptyOrForeignBytesDrawNothing) {
    QImage target = Background(8, 8);
    CBmpPicture empty;
    EXPECT_EQ(empty.DrawColorWord(target, 0, 0, qRgb(0, 0, 255)), QSize(0, 0));
    EXPECT_EQ(empty.Width(), 0);
    CBmpPicture gif;
    gif.Load({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0});
    EXPECT_EQ(gif.Draw(target, 0, 0, qRgb(0, 0, 255)), QSize(0, 0));
    EXPECT_EQ(gif.Width(), 0);
    EXPECT_EQ(target, Background(8, 8));
}

TEST(CBmpPicture, OnlyDrawModesZeroAndOneDraw) {
    CBmpPicture picture;
    picture.Load(fixtures::BmpBytes(Glyph()));
    EXPECT_EQ(picture.Width(), 5);
    QImage target = Background(8, 8);
    picture.SetDrawMode(2);
    EXPECT_EQ(picture.Draw(target, 0, 0, qRgb(0, 0, 255)), QSize(0, 0));
    EXPECT_EQ(target, Background(8, 8));
    picture.SetDrawMode(1);
    EXPECT_EQ(picture.Draw(target, 0, 0, qRgb(0, 0, 255)), QSize(5, 4));
    picture.Free();
    EXPECT_EQ(picture.Width(), 0);
}

using CharacterPictures = RenderDatabaseTest;

TEST_F(CharacterPictures, CharactersAndPunctuationComeFromTheirTables) {
    CBmpPicture ni;
    LoadCharacterPicture(u"你", ni);
    EXPECT_EQ(ni.GetKind(), CBmpPicture::kindCharacter);
    EXPECT_EQ(ni.Bytes(), fixtures::CharacterPictureBytes(u"你"));
    EXPECT_EQ(ni.Width(), fixtures::kCharacterPictureSide);

    CBmpPicture period;
    LoadCharacterPicture(u"。", period);
    EXPECT_EQ(period.GetKind(), CBmpPicture::kindPunctuation);
    EXPECT_EQ(period.Bytes(), fixtures::PunctuationPictureBytes(u"。"));

    CBmpPicture unknown;
    LoadCharacterPicture(u"龍", unknown);
    EXPECT_EQ(unknown.GetKind(), CBmpPicture::kindNone);
    EXPECT_FALSE(unknown.HasBytes());
    EXPECT_TRUE(m_notice.shown.empty());
}

TEST_F(CharacterPictures, AnUnreachableDatabaseLeavesThePictureAsItWas) {
    LoseWordDatabase();
    CBmpPicture picture;
    LoadCharacterPicture(u"你", picture);
    EXPECT_FALSE(picture.HasBytes());
    EXPECT_EQ(picture.GetKind(), CBmpPicture::kindNone);
}

TEST(SentenceGrid, PlacesUpToThreeLinesOf22) {
    const std::vector<QPoint> one = SentenceGridPositions(21);
    ASSERT_EQ(one.size(), 21u);
    EXPECT_EQ(one.front(), QPoint(40, 30));
    EXPECT_EQ(one.back(), QPoint(40 + 20 * 18, 30));

    const std::vector<QPoint> full = SentenceGridPositions(22);
    EXPECT_EQ(full.front(), QPoint(40, 20));
    EXPECT_EQ(full.back(), QPoint(40 + 21 * 18, 20));

    const std::vector<QPoint> two = SentenceGridPositions(23);
    EXPECT_EQ(two.front(), QPoint(40, 20));
    EXPECT_EQ(two[22], QPoint(40, 40));

    const std::vector<QPoint> three = SentenceGridPositions(65);
    EXPECT_EQ(three.front(), QPoint(40, 10));
    EXPECT_EQ(three[44], QPoint(40, 50));
    EXPECT_EQ(three.back(), QPoint(40 + 20 * 18, 50));

    EXPECT_TRUE(SentenceGridPositions(66).empty());
    EXPECT_TRUE(SentenceGridPositions(0).empty());
}

using SentenceGridDrawing = RenderDatabaseTest;

TEST_F(SentenceGridDrawing, SkipsBlanksAndDrawsInBlue) {
    std::vector<CBmpPicture> pictures = LoadSentencePictures(u"我 是 学生 。");
    ASSERT_EQ(pictures.size(), 5u);
    EXPECT_EQ(pictures[4].GetKind(), CBmpPicture::kindPunctuation);
    QImage target(500, 120, QImage::Format_RGB32);
    target.fill(qRgb(252, 245, 223));
    DrawSentenceGrid(target, pictures);
    int blue = 0;
    int changed = 0;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            if (target.pixel(x, y) == qRgb(252, 245, 223))
                continue;
            ++changed;
            blue += target.pixel(x, y) == qRgb(0, 0, 255);
            // Five pictures from (40, 30), 18 pixels apart, each one cell square.
            EXPECT_GE(x, 40);
            EXPECT_LT(x, 40 + 4 * 18 + fixtures::kCharacterPictureSide);
            EXPECT_GE(y, 30);
            EXPECT_LT(y, 30 + fixtures::kCharacterPictureSide);
        }
    EXPECT_GT(blue, 50);
    EXPECT_EQ(blue, changed) << "black strokes turn blue, the white ground changes nothing";
}

TEST_F(SentenceGridDrawing, A66CharacterSentenceDrawsNothing) {
    std::vector<CBmpPicture> pictures = LoadSentencePictures(std::u16string(66, u'你'));
    ASSERT_EQ(pictures.size(), 66u);
    QImage target(600, 120, QImage::Format_RGB32);
    target.fill(qRgb(252, 245, 223));
    const QImage before = target;
    DrawSentenceGrid(target, pictures);
    EXPECT_EQ(target, before);
    EXPECT_EQ(LoadSentencePictures(std::u16string(150, u'你')).size(), 100u) << "cut at the capacity";
}
