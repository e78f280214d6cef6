#include "LessonWindowTestFolder.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "charstudy/CWordStudyDlg.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/ManualClock.h"
#include "lesson/CLessonPanes.h"
#include "lesson/CLessonTitle.h"
#include "lesson/CLessonWindow.h"
#include "lesson/CMeaningDia.h"
#include "lesson/CMeaningText.h"
#include "lesson/CNewWordList.h"
#include "lesson/CNewWordPane.h"
#include "lesson/CNotePage.h"
#include "lesson/CNotesPane.h"
#include "lesson/CSentencePanel.h"
#include "lesson/CStaticPicture.h"
#include "lesson/CTypicalDialog.h"
#include "lesson/CTypicalPanel.h"
#include "lesson/LessonSettings.h"
#include "lesson/ScrollRepeatButton.h"
#include "render/CMutiWord.h"
#include "ui/BitmapButton.h"
#include "ui/ScrollPanel.h"
#include "ui/SkinLayout.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

class LessonWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_window = std::make_unique<CLessonWindow>(m_content, nullptr, &m_clock);
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

// What the windows would have told the learner.
struct ToldNotices final : UserNotice {
    ToldNotices() : previous(SetUserNotice(this)) {}
    ~ToldNotices() override { SetUserNotice(previous); }
    void Show(Kind, const std::string& title, const std::string& text) override {
        shown.push_back(title + "|" + text);
    }
    bool Ask(const std::string&, const std::string&) override { return false; }
    UserNotice* previous;
    std::vector<std::string> shown;
};

// Damaged content opens what can be read; one message says what cannot and what still works.
class DamagedContentTest : public LessonWindowTest {
protected:
    std::vector<std::string> OpenLessonOne() {
        ToldNotices notices;
        m_window = std::make_unique<CLessonWindow>(m_content, nullptr, &m_clock);
        m_window->SetLessonNumber(1);
        m_window->InitDialog();
        m_window->TellContentProblems();
        m_window->TellContentProblems();
        return notices.shown;
    }
};

TEST_F(DamagedContentTest, ALessonWhoseSentencesCannotBeReadIsToldOnce) {
    Sql("DROP TABLE tbl_lesson_sentence");
    const std::vector<std::string> shown = OpenLessonOne();
    ASSERT_EQ(shown.size(), 1u) << testing::PrintToString(shown);
    EXPECT_EQ(shown[0].rfind("Damaged lesson content|Part of lesson 1 could not be read", 0), 0u) << shown[0];
    EXPECT_NE(shown[0].find("db/lesson.dll: no such table: tbl_lesson_sentence"), std::string::npos)
        << shown[0];
    EXPECT_NE(shown[0].find("the rest of this lesson and the other lessons still work"), std::string::npos);
    EXPECT_EQ(shown[0].find("word.dll"), std::string::npos) << shown[0];
}

