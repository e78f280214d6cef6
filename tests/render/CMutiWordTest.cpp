#include "render/CMutiWord.h"
#include "RenderTestDatabases.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/TextEncoding.h"
#include "data/ContentProblems.h"
#include "fixtures/FixturePictures.h"
#include "render/LessonWindowLink.h"
#include "render/PinyinBitmap.h"
#include "render/WordColours.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr QRgb kGround = qRgb(252, 245, 223);
constexpr QRgb kWordColour = qRgb(0, 0, 160);
constexpr QRgb kNewWordColour = qRgb(200, 0, 0);
constexpr QRgb kPinyinColour = qRgb(0, 128, 0);

// The lesson window as a word sees it: records what it is asked to show.
class RecordingLessonWindow : public QWidget, public LessonWindowLink {
public:
    void ShowTypicalSentences() override { calls.push_back("typical"); }
    void ShowNote(const std::string& key) override { calls.push_back("note " + key); }
    void ShowWordStudy(const std::u16string& word, const std::u16string& pinyin,
                       const std::string& id) override {
        calls.push_back("study " + text::Utf16ToUtf8(word) + " " + text::Utf16ToUtf8(pinyin) + " " + id);
    }
    void ShowNewWordStudy(const std::u16string& word, const std::u16string& partOfSpeech,
                          const std::u16string& explanation, CMutiWord* control) override {
        calls.push_back("new word " + text::Utf16ToUtf8(word) + " " + text::Utf16ToUtf8(partOfSpeech) + " " +
                        text::Utf16ToUtf8(explanation));
        lastControl = control;
    }
    std::vector<std::string> calls;
    CMutiWord* lastControl = nullptr;
};

// The meaning popup between the lesson window and its words.
class Popup : public QWidget, public NoteKeyHolder {
public:
    explicit Popup(QWidget* parent, std::string key) : QWidget(parent), m_key(std::move(key)) {}
    std::string NoteKey() const override { return m_key; }

private:
    std::string m_key;
};

WordItem Item(const char16_t* word, const char16_t* pinyin, int mode, int lesson = 1) {
    WordItem item;
    item.word = word;
    item.pinyin[0] = pinyin;
    item.displayMode = mode;
    item.lessonNumber = lesson;
    item.clickable = 1;
    item.characterRowY = 18;
    item.wordId = "W1";
    return item;
}

int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// The smallest rectangle holding every pixel of the colour (empty when there is none).
QRect Extent(const QImage& image, QRgb colour) {
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

class WordControl : public RenderDatabaseTest {
protected:
    void SetUp() override {
        RenderDatabaseTest::SetUp();
        SetWordColoursSource([] { return WordColours{kWordColour, kNewWordColour, kPinyinColour}; });
        m_window.resize(400, 200);
        QPalette palette = m_window.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(kGround));
        m_window.setPalette(palette);
        m_window.setAutoFillBackground(true);
    }
    void TearDown() override {
        SetWordColoursSource({});
        RenderDatabaseTest::TearDown();
    }

    // A word placed as its owner would: the returned width and the line height.
    CMutiWord* Place(const WordItem& item, QWidget* parent = nullptr) {
        auto* word = new CMutiWord(parent ? parent : &m_window);
        const int width = word->SetItem(item);
        word->setGeometry(10, 10, std::max(width, 1), item.lineHeight);
        return word;
    }

    static QImage Shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    RecordingLessonWindow m_window;
};

} // namespace

TEST_F(WordControl, ANewWordOfTheLessonTakesTheNewWordColour) {
    CMutiWord* lesson1 = Place(Item(u"学生", u"xuésheng", WordItem::kCharactersOnly, 1));
    CMutiWord* lesson2 = Place(Item(u"学生", u"xuésheng", WordItem::kCharactersOnly, 2));
    EXPECT_TRUE(lesson1->IsNewWord());
    EXPECT_FALSE(lesson2->IsNewWord());
    const QImage new1 = Shot(lesson1);
    const QImage plain2 = Shot(lesson2);
    EXPECT_GT(Count(new1, kNewWordColour), 30);
    EXPECT_EQ(Count(new1, kWordColour), 0);
    EXPECT_GT(Count(plain2, kWordColour), 30);
    EXPECT_EQ(Count(plain2, kNewWordColour), 0);
    EXPECT_GT(Count(plain2, kGround), 100) << "the owner's ground shows between the strokes";
}

