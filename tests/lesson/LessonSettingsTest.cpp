#include "lesson/LessonSettings.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "fixtures/TempFolder.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

const char* kFile = "[Lesson]\nbtnReadText=Read the text\nItem_ListenRepeat=Listen & Repeat\n"
                    "FontName=Noto Sans\nCharSet=134\nFontWidth=0\nFontHeight=16\n"
                    "[lesson]\niMeaingR=10\niMeaingG=20\niMeaingB=300\niWordR=1\niPinYinB=200\n"
                    "iSentenceDis=12\niHangDis=4\n";

class Settings : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteTextFile(m_dir / "Lesson_res/lessonres_en.ini", kFile));
        g_strUserId.clear();
    }
    void TearDown() override { g_strUserId.clear(); }
    std::string Path() const { return m_dir.Path() + "lesson_res\\lessonres_en.ini"; }

    TempFolder m_dir;
};

TEST_F(Settings, BeforeLoginTheDefaultsAreInEffect) {
    LessonSettings s;
    ASSERT_TRUE(s.Load(Path()));
    EXPECT_EQ(s.Text(LessonText::btnReadText), "Read the text");
    EXPECT_EQ(s.Text(LessonText::Item_ListenRepeat), "Listen & Repeat");
    EXPECT_FALSE(s.Text(LessonText::ErrorText).empty());
    EXPECT_EQ(s.m_default.fontName, "Noto Sans");
    EXPECT_EQ(s.m_default.charSet, 134);
    EXPECT_EQ(s.m_default.sentenceDistance, 12);
    EXPECT_EQ(s.m_effective, s.m_default);
    EXPECT_EQ(s.m_effective.MeaningColor(), QColor(10, 20, 300 & 0xFF));
    EXPECT_TRUE(s.m_resumePrompt);
}

TEST_F(Settings, AUserSectionOverridesOnlyWhatItSets) {
    g_strUserId = "2026120712000000001";
    ASSERT_TRUE(WriteTextFile(m_dir / "Lesson_res/lessonres_en.ini",
                              std::string(kFile) + "[2026120712000000001]\niHangDis=8\n"));
    LessonSettings s;
    ASSERT_TRUE(s.Load(Path()));
    EXPECT_EQ(s.m_effective.lineDistance, 8);
    DisplaySettings expected = s.m_default;
    expected.lineDistance = 8;
    EXPECT_EQ(s.m_effective, expected);
}

TEST_F(Settings, TipFollowsTheBooleanRule) {
    g_strUserId = "42";
    const std::pair<const char*, bool> cases[] = {{"no", false},  {"0", false}, {"abc", false}, {"yes", true},
                                                  {"TRUE", true}, {"2", true},  {"", true},     {"-1", true}};
    for (const auto& [value, expected] : cases) {
        ASSERT_TRUE(WriteTextFile(m_dir / "Lesson_res/lessonres_en.ini",
                                  std::string(kFile) + "[42]\nTip=" + value + "\n"));
        LessonSettings s;
        ASSERT_TRUE(s.Load(Path()));
        EXPECT_EQ(s.m_resumePrompt, expected) << "Tip=" << value;
    }
}

TEST_F(Settings, SavingWritesOnlyTheUsersSectionAndIsReadBack) {
    g_strUserId = "7";
    LessonSettings s;
    ASSERT_TRUE(s.Load(Path()));
    s.m_effective.wordR = 200;
    s.m_effective.lineDistance = 9;
    s.m_resumePrompt = false;
    ASSERT_TRUE(s.SaveUser());
    const std::string text = ReadWholeFile(m_dir / "Lesson_res/lessonres_en.ini").value();
    EXPECT_EQ(text.substr(0, std::string(kFile).size()), kFile); // defaults untouched
    EXPECT_NE(text.find("[7]\nCharSet=134\nFontName=Noto Sans\nFontWidth=0\nFontHeight=16\niMeaingR=10"),
              std::string::npos)
        << text;

    LessonSettings again;
    ASSERT_TRUE(again.Load(Path()));
    EXPECT_EQ(again.m_effective, s.m_effective);
    EXPECT_FALSE(again.m_resumePrompt);

    g_strUserId = "8"; // another user still gets the defaults
    ASSERT_TRUE(again.Load(Path()));
    EXPECT_EQ(again.m_effective, again.m_default);
}

TEST_F(Settings, MissingFileLeavesEverythingEmpty) {
    LessonSettings s;
    EXPECT_FALSE(s.Load(m_dir / "none.ini"));
    EXPECT_EQ(s.Text(LessonText::btnReadText), "");
    EXPECT_EQ(s.m_effective, DisplaySettings{});
    EXPECT_TRUE(s.m_resumePrompt);
    EXPECT_FALSE(s.SaveUser()); // nobody logged in
}

TEST_F(Settings, TextWidthCountsChineseCharactersTwice) {
    int argc = 1;
    char name[] = "lesson_tests";
    char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    LessonSettings s;
    ASSERT_TRUE(s.Load(Path()));
    const QFont font = s.Font();
    EXPECT_EQ(font.pixelSize(), 16);
    const int blank = LessonSettings::TextWidth(" ", font);
    ASSERT_GT(blank, 0);
    EXPECT_EQ(LessonSettings::TextWidth("ab", font), 2 * blank);
    EXPECT_EQ(LessonSettings::TextWidth(QString::fromUtf8("你好a"), font), 5 * blank);
}

} // namespace
