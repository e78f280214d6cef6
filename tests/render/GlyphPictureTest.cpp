#include "RenderTestDatabases.h"
#include "fixtures/FixturePictures.h"
#include "render/BmpReader.h"
#include "render/BmpWriter.h"
#include "render/CBmpPicture.h"
#include "render/CharacterPicture.h"
#include "render/GlyphScale.h"
#include "render/LetterPicture.h"
#include "render/SentenceGrid.h"
#include "render/WordPictures.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

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

TEST(GlyphScale, ThePictureSizeIsTheSmallestAtOrAboveTheTextSizeTimesThePixelRatio) {
    struct Case {
        int textSize;
        double ratio;
        int scale;
    };
    const Case cases[] = {
        {100, 1, 100}, {100, 1.25, 150}, {100, 1.5, 150}, {100, 2, 200}, {100, 3, 300},
        {150, 1, 150}, {150, 1.25, 200}, {150, 1.5, 300}, {150, 2, 300}, {150, 3, 300}, // 4.5: the largest
        {200, 1, 200}, {200, 1.25, 300}, {200, 1.5, 300}, {200, 2, 300}, {200, 3, 300},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glyphscale::ChoosePictureScale(c.textSize, c.ratio), c.scale)
            << c.textSize << " % at ratio " << c.ratio;
    EXPECT_EQ(glyphscale::ChoosePictureScale(100, 0), 100) << "a screen without a ratio counts as 1";
}

TEST_F(CharacterPictures, LargerSizesAreTheSameGlyphsDrawnAtThatSize) {
    for (const int scale : {150, 200, 300}) {
        CBmpPicture ni;
        LoadCharacterPicture(u"你", ni, scale);
        EXPECT_EQ(ni.GetKind(), CBmpPicture::kindCharacter);
        EXPECT_EQ(ni.Bytes(), fixtures::CharacterPictureBytes(u"你", scale)) << scale;
        EXPECT_EQ(ni.Width(), glyphscale::Scaled(fixtures::kCharacterPictureSide, scale));

        CBmpPicture period;
        LoadCharacterPicture(u"。", period, scale);
        EXPECT_EQ(period.GetKind(), CBmpPicture::kindPunctuation);
        EXPECT_EQ(period.Bytes(), fixtures::PunctuationPictureBytes(u"。", scale)) << scale;
    }
    // The engine matches letters without regard to case; a capital keeps its own picture.
    for (const char16_t* letter : {u"b", u"B", u"ǎ", u"A", u"a", u"?", u"M"}) {
        CBmpPicture picture;
        EXPECT_TRUE(LoadLetterPicture(letter, picture, 200));
        EXPECT_EQ(picture.Bytes(), fixtures::LetterPictureBytes(letter, 200))
            << QString::fromUtf16(letter).toStdString();
    }
    EXPECT_TRUE(m_notice.shown.empty());
}

TEST_F(CharacterPictures, ACapitalMHasAPictureAlthoughMIsAlsoAFinal) {
    CBmpPicture m;
    EXPECT_TRUE(LoadLetterPicture(u"M", m));
    EXPECT_TRUE(m.HasBytes()) << "the M of Mǎkè";
    EXPECT_GT(m.Width(), 0);
}

TEST_F(CharacterPictures, ADatabaseWithoutTheLargerSizeKeepsTheBaseSize) {
    ASSERT_TRUE(m_wordDb.Execute(SqlQuery("DELETE FROM tbl_glyph_size WHERE glyph = '你' AND scale = 200")));
    CBmpPicture ni;
    LoadCharacterPicture(u"你", ni, 200);
    EXPECT_EQ(ni.Bytes(), fixtures::CharacterPictureBytes(u"你"));

    // A word database older than the larger sizes: the base pictures, and the problem is logged.
    ASSERT_TRUE(m_wordDb.Execute(SqlQuery("DROP TABLE tbl_glyph_size")));
    CBmpPicture hao;
    LoadCharacterPicture(u"好", hao, 200);
    EXPECT_EQ(hao.Bytes(), fixtures::CharacterPictureBytes(u"好"));
    CBmpPicture a;
    EXPECT_TRUE(LoadLetterPicture(u"a", a, 200));
    EXPECT_EQ(a.Bytes(), fixtures::LetterPictureBytes(u"a"));
}

TEST_F(CharacterPictures, TheColouredDrawingAtTwiceTheSizeFollowsTheSameFormula) {
    CBmpPicture hao;
    LoadCharacterPicture(u"好", hao, 200);
    QImage glyph;
    std::string error;
    ASSERT_TRUE(ReadBmp(hao.Bytes().data(), hao.Bytes().size(), glyph, error)) << error;
    ASSERT_EQ(glyph.width(), 2 * fixtures::kCharacterPictureSide);
    const QRgb colour = qRgb(24, 44, 200);
    const QImage before = Background(glyph.width() + 6, glyph.height() + 6);
    QImage target = before;
    EXPECT_EQ(hao.DrawColorWord(target, 3, 3, colour), glyph.size());
    int strokes = 0;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x) {
            const QRgb g = glyph.pixel(x, y);
            strokes += g == qRgb(0, 0, 0);
            ASSERT_EQ(target.pixel(x + 3, y + 3), Mixed(before.pixel(x + 3, y + 3), g, colour))
                << x << "," << y;
        }
    EXPECT_GT(strokes, 100) << "a real glyph, not an empty cell";
    EXPECT_EQ(target.pixel(0, 0), before.pixel(0, 0));
}