TEST_F(WordControl, AWordGivenAgainStartsOver) {
    CMutiWord* word = Place(Item(u"学生", u"xuésheng", WordItem::kCharactersOnly, 1));
    ASSERT_TRUE(word->IsNewWord());
    word->SetItem(Item(u"你好", u"nǐhǎo", WordItem::kCharactersOnly, 1));
    EXPECT_FALSE(word->IsNewWord());
}

TEST_F(WordControl, WidthsFollowTheDisplayMode) {
    const int side = fixtures::kCharacterPictureSide;
    const int xuesheng = [] {
        int width = 0;
        for (const char16_t* letter : {u"x", u"u", u"é", u"s", u"h", u"e", u"n", u"g"})
            width += BitmapFromBmpBytes(fixtures::LetterPictureBytes(letter)).width();
        return width;
    }();
    ASSERT_GT(xuesheng, 2 * side) << "the fixture's pinyin is wider than its characters";
    CMutiWord mode0(&m_window);
    EXPECT_EQ(mode0.SetItem(Item(u"学生", u"xuésheng", WordItem::kCharactersOnly)), 2 * side);
    CMutiWord mode1(&m_window);
    EXPECT_EQ(mode1.SetItem(Item(u"学生", u"xuésheng", WordItem::kPinyinAbove)), xuesheng);
    CMutiWord mode2(&m_window);
    EXPECT_EQ(mode2.SetItem(Item(u"学生", u"xuésheng", WordItem::kPinyinOnly)), xuesheng);
    CMutiWord narrowPinyin(&m_window);
    EXPECT_EQ(narrowPinyin.SetItem(Item(u"学生", u"é", WordItem::kPinyinAbove)), 2 * side);
    CMutiWord unknown(&m_window);
    EXPECT_EQ(unknown.SetItem(Item(u"龍", u"", WordItem::kCharactersOnly)), 0)
        << "a character with no picture";
}

TEST_F(WordControl, ModeOneDrawsPinyinAboveLeftAlignedCharacters) {
    CMutiWord* word = Place(Item(u"学生", u"xuésheng", WordItem::kPinyinAbove));
    const QImage shot = Shot(word);
    const QRect pinyin = Extent(shot, kPinyinColour);
    const QRect characters = Extent(shot, kNewWordColour);
    ASSERT_FALSE(pinyin.isEmpty());
    ASSERT_FALSE(characters.isEmpty());
    EXPECT_LT(pinyin.bottom(), fixtures::kLetterPictureHeight);
    EXPECT_GE(characters.top(), 18) << "characters start at the character row";
    EXPECT_LT(characters.right(), 2 * fixtures::kCharacterPictureSide)
        << "the characters stay at x = 0 although the pinyin is wider";
    EXPECT_GT(pinyin.right(), 2 * fixtures::kCharacterPictureSide);

    // The picture a person can look at.
    const std::string path = std::string(TESSALYNE_RENDER_OUTPUT_DIR) + "/word_control_mode1.png";
    QWidget sentence;
    sentence.resize(340, 60);
    QPalette palette = sentence.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(kGround));
    sentence.setPalette(palette);
    sentence.setAutoFillBackground(true);
    int x = 8;
    for (const WordItem& item : {Item(u"我", u"wǒ", 1), Item(u"是", u"shì", 1), Item(u"学生", u"xuésheng", 1),
                                 Item(u"。", u".", 1), Item(u"你好", u"Nǐ hǎo!", 1)}) {
        auto* w = new CMutiWord(&sentence);
        WordItem spaced = item;
        spaced.characterRowY = 20;
        const int width = w->SetItem(spaced);
        w->setGeometry(x, 6, width, 50);
        x += width + 10;
    }
    // Shown and painted the way a window is, then taken from the screen.
    sentence.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sentence));
    QApplication::processEvents();
    const QImage onScreen = QGuiApplication::primaryScreen()->grabWindow(sentence.winId()).toImage();
    EXPECT_EQ(onScreen.convertToFormat(QImage::Format_RGB32), Shot(&sentence)) << "painted as when grabbed";
    ASSERT_TRUE(onScreen.save(QString::fromStdString(path)));
}

TEST_F(WordControl, ModeTwoCentresThePinyinRow) {
    WordItem item = Item(u"学生", u"xuésheng", WordItem::kPinyinOnly);
    item.pinyinFactor = 1;
    CMutiWord* word = Place(item);
    const int pinyinWidth = word->width();
    word->setGeometry(10, 10, pinyinWidth + 40, 30);
    const QImage shot = Shot(word);
    EXPECT_GE(Extent(shot, kPinyinColour).left(), 20);
    EXPECT_LT(Extent(shot, kPinyinColour).right(), 20 + pinyinWidth);
    EXPECT_EQ(Count(shot, kNewWordColour) + Count(shot, kWordColour), 0) << "no characters in mode 2";

    item.pinyinFactor = 10; // the default factor pushes the start below zero: the row starts at 0
    word->SetItem(item);
    word->setGeometry(10, 10, pinyinWidth + 40, 30);
    EXPECT_LT(Extent(Shot(word), kPinyinColour).left(), 5);
}

