#include "lesson/LessonSettings.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "fixtures/FileSizeLimit.h"
#include "fixtures/TempFolder.h"

#include <QGuiApplication>
#include <chrono>
#include <csignal>
#include <dirent.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

// An installed program folder is only read: a learner's settings go to the user's own copy, which
// wins over a section that an older, writable program folder still holds.
TEST_F(Settings, TheUsersOwnFileIsWrittenAndReadOverTheProgramFolders) {
    g_strUserId = "7";
    const std::string program = std::string(kFile) + "[7]\niHangDis=8\n";
    ASSERT_TRUE(WriteTextFile(m_dir / "Lesson_res/lessonres_en.ini", program));
    const std::string own = m_dir / "config/Lesson_res/lessonres_en.ini";
    LessonSettings s;
    ASSERT_TRUE(s.Load(Path(), own));
    EXPECT_EQ(s.m_effective.lineDistance, 8) << "the older section is lost";
    s.m_effective.lineDistance = 9;
    ASSERT_TRUE(s.SaveUser()) << s.SaveError();
    EXPECT_EQ(ReadWholeFile(m_dir / "Lesson_res/lessonres_en.ini"), program);
    LessonSettings again;
    ASSERT_TRUE(again.Load(Path(), own));
    EXPECT_EQ(again.m_effective.lineDistance, 9);
    EXPECT_EQ(again.Text(LessonText::btnReadText), "Read the text");
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

TEST_F(Settings, TheChineseTextSizeIsOneOfTheOfferedSizes) {
    g_strUserId = "42";
    const std::pair<const char*, int> cases[] = {{"", 100},    {"150", 150}, {"200", 200}, {"175", 200},
                                                 {"999", 200}, {"-5", 100},  {"abc", 100}, {"120", 100}};
    for (const auto& [value, expected] : cases) {
        ASSERT_TRUE(WriteTextFile(m_dir / "Lesson_res/lessonres_en.ini",
                                  std::string(kFile) + "[42]\nChineseTextSize=" + value + "\n"));
        LessonSettings s;
        ASSERT_TRUE(s.Load(Path()));
        EXPECT_EQ(s.m_default.chineseTextSize, 100);
        EXPECT_EQ(s.m_effective.chineseTextSize, expected) << "ChineseTextSize=" << value;
    }
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
    s.m_effective.chineseTextSize = 200;
    s.m_resumePrompt = false;
    s.m_speechSpeed = 75;
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
    EXPECT_EQ(again.m_speechSpeed, 75);

    g_strUserId = "8"; // another user still gets the defaults
    ASSERT_TRUE(again.Load(Path()));
    EXPECT_EQ(again.m_effective, again.m_default);
    EXPECT_EQ(again.m_speechSpeed, 100);
}

// Every value of the display settings changed, so that a file holding some old and some new values
// cannot pass for either.
LessonSettings AllChanged(const LessonSettings& old) {
    LessonSettings changed = old;
    DisplaySettings& d = changed.m_effective;
    for (int* field : {&d.charSet, &d.fontWidth, &d.fontHeight, &d.meaningR, &d.meaningG, &d.meaningB,
                       &d.newWordR, &d.newWordG, &d.newWordB, &d.wordR, &d.wordG, &d.wordB, &d.pinyinR,
                       &d.pinyinG, &d.pinyinB, &d.sentenceDistance, &d.lineDistance})
        *field += 1;
    d.fontName += " Bold";
    d.chineseTextSize = old.m_effective.chineseTextSize == 200 ? 150 : 200;
    changed.m_resumePrompt = !old.m_resumePrompt;
    return changed;
}

std::vector<std::string> TemporaryFilesIn(const std::string& folder) {
    std::vector<std::string> found;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* e = readdir(dir))
            if (std::string(e->d_name).find(".tmp") != std::string::npos)
                found.push_back(e->d_name);
        closedir(dir);
    }
    return found;
}

TEST_F(Settings, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewSettingsAndNoTemporaryFile) {
    g_strUserId = "7";
    const std::string file = m_dir / "Lesson_res/lessonres_en.ini";
    LessonSettings old;
    ASSERT_TRUE(old.Load(Path()));
    ASSERT_TRUE(old.SaveUser());
    const std::string oldText = ReadWholeFile(file).value();
    LessonSettings changed = AllChanged(old);
    // One save's duration here spreads the kills over before, during and after the save.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(changed.SaveUser());
    const auto saveMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
            .count();
    std::mt19937 random(26);
    std::uniform_int_distribution<long> killAfter(0, saveMicros * 3 / 2 + 1);
    for (int round = 0; round < 50; ++round) {
        ASSERT_TRUE(WriteTextFile(file, oldText));
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            const char go = 1;
            if (write(ready[1], &go, 1) == 1)
                changed.SaveUser();
            _exit(0);
        }
        close(ready[1]);
        char go = 0;
        ASSERT_EQ(read(ready[0], &go, 1), 1);
        close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(killAfter(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        LessonSettings reread;
        ASSERT_TRUE(reread.Load(Path()));
        const bool isOld =
            reread.m_effective == old.m_effective && reread.m_resumePrompt == old.m_resumePrompt;
        const bool isNew =
            reread.m_effective == changed.m_effective && reread.m_resumePrompt == changed.m_resumePrompt;
        EXPECT_TRUE(isOld || isNew) << "round " << round << ":\n" << ReadWholeFile(file).value_or("");
    }
    // The temporary files of the killed saves go at the next start.
    RemoveLeftoverTemporaryFiles(m_dir / "Lesson_res");
    EXPECT_EQ(TemporaryFilesIn(m_dir / "Lesson_res"), std::vector<std::string>{});
}

TEST_F(Settings, AFailedSaveKeepsTheFileAndIsToldOnceWithItsReason) {
    g_strUserId = "7";
    const std::string before = ReadWholeFile(m_dir / "Lesson_res/lessonres_en.ini").value();
    LessonSettings s;
    ASSERT_TRUE(s.Load(Path()));
    s.m_effective.wordR = 99;
    {
        fixtures::FileSizeLimit fullDisk(16);
        EXPECT_FALSE(s.SaveUser());
        EXPECT_FALSE(s.SaveUser());
    }
    EXPECT_EQ(ReadWholeFile(m_dir / "Lesson_res/lessonres_en.ini").value(), before);
    EXPECT_NE(s.SaveError().find("File too large"), std::string::npos) << s.SaveError();
    const std::string told = s.SaveFailureToTell();
    EXPECT_NE(told.find("could not be saved"), std::string::npos);
    EXPECT_NE(told.find(s.SaveError()), std::string::npos) << told;
    EXPECT_EQ(s.SaveFailureToTell(), "");
    EXPECT_EQ(TemporaryFilesIn(m_dir / "Lesson_res"), std::vector<std::string>{});
    ASSERT_TRUE(s.SaveUser());
    EXPECT_EQ(s.SaveError(), "");
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
