#include "LessonWindowTestFolder.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "fixtures/ManualClock.h"
#include "lesson/CLessonWindow.h"
#include "lesson/ScrollRepeatButton.h"
#include "ui/BitmapButton.h"
#include "ui/ScrollPanel.h"
#include "ui/SkinLayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

class LessonWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_window = std::make_unique<CLessonWindow>(nullptr, &m_clock);
        m_window->SetLessonNumber(1);
        m_window->InitDialog();
    }
    void TearDown() override {
        m_window.reset();
        WindowTest::TearDown();
    }

    template <class T = BitmapButton> T* Control(int id) {
        return m_window->findChild<T*>(QString::number(id));
    }
    bool Shown(int id) { return Control<QWidget>(id)->isVisibleTo(m_window.get()); }
    int VisibleRightPanes() {
        int visible = 0;
        for (int pane = 0; pane < LessonPanes::kPaneCount; ++pane)
            visible += m_window->Panes()
                           .RightPane(static_cast<LessonPanes::Pane>(pane))
                           ->isVisibleTo(m_window.get());
        return visible;
    }

    ManualClock m_clock;
    std::unique_ptr<CLessonWindow> m_window;
};

TEST_F(LessonWindowTest, ButtonsCarryTheirTooltipsAndTheSceneShowsFirst) {
    EXPECT_EQ(Control(1024)->TooltipText(), QStringLiteral("Read the text aloud"));
    EXPECT_EQ(Control(1025)->TooltipText(), QStringLiteral("Exercises"));
    EXPECT_EQ(Control(1047)->TooltipText(), QStringLiteral("Spelling"));
    EXPECT_EQ(Control(1048)->TooltipText(), QStringLiteral("back"));
    EXPECT_EQ(Control(1029)->TooltipText(), QStringLiteral("new words"));
    EXPECT_EQ(Control(1079)->TooltipText(), QStringLiteral("up"));
    EXPECT_EQ(m_window->VisiblePane(), LessonPanes::kScene);
    EXPECT_EQ(VisibleRightPanes(), 1);
    EXPECT_TRUE(m_window->IsSceneActive());
    EXPECT_EQ(m_window->TitlePath(), m_folder.Path() + "Lesson_res\\lesson_en\\Dialog.bmp");
    // Nothing to scroll in an empty text: every scroll button is hidden.
    for (int id : {1078, 1079, 1080, 1081})
        EXPECT_FALSE(Shown(id)) << id;
    EXPECT_EQ(m_window->findChild<QWidget*>(QStringLiteral("337")), nullptr); // loading dialog gone
}

TEST_F(LessonWindowTest, TheHeadPictureComesFromTheDatabaseAndAFailedQueryStopsTheSetUp) {
    QImage head(40, 30, QImage::Format_RGB32);
    head.fill(Qt::darkCyan);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(head.save(&buffer, "BMP"));
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open((m_folder / "db/lesson.dll").c_str(), &raw), SQLITE_OK);
    sqlite3_exec(raw, "ALTER TABLE tbl_lesson_main_en ADD COLUMN lessonhead BLOB", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(raw, "UPDATE tbl_lesson_main_en SET lessonhead = ? WHERE id = 1", -1, &stmt, nullptr);
    sqlite3_bind_blob(stmt, 1, bmp.constData(), static_cast<int>(bmp.size()), SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE);
    sqlite3_finalize(stmt);
    sqlite3_close(raw);

    CLessonWindow window(nullptr, &m_clock);
    window.SetLessonNumber(1);
    window.InitDialog();
    EXPECT_TRUE(FileExists(g_strTempLessonDir + "/leson.bmp"));
    ASSERT_TRUE(window.HeadPicture().IsLoaded());
    EXPECT_EQ(window.HeadPicture().Size(), QSize(40, 30));

    Sql("DROP TABLE tbl_lesson_main_en");
    CLessonWindow broken(nullptr, &m_clock);
    broken.SetLessonNumber(1);
    broken.InitDialog();
    EXPECT_TRUE(broken.TitlePath().empty());
    EXPECT_NE(broken.findChild<QWidget*>(QStringLiteral("337")), nullptr);  // the loading dialog stays
    EXPECT_NE(broken.findChild<QWidget*>(QStringLiteral("1064")), nullptr); // the buttons are there
}