using WordRows = RenderDatabaseTest;

TEST_F(WordRows, AWordAtTwiceTheTextSizeIsTwiceAsWideAndDrawnOneToOneOnADenseScreen) {
    WordItem item;
    item.word = u"你好";
    item.pinyin[0] = u"nǐhǎo";
    item.displayMode = WordItem::kPinyinAbove;
    item.characterRowY = 22;
    auto widthAt = [&](const GlyphDisplay& display) {
        auto pictures = std::make_unique<WordPictures>();
        pictures->SetDisplay(display);
        return pictures->SetItem(item);
    };
    const int base = widthAt({100, 1});
    ASSERT_GT(base, 0);
    EXPECT_EQ(widthAt({200, 1}), 2 * base);
    EXPECT_EQ(widthAt({150, 1}), glyphscale::Scaled(base, 150));
    // Twice the pixels on the screen, the same logical width: the 2x pictures fill it.
    EXPECT_EQ(widthAt({100, 2}), base);
    auto dense = std::make_unique<WordPictures>();
    dense->SetDisplay({100, 2});
    dense->SetItem(item);
    EXPECT_EQ(dense->CharacterWidth(), 4 * fixtures::kCharacterPictureSide);
}

TEST_F(WordRows, AWordShownAgainAfterTheWordFileIsReplacedShowsTheNewPictures) {
    WordItem item;
    item.word = u"好";
    item.displayMode = WordItem::kCharactersOnly;
    const auto widthNow = [&] { return std::make_unique<WordPictures>()->SetItem(item); };
    const int before = widthNow();
    ASSERT_GT(before, 0);
    ASSERT_EQ(widthNow(), before);

    // A course update gives the character a wider picture while the program is closed.
    m_wordDb.Close();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((m_dir / "word.dll").c_str(), &db), SQLITE_OK);
    const std::vector<unsigned char> wider = bmp::WriteBmp(
        QImage(before + 10, fixtures::kCharacterPictureSide, QImage::Format_RGB32), bmp::Depth::Mono1);
    sqlite3_stmt* update = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db,
                                 "UPDATE tbl_hz_image_song SET smallimg = ? WHERE id = "
                                 "(SELECT id FROM tbl_hz_main WHERE hz = '好')",
                                 -1, &update, nullptr),
              SQLITE_OK);
    sqlite3_bind_blob(update, 1, wider.data(), static_cast<int>(wider.size()), SQLITE_STATIC);
    EXPECT_EQ(sqlite3_step(update), SQLITE_DONE);
    sqlite3_finalize(update);
    sqlite3_close(db);

    ASSERT_TRUE(m_wordDb.Open("Data Source=" + (m_dir / "word.dll")));
    EXPECT_EQ(widthNow(), before + 10);
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
    EXPECT_EQ(SentenceGridOverflow(65), 0);
}

TEST(SentenceGrid, LargerTextKeepsTheLineWidthAndGrowsTheBandDownwards) {
    const std::vector<QPoint> short200 = SentenceGridPositions(10, 200);
    EXPECT_EQ(short200.front(), QPoint(40, 20));
    EXPECT_EQ(short200.back(), QPoint(40 + 9 * 36, 20));
    EXPECT_EQ(SentenceGridOverflow(10, 200), 0);
    const std::vector<QPoint> full200 = SentenceGridPositions(11, 200);
    EXPECT_EQ(full200.back(), QPoint(40 + 10 * 36, 10)) << "11 of 36 pixels fill the 22 of 18";

    const std::vector<QPoint> long200 = SentenceGridPositions(23, 200);
    EXPECT_EQ(long200.front(), QPoint(40, 10));
    EXPECT_EQ(long200[11], QPoint(40, 50));
    EXPECT_EQ(long200[22], QPoint(40, 90));
    EXPECT_EQ(SentenceGridOverflow(23, 200), 10 + 3 * 40 - 70);

    const std::vector<QPoint> at150 = SentenceGridPositions(15, 150);
    EXPECT_EQ(at150[13], QPoint(40 + 13 * 27, 10));
    EXPECT_EQ(at150[14], QPoint(40, 40));
    EXPECT_TRUE(SentenceGridPositions(66, 200).empty()) << "the same longest sentence at every size";
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

TEST_F(SentenceGridDrawing, OnADenseScreenThePicturesLandOneToOneInDevicePixels) {
    std::vector<CBmpPicture> pictures = LoadSentencePictures(u"我是", 200);
    const GlyphDisplay display{100, 2};
    QImage target(400, 200, QImage::Format_RGB32);
    target.fill(qRgb(255, 255, 255));
    DrawSentenceGrid(target, pictures, display);
    QImage expected(400, 200, QImage::Format_RGB32);
    expected.fill(qRgb(255, 255, 255));
    pictures[0].DrawColorWord(expected, 80, 60, qRgb(0, 0, 255));
    pictures[1].DrawColorWord(expected, 80 + 36, 60, qRgb(0, 0, 255));
    EXPECT_EQ(target, expected) << "(40, 30) and (58, 30) in logical pixels";
}
