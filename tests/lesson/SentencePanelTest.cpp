#include "LessonPaneTestBase.h"

#include "app/FileUtils.h"
#include "audio/IClock.h"
#include "fixtures/FixtureDatabases.h"
#include "lesson/CLessonTitle.h"
#include "lesson/CMeaningDia.h"
#include "lesson/CMeaningText.h"
#include "lesson/CSentencePanel.h"
#include "lesson/CStaticPicture.h"
#include "lesson/LessonSettings.h"
#include "lesson/ReadAll.h"
#include "render/CMutiWord.h"
#include "ui/ProgramLook.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>

namespace {

using fixtures::FixtureIds;

class SentencePanelTest : public LessonPaneTest {
protected:
    void SetUp() override {
        LessonPaneTest::SetUp();
        m_panel = new CSentencePanel(m_content, &m_window);
        m_panel->SetFrame(QRect(20, 175, 450, 425));
    }
    int Load(const std::string& childLesson) {
        m_panel->SetLesson(1, childLesson);
        return m_panel->SetLessonData();
    }
    // Gives the first sentence the speaker title 我 ("Wang" in English).
    void AddSpeakerTitle() {
        ExecLesson("UPDATE tbl_sentence_explain_en SET titleexplain = 'Wang', title = '我', "
                   "titlepinyin = 'wǒ' WHERE id = 'S010101'");
    }
    CSentencePanel* m_panel = nullptr;
};

TEST_F(SentencePanelTest, AChildLessonWithoutSentencesGivesAnEmptyPanel) {
    EXPECT_EQ(Load("CL9999"), 20);
    EXPECT_EQ(m_panel->SentenceCount(), 0);
    EXPECT_EQ(m_panel->ScrollState(), 0);
    EXPECT_TRUE(m_panel->Readers().empty());
    EXPECT_EQ(m_panel->geometry(), QRect(20, 175, 450, 425));
}

TEST_F(SentencePanelTest, LoadsEverySentenceWithReadingControlWordsAndTranslation) {
    const int height = Load(FixtureIds::kChildLesson);
    ASSERT_EQ(m_panel->SentenceCount(), 2);
    EXPECT_GT(height, 100);
    EXPECT_EQ(m_panel->ScrollState(), 0);
    EXPECT_EQ(m_panel->ReadingControl(1)->SentenceId(), FixtureIds::kSentence2);
    EXPECT_EQ(m_panel->ReadingControl(0)->size(), QSize(35, 35));
    // Without speaker title: eight blanks before the translation; the words start 30 further right.
    EXPECT_EQ(m_panel->Translation(1)->Text(), "        I am a student.");
    EXPECT_EQ(m_panel->SentenceRow(1)->x(), 45);
    EXPECT_EQ(m_panel->SentenceRow(1)->WordControls().at(0)->x(), 30);
    EXPECT_EQ(m_panel->SentenceRow(1)->NoteKey(), FixtureIds::kNote);
    EXPECT_EQ(m_panel->LastNoteId(), FixtureIds::kNote);
    EXPECT_EQ(m_panel->SentenceRow(0)->WordControls().size(), 2u);
    EXPECT_TRUE(m_panel->IsSceneTimerActive());
}

TEST_F(SentencePanelTest, ASpeakerTitleComesBeforeTheWordsWithItsColon) {
    AddSpeakerTitle();
    Load(FixtureIds::kChildLesson);
    ASSERT_NE(m_panel->TitleRow(0), nullptr);
    EXPECT_EQ(m_panel->TitleRow(0)->x(), 45);
    const int titleWidth = m_panel->SentenceRow(0)->x() - 45 - 18;
    EXPECT_EQ(m_panel->SentenceRow(0)->WordControls().at(0)->x(), 0);
    EXPECT_EQ(m_panel->Translation(0)->Text(), "Hello!");
    EXPECT_EQ(m_panel->Translation(0)->x(), 45 + titleWidth + 18);
    EXPECT_EQ(m_panel->TitleRow(1), nullptr);
    const auto colons = m_panel->findChildren<CMutiWord*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(colons.size(), 1);
    EXPECT_EQ(colons[0]->geometry(), QRect(45 + titleWidth + 5, m_panel->SentenceRow(0)->y(), 13, 40));
}

TEST_F(SentencePanelTest, ASpeakerTitleIsWideEnoughForItsWordsAndItsTranslation) {
    AddSpeakerTitle();
    Load(FixtureIds::kChildLesson);
    const QFont font = g_lessonSettings.Font();
    const int titleWidth = m_panel->SentenceRow(0)->x() - 45 - 18;
    // At least the described width (the translation's length in blanks) ...
    EXPECT_GE(titleWidth, LessonSettings::TextWidth("Wang", font));
    // ... and never narrower than the translation or the Chinese title really are.
    EXPECT_GE(titleWidth, QFontMetrics(font).horizontalAdvance("Wang"));
    const auto colons = m_panel->findChildren<CMutiWord*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(colons.size(), 1);
    EXPECT_LE(45 + m_panel->TitleRow(0)->childrenRect().right() + 1, colons[0]->x());
}

TEST_F(SentencePanelTest, AWideSpeakerTitleWrapsAndLeavesEveryTranslationItsWords) {
    ExecLesson("UPDATE tbl_sentence_explain_en SET titleexplain = 'L''employée de la compagnie', "
               "title = '我', titlepinyin = 'wǒ', explain = 'Bonjour, votre passeport, s''il vous plaît.' "
               "WHERE id = 'S010101'");
    // A title whose Chinese is wider than its translation keeps its one row.
    ExecLesson(
        "UPDATE tbl_sentence_explain_en SET titleexplain = 'Marc', title = '马克', titlepinyin = 'Mǎkè' "
        "WHERE id = 'S010102'");
    Load(FixtureIds::kChildLesson);
    EXPECT_EQ(m_panel->TitleRow(1)->WordControls().at(0)->y(), 0);
    const QFontMetrics metrics(g_lessonSettings.Font());
    const auto widestWord = [&](const std::string& text) {
        int widest = 0;
        for (const QString& word : QString::fromStdString(text).split(' ', Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        return widest;
    };
    const CMeaningText* titleTranslation = nullptr;
    for (const QWidget* child : m_panel->findChildren<QWidget*>(QStringLiteral("277")))
        if (const auto* text = dynamic_cast<const CMeaningText*>(child);
            text->Text() == "L'employée de la compagnie")
            titleTranslation = text;
    ASSERT_NE(titleTranslation, nullptr);
    const CMeaningText* translation = m_panel->Translation(0);
    EXPECT_GE(titleTranslation->width(), widestWord(titleTranslation->Text()));
    EXPECT_GE(translation->width(), widestWord(translation->Text()));
    EXPECT_LE(titleTranslation->geometry().right(), translation->x());
    // The wrapped title translation is taller than one line; the next sentence starts below it.
    EXPECT_GE(m_panel->ReadingControl(1)->y(), titleTranslation->geometry().bottom());
    m_panel->ShowAllTranslations(false);
    m_panel->Relayout(true);
    m_panel->ShowAllTranslations(true);
    m_panel->Relayout(true);
    EXPECT_GE(m_panel->ReadingControl(1)->y(), titleTranslation->geometry().bottom());
}

TEST_F(SentencePanelTest, TurningTranslationsOffMovesSentencesUp) {
    Load(FixtureIds::kChildLesson);
    const int secondTop = m_panel->ReadingControl(1)->y();
    const int firstTranslation = m_panel->Translation(0)->height();
    m_panel->ShowAllTranslations(false);
    m_panel->Relayout(true);
    EXPECT_EQ(m_panel->ReadingControl(1)->y(), secondTop - firstTranslation - 7);
    EXPECT_FALSE(m_panel->Translation(0)->isVisibleTo(m_panel));

    // A switch of child lesson shows the translations again.
    Load(FixtureIds::kChildLesson);
    EXPECT_TRUE(m_panel->IsTranslationShown(0));
    EXPECT_TRUE(m_panel->Translation(0)->isVisibleTo(m_panel));
    EXPECT_EQ(m_panel->ReadingControl(1)->y(), secondTop);
}

TEST_F(SentencePanelTest, WithoutDistancesTheBlocksFollowDirectly) {
    g_lessonSettings.m_effective.lineDistance = 0;
    g_lessonSettings.m_effective.sentenceDistance = 0;
    Load(FixtureIds::kChildLesson);
    const CMeaningDia* row = m_panel->SentenceRow(0);
    EXPECT_EQ(m_panel->Translation(0)->y(), row->y() + row->Height());
    EXPECT_EQ(m_panel->ReadingControl(1)->y(),
              m_panel->Translation(0)->y() + m_panel->Translation(0)->height());
}

TEST_F(SentencePanelTest, TheSceneTimerPlaysTheSceneOnlyWhenTheScenePaneShows) {
    Load(FixtureIds::kChildLesson);
    m_panel->OnSceneTimer();
    EXPECT_TRUE(m_window.calls.empty());
    m_window.sceneActive = true;
    m_panel->OnSceneTimer();
    ASSERT_EQ(m_window.calls.size(), 1u);
    EXPECT_EQ(m_window.calls[0], std::string("PlayChildLessonScene ") + FixtureIds::kChildLesson);
    EXPECT_FALSE(m_panel->IsSceneTimerActive());
}

TEST_F(SentencePanelTest, ReadingControlMenuAndCommands) {
    AddSpeakerTitle();
    Load(FixtureIds::kChildLesson);
    CStaticPicture* reader = m_panel->ReadingControl(0);
    std::vector<std::pair<std::string, int>> played;
    reader->SetPlayer([&](const std::string& path) { played.emplace_back(path, reader->ReadingStateOf()); });

    const LessonSettings settings = g_lessonSettings;
    ASSERT_TRUE(WriteTextFile(m_dir / "lessonres_en.ini", "[Lesson]\nItem_ListenRepeat=Listen & Repeat\n"));
    ASSERT_TRUE(g_lessonSettings.Load(m_dir / "lessonres_en.ini"));
    std::unique_ptr<QMenu> menu(reader->BuildMenu(nullptr));
    g_lessonSettings = settings;
    std::vector<int> commands;
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && !action->menu())
            commands.push_back(action->data().toInt());
    EXPECT_EQ(commands, (std::vector<int>{32771, 32773, 32774, 32776}));
    const QMenu* speeds = menu->actions().back()->menu();
    ASSERT_NE(speeds, nullptr);
    std::vector<std::pair<int, bool>> speedItems;
    for (const QAction* action : speeds->actions())
        speedItems.emplace_back(action->data().toInt() - CStaticPicture::kSpeedCommandBase,
                                action->isChecked());
    EXPECT_EQ(speedItems, (std::vector<std::pair<int, bool>>{{100, true}, {75, false}, {50, false}}));
    reader->OnCommand(CStaticPicture::kSpeedCommandBase + 75);
    EXPECT_EQ(m_window.calls.back(), "ChooseSpeechSpeed 75") << "the window keeps the speed";
    EXPECT_EQ(menu->actions()[1]->text(), "Read the Sentence");
    EXPECT_EQ(menu->actions()[2]->iconText(), "Listen & Repeat");     // as shown: the & is no shortcut mark
    EXPECT_EQ(menu->font().family(), programlook::Font(13).family()); // the program's look

    // Read twice: played twice, the speaking icon only while playing.
    reader->OnCommand(CStaticPicture::kReadSentence);
    reader->OnCommand(CStaticPicture::kReadSentence);
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(played[0], std::make_pair(Scratch("S010101.wav"), 1));
    EXPECT_EQ(reader->ReadingStateOf(), 0);
    EXPECT_EQ(ReadWholeFile(Scratch("S010101.mp3")).value_or(""), "FAKE-MP3:s1");

    reader->OnCommand(CStaticPicture::kReadOrSilence);
    EXPECT_EQ(reader->ReadingStateOf(), 2);
    reader->OnCommand(CStaticPicture::kReadOrSilence);
    EXPECT_EQ(reader->ReadingStateOf(), 0);

    reader->OnCommand(CStaticPicture::kListenRepeat);
    EXPECT_EQ(m_window.calls.back(), "ShowListenSpeak " + Scratch("S010101.mp3"));
    EXPECT_EQ(m_window.listenSentence, u"你好 ！");

    const int secondTop = m_panel->ReadingControl(1)->y();
    reader->OnCommand(CStaticPicture::kShowHideMeaning);
    EXPECT_FALSE(m_panel->IsTranslationShown(0));
    EXPECT_EQ(reader->MeaningState(), 2);
    EXPECT_LT(m_panel->ReadingControl(1)->y(), secondTop);
    EXPECT_FALSE(m_panel->Translation(0)->isVisibleTo(m_panel));
}

TEST_F(SentencePanelTest, ASentenceWithoutRowOrDatabasePlaysNothing) {
    Load(FixtureIds::kChildLesson);
    CStaticPicture* reader = m_panel->ReadingControl(1);
    int plays = 0;
    reader->SetPlayer([&](const std::string&) { ++plays; });
    ExecLesson("DELETE FROM tbl_lesson_sentence WHERE id = 'S010102'");
    EXPECT_FALSE(reader->FetchSound());
    reader->ReadSentence();
    EXPECT_EQ(plays, 0);
    EXPECT_FALSE(FileExists(Scratch("S010102.mp3")));
    m_lessonDb.Close();
    reader->ReadSentence();
    EXPECT_EQ(plays, 0);
    ASSERT_EQ(m_paneNotice.shown.size(), 1u);
    EXPECT_EQ(m_paneNotice.shown[0],
              "Select * from tbl_lesson_sentence where  id = 'S010102' | open database fail");
}

class LessonTitleTest : public LessonPaneTest {};

TEST_F(LessonTitleTest, ListsTranslatedChildLessonsAndSwitchesToTheFirst) {
    ExecLesson("INSERT INTO tbl_lesson_childlesson (id, lessonid, indexid) VALUES ('CL0103', 1, 3)");
    ExecLesson("INSERT INTO tbl_lesson_childlesson (id, lessonid, indexid) VALUES ('CL0102', 1, 2)");
    ExecLesson("INSERT INTO tbl_lesson_childlesson_en (id, translation, scenedescimg) VALUES "
               "('CL0103', 'Third', X'424D')");
    CLessonTitle title(m_content, &m_window);
    title.LoadChildLessons(1);
    ASSERT_EQ(title.List()->count(), 2); // CL0102 has no English title
    EXPECT_EQ(title.List()->itemText(1), "Third");
    EXPECT_EQ(title.ChildLessonIds(), (std::vector<std::string>{FixtureIds::kChildLesson, "CL0103"}));
    EXPECT_EQ(title.List()->currentIndex(), 0);
    EXPECT_EQ(m_window.calls, (std::vector<std::string>{"SetSceneChildLesson CL0101", "SetChildLesson CL0101",
                                                        "SetChildTitle " + Scratch("child_title.bmp"),
                                                        "SetTextScrollButtons 3"}));

    m_window.calls.clear();
    title.OnSelectionChange(0);
    EXPECT_TRUE(m_window.calls.empty());
    title.List()->setCurrentIndex(1);
    EXPECT_EQ(title.CurrentIndex(), 1);
    ASSERT_EQ(m_window.calls.size(), 4u);
    EXPECT_EQ(m_window.calls[1], "SetChildLesson CL0103");
    EXPECT_EQ(ReadWholeFile(Scratch("child_title.bmp")).value_or(""), "BM");
}

TEST_F(LessonTitleTest, AFailedQueryLeavesTheListEmpty) {
    m_lessonDb.Close();
    CLessonTitle title(m_content, &m_window);
    title.LoadChildLessons(1);
    EXPECT_EQ(title.List()->count(), 0);
    EXPECT_TRUE(m_window.calls.empty());
    ASSERT_EQ(m_paneNotice.shown.size(), 1u);
    EXPECT_EQ(
        m_paneNotice.shown[0],
        "Select * from tbl_lesson_childlesson where lessonid = 1 order by indexid | open database fail");
}

} // namespace

namespace {

// A clock whose sleeps move it forward.
class SleepingClock : public IClock {
public:
    Duration Now() const override { return m_now; }
    TimerId StartTimer(Duration, std::function<void()>) override { return 0; }
    void CancelTimer(TimerId) override {}
    void Sleep(Duration d) override {
        m_now += d;
        ++sleeps;
    }
    Duration m_now{0};
    int sleeps = 0;
};

TEST(WaitDispatchingTest, WaitsInShortStepsAndKeepsAnswering) {
    SleepingClock clock;
    bool answered = false;
    QMetaObject::invokeMethod(
        qApp, [&] { answered = true; }, Qt::QueuedConnection);
    WaitDispatching(clock, 2005, [] { return false; });
    EXPECT_TRUE(answered);
    EXPECT_EQ(clock.Now(), std::chrono::milliseconds(2005));
    EXPECT_EQ(clock.sleeps, 101);
}

} // namespace