TEST_F(LessonWindowTest, PaneButtonsShowOnePaneWithItsTitle) {
    const struct {
        int button;
        LessonPanes::Pane pane;
        const char* title;
    } cases[] = {{1029, LessonPanes::kNewWords, "newword.bmp"},
                 {1032, LessonPanes::kLanguagePoints, "language_point.bmp"},
                 {1033, LessonPanes::kNotes, "note.bmp"},
                 {1034, LessonPanes::kTypical, "dianxinju.bmp"},
                 {1026, LessonPanes::kScene, "Dialog.bmp"}};
    for (const auto& c : cases) {
        ClickControl(m_window.get(), c.button);
        EXPECT_EQ(m_window->VisiblePane(), c.pane) << c.button;
        EXPECT_EQ(VisibleRightPanes(), 1) << c.button;
        EXPECT_EQ(m_window->TitlePath(), m_folder.Path() + "Lesson_res\\lesson_en\\" + c.title);
        EXPECT_EQ(m_window->IsSceneActive(), c.pane == LessonPanes::kScene);
    }
    m_window->ShowWordStudy(u"你好", u"nǐ hǎo", "PH0001");
    EXPECT_EQ(m_window->VisiblePane(), LessonPanes::kWordStudy);
    m_window->ShowNote("NT0101");
    EXPECT_EQ(m_window->VisiblePane(), LessonPanes::kSingleNote);
    EXPECT_EQ(m_window->Panes().RightPane(LessonPanes::kSingleNote)->geometry(),
              skinlayout::lesson::kRightPane);
    EXPECT_EQ(Control<ScrollRepeatButton>(1080)->Kind(), 6);
}

TEST_F(LessonWindowTest, TogglingTranslationsTwiceRestoresTheTooltip) {
    ClickControl(m_window.get(), 1064);
    EXPECT_FALSE(g_bShowTranslations);
    EXPECT_EQ(Control(1064)->TooltipText(), QStringLiteral("switch on translating the text"));
    ClickControl(m_window.get(), 1064);
    EXPECT_TRUE(g_bShowTranslations);
    EXPECT_EQ(Control(1064)->TooltipText(), QStringLiteral("switch off translating the text"));
}

TEST_F(LessonWindowTest, HoldingDownScrollsEveryHundredMillisecondsUntilTheBottom) {
    ScrollPanel* text = m_window->Panes().SentencePanel();
    const QRect frame = skinlayout::lesson::kSentencePanel;
    text->SetContentSize(frame, frame.height() + 100); // range 100: 5 pixels a step
    text->setGeometry(frame);
    text->SetScrollState(ScrollModel::kAtTop);
    m_window->SetTextScrollButtons(text->ScrollState());
    ASSERT_TRUE(Shown(1078));
    ASSERT_FALSE(Shown(1079));

    auto* down = Control<ScrollRepeatButton>(1078);
    QTest::mousePress(down, Qt::LeftButton);
    EXPECT_TRUE(down->IsRepeating());
    m_clock.Advance(std::chrono::milliseconds(99));
    EXPECT_EQ(text->ScrollPosition(), 0);
    m_clock.Advance(std::chrono::milliseconds(1));
    EXPECT_EQ(text->ScrollPosition(), 5);
    EXPECT_TRUE(Shown(1079)); // between: both shown
    int ticks = 1;
    while (down->IsRepeating() && ticks < 100) {
        m_clock.Advance(std::chrono::milliseconds(100));
        ++ticks;
    }
    EXPECT_EQ(ticks, 21); // 20 steps to the bottom, then the one that finds it
    EXPECT_EQ(text->ScrollPosition(), 100);
    EXPECT_EQ(text->ScrollState(), ScrollModel::kAtBottom);
    EXPECT_FALSE(Shown(1078));
    EXPECT_TRUE(Shown(1079));
    EXPECT_EQ(m_clock.PendingTimers(), 0);

    // Up: one step, then releasing stops the repeat.
    auto* up = Control<ScrollRepeatButton>(1079);
    QTest::mousePress(up, Qt::LeftButton);
    m_clock.Advance(std::chrono::milliseconds(100));
    EXPECT_EQ(text->ScrollPosition(), 95);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_FALSE(up->IsRepeating());
    m_clock.Advance(std::chrono::milliseconds(500));
    EXPECT_EQ(text->ScrollPosition(), 95);
}

TEST_F(LessonWindowTest, EnterAndEscapeDoNotCloseTheWindow) {
    m_window->show();
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &press);
    }
    EXPECT_TRUE(m_window->isVisible());
    ClickControl(m_window.get(), 1048);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->result(), QDialog::Rejected);
}

// The exercise program is a script here that writes down the arguments it was given.
TEST_F(LessonWindowTest, TheExerciseProgramGetsTheLessonNumberAndTheUserId) {
    const std::string script = m_folder / "exercise";
    ASSERT_TRUE(WriteTextFile(script, "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; "
                                      "pwd; } > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n"));
    ASSERT_EQ(chmod(script.c_str(), 0755), 0);
    g_strUserId = "20261207203015000001";
    m_window->SetLessonNumber(7);
    ClickControl(m_window.get(), 1025);
    QElapsedTimer waited;
    waited.start();
    while (!FileExists(script + ".args") && waited.elapsed() < 20000)
        QTest::qWait(20);
    const std::string args = ReadWholeFile(script + ".args").value_or("");
    std::string folder = m_folder.Path();
    folder.pop_back();
    EXPECT_EQ(args, "2\n[7]\n[20261207203015000001]\n" + folder + "\n");
}

} // namespace