TEST_F(DamagedContentTest, AWordDatabaseWithoutItsCharacterTableIsToldOnce) {
    ASSERT_TRUE(m_wordDb.Execute(SqlQuery("DROP TABLE tbl_hz_main")));
    const std::vector<std::string> shown = OpenLessonOne();
    ASSERT_EQ(shown.size(), 1u) << testing::PrintToString(shown);
    EXPECT_NE(shown[0].find("db/word.dll: no such table: tbl_hz_main"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("Chinese characters cannot be drawn"), std::string::npos) << shown[0];
    // The sentences are still there, with their translations.
    const auto* sentences = dynamic_cast<CLessonPanes&>(m_window->Panes()).Sentences();
    EXPECT_EQ(sentences->SentenceCount(), 2);
}

TEST_F(DamagedContentTest, MissingLetterAndPunctuationPicturesAreToldOnceNotPerLetter) {
    ASSERT_TRUE(m_wordDb.Execute(SqlQuery("DROP TABLE tbl_pinyin_yunmu")));
    ASSERT_TRUE(m_wordDb.Execute(SqlQuery("DROP TABLE tbl_biaodian_main")));
    Sql("DROP TABLE tbl_lesson_newword");
    const std::vector<std::string> shown = OpenLessonOne();
    ASSERT_EQ(shown.size(), 1u) << testing::PrintToString(shown);
    EXPECT_NE(shown[0].find("no such table: tbl_biaodian_main"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("no such table: tbl_lesson_newword"), std::string::npos) << shown[0];
}

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

    CLessonWindow window(m_content, nullptr, &m_clock);
    window.SetLessonNumber(1);
    window.InitDialog();
    EXPECT_TRUE(FileExists(g_strTempLessonDir + "/leson.bmp"));
    ASSERT_TRUE(window.HeadPicture().IsLoaded());
    EXPECT_EQ(window.HeadPicture().Size(), QSize(40, 30));

    Sql("DROP TABLE tbl_lesson_main_en");
    ToldNotices notices;
    CLessonWindow broken(m_content, nullptr, &m_clock);
    broken.SetLessonNumber(1);
    broken.InitDialog();
    EXPECT_TRUE(broken.TitlePath().empty());
    EXPECT_NE(broken.findChild<QWidget*>(QStringLiteral("1064")), nullptr); // the buttons are there
    // The loading picture goes, the learner is told and can go back.
    EXPECT_EQ(broken.findChild<QWidget*>(QStringLiteral("337")), nullptr);
    broken.TellContentProblems();
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_NE(notices.shown[0].find("tbl_lesson_main_en"), std::string::npos) << notices.shown[0];
    broken.show();
    broken.findChild<BitmapButton*>(QStringLiteral("1048"))->click();
    EXPECT_FALSE(broken.isVisible());
    EXPECT_EQ(broken.result(), QDialog::Rejected);
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

using fixtures::FixtureIds;

// The lesson window over the fixture lesson with the panes it is built with.
class LessonPanesTest : public LessonWindowTest {
protected:
    void SetUp() override {
        LessonWindowTest::SetUp();
        m_panes = dynamic_cast<CLessonPanes*>(&m_window->Panes());
        ASSERT_NE(m_panes, nullptr);
    }

    template <class T> T* Pane(LessonPanes::Pane pane) {
        return dynamic_cast<T*>(m_window->Panes().RightPane(pane));
    }
    // The word control of the sentence panel's row `sentence` that shows `word`.
    CMutiWord* SentenceWord(int sentence, const std::u16string& word) {
        for (CMutiWord* control : m_panes->Sentences()->SentenceRow(sentence)->WordControls())
            if (control->Item().word == word)
                return control;
        return nullptr;
    }
    void WritePicture(const char* name) {
        const QString path = QStringLiteral(TESSALYNE_LESSON_OUTPUT_DIR "/") + QString::fromLatin1(name);
        EXPECT_TRUE(m_window->grab().save(path)) << path.toStdString();
    }

    CLessonPanes* m_panes = nullptr;
};

TEST_F(LessonPanesTest, TheFirstChildLessonFillsTheSentencePanel) {
    EXPECT_EQ(m_panes->Title()->ChildLessonIds(), std::vector<std::string>{FixtureIds::kChildLesson});
    EXPECT_EQ(m_panes->Title()->List()->currentText(), QStringLiteral("Meeting a classmate"));
    CSentencePanel* sentences = m_panes->Sentences();
    EXPECT_EQ(m_window->Panes().SentencePanel(), sentences);
    ASSERT_EQ(sentences->SentenceCount(), 2);
    EXPECT_EQ(sentences->ReadingControl(0)->SentenceId(), FixtureIds::kSentence1);
    EXPECT_EQ(sentences->ReadingControl(1)->SentenceId(), FixtureIds::kSentence2);
    EXPECT_NE(SentenceWord(0, u"你好"), nullptr);
    EXPECT_NE(SentenceWord(1, u"学生"), nullptr);
    EXPECT_NE(sentences->Translation(0)->Text().find("Hello!"), std::string::npos);
    // The read-aloud loop reads the panel's reading controls in order.
    const std::vector<SentenceReader*> readers = m_window->Panes().SentenceReaders();
    ASSERT_EQ(readers.size(), 2u);
    EXPECT_EQ(readers[0], sentences->ReadingControl(0));
    EXPECT_EQ(readers[1], sentences->ReadingControl(1));

    // The translation button takes the translations out of the layout and brings them back.
    const int secondTop = sentences->SentenceRow(1)->y();
    ClickControl(m_window.get(), 1064);
    EXPECT_FALSE(sentences->IsTranslationShown(0));
    EXPECT_LT(sentences->SentenceRow(1)->y(), secondTop);
    ClickControl(m_window.get(), 1064);
    EXPECT_TRUE(sentences->IsTranslationShown(1));
    EXPECT_EQ(sentences->SentenceRow(1)->y(), secondTop);
    WritePicture("lesson_window_sentences.png");
}

TEST_F(LessonPanesTest, TheTextScrollButtonsFollowTheWheelTheTranslationButtonAndChildLessons) {
    g_lessonSettings.m_effective.sentenceDistance = 400; // a text taller than its panel
    m_window->show();
    m_window->SetChildLesson(FixtureIds::kChildLesson);
    m_window->SetTextScrollButtons(m_window->TextScrollState());
    CSentencePanel* sentences = m_panes->Sentences();
    ASSERT_EQ(sentences->ScrollState(), ScrollModel::kAtTop);
    EXPECT_FALSE(Shown(1079));

    // The wheel (here a touchpad's pixels) brings the second sentence to the top: both buttons.
    const int second = sentences->ReadingControl(1)->y();
    QWheelEvent wheel(QPointF(20, 20), QPointF(20, 20), QPoint(0, -second), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(sentences, &wheel);
    EXPECT_EQ(sentences->ReadingControl(1)->y(), 0);
    EXPECT_TRUE(Shown(1079));
    EXPECT_TRUE(Shown(1078));

    // Hiding the translations keeps that sentence at the top.
    ClickControl(m_window.get(), 1064);
    EXPECT_FALSE(sentences->IsTranslationShown(0));
    EXPECT_EQ(sentences->ReadingControl(1)->y(), 0);
    EXPECT_TRUE(Shown(1079));

    // Another child lesson shows its translations; the next press hides them at once.
    m_window->SetChildLesson(FixtureIds::kChildLesson);
    ASSERT_TRUE(sentences->IsTranslationShown(0));
    ClickControl(m_window.get(), 1064);
    EXPECT_FALSE(sentences->IsTranslationShown(0));
}

TEST_F(LessonPanesTest, PaneButtonsShowTheLessonsContent) {
    ClickControl(m_window.get(), 1029);
    auto* newWords = Pane<CNewWordPane>(LessonPanes::kNewWords);
    ASSERT_NE(newWords, nullptr);
    EXPECT_TRUE(newWords->isVisibleTo(m_window.get()));
    ASSERT_NE(newWords->List(), nullptr);
    ASSERT_EQ(newWords->List()->WordCount(), 1);
    EXPECT_EQ(newWords->List()->Word(0)->Item().word, u"学生");

    ClickControl(m_window.get(), 1034);
    auto* typical = Pane<CTypicalPanel>(LessonPanes::kTypical);
    ASSERT_NE(typical, nullptr);
    EXPECT_TRUE(typical->isVisibleTo(m_window.get()));
    EXPECT_EQ(typical->LineCount(), 1);
    // A click on the typical sentence opens its detail dialog.
    QTest::mouseClick(typical->Line(0), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    ASSERT_NE(m_panes->TypicalDialog(), nullptr);
    EXPECT_TRUE(m_panes->TypicalDialog()->isVisible());
    EXPECT_EQ(m_panes->TypicalDialog()->TypicalId(), FixtureIds::kTypical);
    EXPECT_EQ(m_panes->TypicalDialog()->Examples().size(), 1u);
    m_panes->TypicalDialog()->hide();

    ClickControl(m_window.get(), 1033);
    auto* notes = Pane<CNotesPane>(LessonPanes::kNotes);
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isVisibleTo(m_window.get()));
    EXPECT_EQ(notes->NoteCount(), 1);

    ClickControl(m_window.get(), 1032);
    auto* points = Pane<CNotePage>(LessonPanes::kLanguagePoints);
    ASSERT_NE(points, nullptr);
    EXPECT_TRUE(points->isVisibleTo(m_window.get()));

    m_window->ShowNote(FixtureIds::kNote);
    auto* note = Pane<CNotePage>(LessonPanes::kSingleNote);
    ASSERT_NE(note, nullptr);
    EXPECT_NE(note, points);
    EXPECT_TRUE(note->isVisibleTo(m_window.get()));

    m_window->ShowListenSpeak(u"你好 ！", u"nǐhǎo !", "missing.mp3");
    EXPECT_EQ(m_panes->ListenSpeak(), m_window->Panes().RightPane(LessonPanes::kListenSpeak));
    EXPECT_TRUE(m_panes->ListenSpeak()->isVisibleTo(m_window.get()));
    EXPECT_EQ(m_panes->ListenSpeak()->SentenceText(), u"你好 ！");
}

TEST_F(LessonPanesTest, EveryScrollKindHasItsPanel) {
    EXPECT_EQ(m_window->Panes().ScrollTarget(4), nullptr); // the word list comes with the new words
    m_window->ShowNewWords();
    LessonPanes& panes = m_window->Panes();
    EXPECT_EQ(panes.ScrollTarget(1), panes.SentencePanel());
    EXPECT_EQ(panes.ScrollTarget(2), panes.RightPane(LessonPanes::kNotes));
    EXPECT_EQ(panes.ScrollTarget(3), panes.RightPane(LessonPanes::kLanguagePoints));
    EXPECT_EQ(panes.ScrollTarget(4), m_panes->NewWords()->List());
    EXPECT_EQ(panes.ScrollTarget(5), panes.RightPane(LessonPanes::kTypical));
    EXPECT_EQ(panes.ScrollTarget(6), panes.RightPane(LessonPanes::kSingleNote));
    EXPECT_EQ(panes.ScrollTarget(0), nullptr);
    EXPECT_EQ(panes.ScrollTarget(7), nullptr);
    // The right-pane scroll buttons move the shown pane's panel.
    EXPECT_EQ(m_window->findChild<ScrollRepeatButton*>(QStringLiteral("1080"))->Kind(), 4);
    ClickControl(m_window.get(), 1033);
    EXPECT_EQ(m_window->findChild<ScrollRepeatButton*>(QStringLiteral("1081"))->Kind(), 2);
}

TEST_F(LessonPanesTest, AClickedWordOpensTheWordStudyPage) {
    CMutiWord* word = SentenceWord(1, u"学生");
    ASSERT_NE(word, nullptr);
    QTest::mouseClick(word, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(m_window->VisiblePane(), LessonPanes::kWordStudy);
    CWordStudyDlg* study = m_panes->WordStudy();
    EXPECT_EQ(m_window->Panes().RightPane(LessonPanes::kWordStudy), study);
    EXPECT_TRUE(study->isVisibleTo(m_window.get()));
    EXPECT_FALSE(study->isWindow()); // a page inside the lesson window
    EXPECT_EQ(study->CurrentWord(), u"学生");
    EXPECT_FALSE(study->IsSingleCharacter());
    WritePicture("lesson_window_word_study.png");

    // A new word opens the page with the full look-up of the word.
    m_window->ShowNewWords();
    QTest::mouseClick(m_panes->NewWords()->List()->Word(0), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(m_window->VisiblePane(), LessonPanes::kWordStudy);
    EXPECT_EQ(study->CurrentWord(), u"学生");

    m_window->ShowWordStudy(u"你", u"nǐ", FixtureIds::kCharacterNi);
    EXPECT_EQ(study->CurrentWord(), u"你");
    EXPECT_TRUE(study->IsSingleCharacter());
}

} // namespace
