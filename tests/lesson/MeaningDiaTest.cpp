#include "LessonPaneTestBase.h"

#include "lesson/CMeaningDia.h"
#include "render/CMutiWord.h"
#include "render/GlyphScale.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

class MeaningDiaTest : public LessonPaneTest {
protected:
    // Characters only, no gaps, no indent: widths are the glyph pictures' widths.
    MeaningRecord Line(const std::u16string& words, int width) {
        MeaningRecord r;
        r.words = words;
        r.width = width;
        r.lineHeight = 40;
        r.lineGap = 5;
        r.cellWidth = 18;
        r.displayMode = 0;
        r.left = 3;
        r.top = 4;
        return r;
    }
    int WidthOf(const std::u16string& word) {
        CMeaningDia probe(&m_window);
        probe.Show(Line(word, 1000));
        return probe.WordControls().at(0)->width();
    }
    CMeaningDia m_popup{&m_window};
};

TEST_F(MeaningDiaTest, WrapsSoThatAClosingMarkNeverStartsALine) {
    const int ni = WidthOf(u"你"), hao = WidthOf(u"好");
    ASSERT_GT(ni, 0);
    // "好" would end 30 pixels before the edge: within the 50-pixel reserve for the "。".
    const int height = m_popup.Show(Line(u"你 好 。", ni + hao + 30));
    const auto words = m_popup.WordControls();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0]->pos(), QPoint(0, 0));
    EXPECT_EQ(words[1]->pos(), QPoint(0, 45));
    EXPECT_EQ(words[2]->pos(), QPoint(hao, 45));
    EXPECT_EQ(height, 85);
    EXPECT_EQ(m_popup.geometry(), QRect(3, 4, ni + hao + 30, 85));
    EXPECT_TRUE(m_popup.isVisibleTo(&m_window));

    // With room for the reserve the line is not broken.
    EXPECT_EQ(m_popup.Show(Line(u"你 好 。", ni + hao + 51 + WidthOf(u"。"))), 40);
}

TEST_F(MeaningDiaTest, ARowAtTwiceTheTextSizeIsTwiceAsWideAndTall) {
    struct Row {
        int height = 0;
        std::vector<QRect> words;
    };
    auto layOut = [&](int textSize) {
        SetChineseTextSizeSource([textSize] { return textSize; });
        MeaningRecord r;
        r.words = u"你 好 学生 。";
        r.pinyin = u"nǐ hǎo xuésheng .";
        r.width = 2000;
        r.UsePinyinAboveStyle(textSize);
        CMeaningDia popup(&m_window);
        Row row;
        row.height = popup.Show(r);
        for (const CMutiWord* word : popup.WordControls())
            row.words.push_back(word->geometry());
        SetChineseTextSizeSource({});
        return row;
    };
    const Row base = layOut(100);
    const Row large = layOut(200);
    ASSERT_EQ(base.words.size(), 4u);
    ASSERT_EQ(large.words.size(), 4u);
    EXPECT_EQ(large.height, 2 * base.height);
    for (size_t i = 0; i < base.words.size(); ++i)
        EXPECT_EQ(large.words[i], QRect(base.words[i].topLeft() * 2, base.words[i].size() * 2)) << i;
    EXPECT_EQ(large.words.back().right() + 1, 2 * (base.words.back().right() + 1));
}

TEST_F(MeaningDiaTest, AFirstWordWiderThanThePopupGoesToTheSecondLine) {
    const int ni = WidthOf(u"你");
    EXPECT_EQ(m_popup.Show(Line(u"你", ni - 1)), 85);
    ASSERT_EQ(m_popup.WordControls().size(), 1u);
    EXPECT_EQ(m_popup.WordControls()[0]->geometry(), QRect(0, 45, ni, 40));
}

TEST_F(MeaningDiaTest, TwoBlanksGiveAnEmptyWordWithItsOwnControl) {
    m_popup.Show(Line(u"你  好", 1000));
    const auto words = m_popup.WordControls();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_TRUE(words[1]->Item().word.empty());
    EXPECT_EQ(words[2]->x(), words[0]->width() + words[1]->width());
}

TEST_F(MeaningDiaTest, WordsGetTheirPinyinIdsAndTheRecordsItemValues) {
    MeaningRecord r = Line(u"你 好 我", 1000);
    r.pinyin = u"nǐ hǎo";
    r.wordIds = "A1 B2";
    r.lessonNumber = 1;
    r.clickable = 1;
    m_popup.Show(r);
    const auto words = m_popup.WordControls();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[1]->Item().pinyin[0], u"hǎo");
    EXPECT_EQ(words[1]->Item().wordId, "B2");
    // Beyond the pinyin groups and ids: empty.
    EXPECT_TRUE(words[2]->Item().pinyin[0].empty());
    EXPECT_TRUE(words[2]->Item().wordId.empty());
    EXPECT_EQ(words[0]->Item().lessonNumber, 1);
    EXPECT_EQ(words[0]->Item().cellWidth, 18);
    EXPECT_EQ(words[0]->objectName(), "65535");
}

TEST_F(MeaningDiaTest, TextLineModeAndEmptyRecords) {
    MeaningRecord r = Line(u"你 好", 1000);
    r.displayMode = MeaningRecord::kTextLineMode;
    EXPECT_EQ(m_popup.Show(r), 40);
    EXPECT_TRUE(m_popup.WordControls().empty());

    ASSERT_EQ(m_popup.Show(Line(u"你 好", 1000)), 40);
    const QRect shown = m_popup.geometry();
    EXPECT_EQ(m_popup.Show(Line(u"", 500)), 0);
    EXPECT_TRUE(m_popup.WordControls().empty());
    EXPECT_TRUE(m_popup.isVisibleTo(&m_window));
    EXPECT_EQ(m_popup.geometry(), shown);
}

TEST_F(MeaningDiaTest, NoMoreThan500WordControls) {
    std::u16string many;
    for (int i = 0; i < 600; ++i)
        many += u"你 ";
    m_popup.Show(Line(many, 2000));
    EXPECT_EQ(m_popup.WordControls().size(), 250u); // the words text is cut at 500 characters
    // Every blank of a 600-blank text would start an empty word.
    m_popup.Show(Line(std::u16string(600, u' '), 2000));
    EXPECT_EQ(m_popup.WordControls().size(), 500u);
}

TEST_F(MeaningDiaTest, ClicksReachTheTypicalSentenceOwners) {
    MeaningRecord r = Line(u"你", 1000);
    r.textKey = "TY0101";
    r.itemNumber = 5;
    m_popup.SetClickMode(CMeaningDia::kTypicalPanel);
    m_popup.Show(r);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&m_popup, &press);
    ASSERT_FALSE(m_window.calls.empty());
    EXPECT_EQ(m_window.calls.back(), "ShowTypicalDetail TY0101");

    struct Owner : QWidget, MeaningLineOwner {
        void OnMeaningLineClicked(int number) override { clicked = number; }
        int clicked = -1;
    } owner;
    CMeaningDia line(&owner);
    line.SetClickMode(CMeaningDia::kTypicalDialog);
    line.Show(r);
    QCoreApplication::sendEvent(&line, &press);
    EXPECT_EQ(owner.clicked, 3);
}

} // namespace
