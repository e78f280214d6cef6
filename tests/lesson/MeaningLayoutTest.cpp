#include "lesson/MeaningLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace meaning;

// Every character is 20 pixels wide; an empty word is 10.
int Measure(const PlacedWord& w) {
    return w.text.empty() ? 10 : static_cast<int>(w.text.size()) * 20;
}

LayoutParams Params(int width) {
    LayoutParams p;
    p.width = width;
    p.wordGap = 4;
    p.lineGap = 6;
    p.lineHeight = 40;
    return p;
}

TEST(MeaningLayout, FillsRowsAndWraps) {
    const Layout l = LayOut(u"我们 是 学生", u"wǒmen shì xuésheng", "W1 W2 W3", Params(100), Measure);
    ASSERT_EQ(l.words.size(), 3u);
    EXPECT_EQ(l.words[0].x, 0);
    EXPECT_EQ(l.words[1].x, 44);
    EXPECT_EQ(l.words[1].pinyin, u"shì");
    EXPECT_EQ(l.words[2].id, "W3");
    // 68 + 44 > 100: the third word starts the second row.
    EXPECT_EQ(l.words[2].x, 0);
    EXPECT_EQ(l.words[2].y, 46);
    EXPECT_EQ(l.height, 86);
}

TEST(MeaningLayout, AnOverWideFirstWordLeavesTheFirstRowEmpty) {
    const Layout l = LayOut(u"中华人民共和国", u"zhōnghuárénmíngònghéguó", "", Params(100), Measure);
    ASSERT_EQ(l.words.size(), 1u);
    EXPECT_EQ(l.words[0].y, 46);
    EXPECT_EQ(l.words[0].width, 140);
    EXPECT_EQ(l.height, 86);
}

TEST(MeaningLayout, AClosingMarkNeverStartsARowAlone) {
    // "你好" ends at 44 (+4 gap) ... the word before "。" ends 30 pixels before the edge.
    LayoutParams p = Params(118);
    const Layout l = LayOut(u"你好 学生 。", u"nǐhǎo xuésheng .", "", p, Measure);
    ASSERT_EQ(l.words.size(), 3u);
    // 学生 would fit (44 + 44 = 88 <= 118) but not with the 50-pixel reserve: it moves down with the mark.
    EXPECT_EQ(l.words[1].x, 0);
    EXPECT_EQ(l.words[1].y, 46);
    EXPECT_EQ(l.words[2].x, 44);
    EXPECT_EQ(l.words[2].y, 46);
}

TEST(MeaningLayout, WithoutAClosingMarkTheReserveDoesNotApply) {
    const Layout l = LayOut(u"你好 学生 好", u"nǐhǎo xuésheng hǎo", "", Params(118), Measure);
    EXPECT_EQ(l.words[1].y, 0);
}

TEST(MeaningLayout, DoubleBlanksGiveAnEmptyWordAndMissingPinyinOrIdsAreEmpty) {
    const Layout l = LayOut(u"我  好", u"wǒ", "A", Params(400), Measure);
    ASSERT_EQ(l.words.size(), 3u);
    EXPECT_EQ(l.words[1].text, u"");
    EXPECT_EQ(l.words[1].width, 10);
    EXPECT_EQ(l.words[2].pinyin, u"");
    EXPECT_EQ(l.words[2].id, "");
    EXPECT_EQ(l.words[2].x, 24 + 14);
}

TEST(MeaningLayout, BoundsAreKeptWithoutOverflow) {
    std::u16string words, pinyin;
    std::string ids;
    for (int i = 0; i < 400; ++i) {
        words += u"a ";
        pinyin += u"p ";
        ids += "i ";
    }
    const Layout l = LayOut(words, pinyin, ids, Params(1000), Measure);
    EXPECT_EQ(l.words.size(), 250u); // 500 characters of text
    EXPECT_EQ(l.words[99].pinyin, u"p");
    EXPECT_EQ(l.words[100].pinyin, u""); // only 100 pinyin groups
    EXPECT_EQ(SplitIds(ids).size(), kMaxIds);
    EXPECT_EQ(SplitPinyin(std::u16string(300, u'x')).front().size(), kMaxGroupLength);
}

TEST(MeaningLayout, ClosingMarks) {
    for (const char16_t* mark : {u"？", u"。", u"，", u"！", u"、", u"”", u"）"})
        EXPECT_TRUE(IsClosingMark(mark));
    EXPECT_FALSE(IsClosingMark(u"."));
    EXPECT_FALSE(IsClosingMark(u"。。"));
}

} // namespace
