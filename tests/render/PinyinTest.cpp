#include "RenderTestDatabases.h"
#include "data/ContentProblems.h"
#include "fixtures/FixturePictures.h"
#include "render/CBmpPicture.h"
#include "render/LetterPicture.h"
#include "render/PinyinBitmap.h"
#include "render/PinyinText.h"

#include <gtest/gtest.h>

namespace {

QImage Picture(const std::vector<unsigned char>& bytes) {
    return BitmapFromBmpBytes(bytes);
}

// The fixture's letter pictures side by side, as the renderer should join them.
QImage Joined(std::initializer_list<const char16_t*> letters) {
    QImage joined;
    for (const char16_t* letter : letters)
        joined = AppendBitmap(joined, Picture(fixtures::LetterPictureBytes(letter)));
    return joined;
}

QImage Filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

using PinyinText = RenderDatabaseTest;

TEST_F(PinyinText, ToneMarkedFinalComesFromTheFinalsTable) {
    EXPECT_EQ(ToneMarkedFinal(u"ao", 3), u"ǎo");
    EXPECT_EQ(ToneMarkedFinal(u"eng", 1), u"ēng");
    EXPECT_EQ(ToneMarkedFinal(u"ao", 2), u"") << "a tone without a row";
    EXPECT_EQ(ToneMarkedFinal(u"ao", 99), u"");
}

TEST_F(PinyinText, CharacterPinyinChoosesTheReadingTheContextContains) {
    // 好 has a third-tone reading first and a fourth-tone reading second.
    EXPECT_EQ(CharacterPinyin(u"好", u""), u"hǎo");
    EXPECT_EQ(CharacterPinyin(u"好", u"àihào"), u"hào");
    EXPECT_EQ(CharacterPinyin(u"好", u"nǐhǎo"), u"hǎo");
    EXPECT_EQ(CharacterPinyin(u"好", u"xuésheng"), u"hǎo") << "no reading in the context: the first";
    EXPECT_EQ(CharacterPinyin(u"是", u"wǒshì"), u"shì");
    EXPECT_EQ(CharacterPinyin(u"生", u"xuésheng"), u"shēng") << "a single reading is taken as it is";
    EXPECT_EQ(CharacterPinyin(u"龍", u""), u"");
}

TEST_F(PinyinText, CharacterPinyinIsEmptyWithoutTheDatabase) {
    LoseWordDatabase();
    EXPECT_EQ(CharacterPinyin(u"好", u""), u"");
    EXPECT_EQ(ToneMarkedFinal(u"ao", 3), u"");
    EXPECT_TRUE(m_notice.shown.empty()) << "nothing is shown to the user";
}

TEST(NormalizePinyin, DropsBlanksAndLowersInitialsOnly) {
    EXPECT_EQ(NormalizePinyin(u"Ni Hao"), u"nihao");
    EXPECT_EQ(NormalizePinyin(u"Ai"), u"Ai");
    EXPECT_EQ(NormalizePinyin(u"Zhōng Guó"), u"zhōngguó");
    EXPECT_EQ(NormalizePinyin(u"  "), u"");
    EXPECT_EQ(NormalizePinyin(u"ÉR"), u"Ér");
}

using PinyinRendering = RenderDatabaseTest;

TEST_F(PinyinRendering, ZhangIsTheCapitalZFollowedBySmallLetters) {
    const QImage rendered = RenderPinyinBitmap(u"Zhang");
    ASSERT_FALSE(rendered.isNull());
    EXPECT_EQ(rendered, Joined({u"Z", u"h", u"a", u"n", u"g"}));
    EXPECT_NE(rendered, Joined({u"z", u"h", u"a", u"n", u"g"}));
}

TEST_F(PinyinRendering, ToneMarksAndPunctuationHaveTheirOwnPictures) {
    EXPECT_EQ(RenderPinyinBitmap(u"nǐ hǎo!"), Joined({u"n", u"ǐ", u"h", u"ǎ", u"o", u"!"}))
        << "the blank leaves no gap";
    EXPECT_EQ(RenderPinyinBitmap(u"xi'an"), Joined({u"x", u"i", u"'", u"a", u"n"}));
    EXPECT_EQ(LetterBitmap(u"a"), Picture(fixtures::LetterPictureBytes(u"a"))) << "a lone a from the finals";
    EXPECT_TRUE(RenderPinyinBitmap(u"  ").isNull());
    EXPECT_TRUE(RenderPinyinBitmap(u"").isNull());
    EXPECT_TRUE(RenderPinyinBitmap(u"#").isNull()) << "no picture for the character";
    EXPECT_TRUE(InitialLetterBitmap(u"", false).isNull());
}

TEST_F(PinyinRendering, NothingRendersWithoutTheDatabase) {
    LoseWordDatabase();
    EXPECT_TRUE(RenderPinyinBitmap(u"Zhang").isNull());
}

TEST(AppendBitmap, TakesTheRightPiecesHeightOnWhite) {
    const QImage joined = AppendBitmap(Filled(3, 10, qRgb(255, 0, 0)), Filled(4, 6, qRgb(0, 0, 255)));
    ASSERT_EQ(joined.size(), QSize(7, 6));
    EXPECT_EQ(joined.pixel(0, 5), qRgb(255, 0, 0)) << "the taller left piece is cut";
    EXPECT_EQ(joined.pixel(3, 0), qRgb(0, 0, 255));
    const QImage grown = AppendBitmap(Filled(3, 2, qRgb(255, 0, 0)), Filled(4, 6, qRgb(0, 0, 255)));
    ASSERT_EQ(grown.size(), QSize(7, 6));
    EXPECT_EQ(grown.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(grown.pixel(1, 4), qRgb(255, 255, 255)) << "below a shorter left piece is white";
    EXPECT_EQ(AppendBitmap(QImage(), Filled(4, 6, qRgb(0, 0, 255))), Filled(4, 6, qRgb(0, 0, 255)));
}

TEST(BitmapFromBmpBytes, NeedsTheBmSignature) {
    EXPECT_TRUE(BitmapFromBmpBytes({}).isNull());
    EXPECT_TRUE(BitmapFromBmpBytes({'G', 'I', 'F', '8', '9', 'a'}).isNull());
    EXPECT_TRUE(BitmapFromBmpBytes({'B', 'M', 0, 0}).isNull());
}

using LetterPictures = RenderDatabaseTest;

TEST_F(LetterPictures, EachLetterOfZhangLoadsItsPicture) {
    const std::u16string zhang = u"Zhang";
    for (size_t i = 0; i < zhang.size(); ++i) {
        CBmpPicture picture;
        EXPECT_TRUE(LoadLetterPicture(zhang.substr(i, 1), picture));
        EXPECT_EQ(picture.Bytes(), fixtures::LetterPictureBytes(zhang.substr(i, 1))) << "letter " << i;
    }
}

TEST_F(LetterPictures, FinalsPunctuationAndCapitalVowelsAreFound) {
    for (const char16_t* letter : {u"a", u"ǎ", u"ü", u"A", u"ǜ"}) {
        CBmpPicture picture;
        EXPECT_TRUE(LoadLetterPicture(letter, picture));
        EXPECT_EQ(picture.Bytes(), fixtures::LetterPictureBytes(letter));
    }
    CBmpPicture apostrophe;
    EXPECT_TRUE(LoadLetterPicture(u"'", apostrophe));
    EXPECT_EQ(apostrophe.Bytes(), fixtures::PunctuationPictureBytes(u"'"));
    CBmpPicture period;
    EXPECT_TRUE(LoadLetterPicture(u".", period));
    EXPECT_EQ(period.Bytes(), fixtures::PunctuationPictureBytes(u"."));
    EXPECT_TRUE(m_notice.shown.empty());
}

TEST_F(LetterPictures, ACapitalInitialIsNotHiddenByALowerCaseFinal) {
    // The word database holds the final m of interjections; the letter table compares without case.
    ASSERT_TRUE(
        m_wordDb.Execute(SqlQuery("INSERT INTO tbl_pinyin_yunmu (ym, tune, ymtune) VALUES ('m', 5, 'm')")));
    CBmpPicture picture;
    EXPECT_TRUE(LoadLetterPicture(u"M", picture));
    EXPECT_EQ(picture.Bytes(), fixtures::LetterPictureBytes(u"M"));
}

TEST_F(LetterPictures, ABlankOrUnknownLetterSucceedsWithoutAPicture) {
    for (const char16_t* letter : {u" ", u"#", u"7"}) {
        CBmpPicture picture;
        EXPECT_TRUE(LoadLetterPicture(letter, picture));
        EXPECT_FALSE(picture.HasBytes());
        EXPECT_EQ(picture.Width(), 0);
    }
}

TEST_F(LetterPictures, AnUnreachableDatabaseIsNotedForTheWindowNotShownPerLetter) {
    LoseWordDatabase();
    g_contentProblems.Take();
    CBmpPicture picture;
    EXPECT_TRUE(LoadLetterPicture(u"'", picture)) << "a failed punctuation query ends a one-letter load";
    LoadLetterPicture(u"a", picture);
    EXPECT_TRUE(m_notice.shown.empty());
    EXPECT_FALSE(g_contentProblems.Take().empty());
    EXPECT_FALSE(picture.HasBytes());
}