TEST_F(WordControl, AStarIsDrawnRedAndItsPinyinNotAtAll) {
    CMutiWord* star = Place(Item(u"*", u"*", WordItem::kPinyinAbove));
    const QImage shot = Shot(star);
    EXPECT_GT(Count(shot, WordPictures::kStarColour), 3);
    EXPECT_EQ(Count(shot, kPinyinColour), 0);
}

TEST_F(WordControl, AClickOpensTheWordStudyPage) {
    CMutiWord* word = Place(Item(u"你好", u"nǐhǎo", WordItem::kPinyinAbove));
    ASSERT_TRUE(WriteTextFile(g_strTempLessonDir + "/CharFaYinFile.wav", "old sound"));
    QTest::mouseClick(word, Qt::LeftButton);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"study 你好 nǐhǎo W1"});
    EXPECT_FALSE(FileExists(g_strTempLessonDir + "/CharFaYinFile.wav")) << "the last pronunciation is gone";
}

TEST_F(WordControl, TheNewWordListOpensTheNewWordForm) {
    CMutiWord* word = Place(Item(u"学生", u"xuésheng", WordItem::kPinyinAbove));
    word->SetNewWordDetails(u"n. noun with a very long part of speech", u"student");
    QTest::mouseClick(word, Qt::LeftButton);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"new word 学生 n. noun with a very student"});
    EXPECT_EQ(m_window.lastControl, word);
}

TEST_F(WordControl, AClickedStarInAPopupShowsTheTypicalSentencesAndTheNote) {
    auto* popup = new Popup(&m_window, "NT0101");
    CMutiWord* star = Place(Item(u"*", u"*", WordItem::kPinyinAbove), popup);
    QTest::mouseClick(star, Qt::LeftButton);
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"typical", "note NT0101"}));

    m_window.calls.clear();
    auto* emptyPopup = new Popup(&m_window, "");
    CMutiWord* lone = Place(Item(u"*", u"*", WordItem::kPinyinAbove), emptyPopup);
    QTest::mouseClick(lone, Qt::LeftButton);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"typical"});

    m_window.calls.clear();
    CMutiWord* marks = Place(Item(u"。！", u".!", WordItem::kPinyinAbove));
    QTest::mouseClick(marks, Qt::LeftButton);
    EXPECT_EQ(m_window.calls, std::vector<std::string>{"study 。！ .! W1"}) << "punctuation longer than one";
}

TEST_F(WordControl, WordsThatAreNotClickableOrHaveNoPictureDoNothing) {
    WordItem item = Item(u"你好", u"nǐhǎo", WordItem::kPinyinAbove);
    item.clickable = 0;
    QTest::mouseClick(Place(item), Qt::LeftButton);
    QTest::mouseClick(Place(Item(u"龍", u"lóng", WordItem::kPinyinAbove)), Qt::LeftButton);
    QTest::mouseClick(Place(Item(u"你好", u"nǐhǎo", WordItem::kPinyinOnly)), Qt::LeftButton);
    EXPECT_TRUE(m_window.calls.empty());
}

TEST_F(WordControl, LongTextsAreCutToTheCapacity) {
    WordItem item = Item(u"", u"", WordItem::kPinyinAbove);
    item.word = std::u16string(150, u'你');
    item.pinyin[0] = std::u16string(300, u'a');
    CMutiWord word(&m_window);
    word.SetItem(item);
    EXPECT_EQ(word.Item().word.size(), WordItem::kMaxTextLength);
    EXPECT_EQ(word.Item().pinyin[0].size(), WordItem::kMaxTextLength);
}

TEST_F(WordControl, AnUnreachableLessonDatabaseIsNotedForTheWindowAndLeavesTheWordPlain) {
    LoseLessonDatabase();
    g_contentProblems.Take();
    CMutiWord* word = Place(Item(u"学生", u"xuésheng", WordItem::kCharactersOnly, 1));
    EXPECT_FALSE(word->IsNewWord());
    EXPECT_TRUE(m_notice.shown.empty());
    EXPECT_FALSE(g_contentProblems.Take().empty());
    EXPECT_GT(Count(Shot(word), kWordColour), 30);
}
