#include "LessonWindowTestFolder.h"

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
#include "lesson/ScrollRepeatButton.h"
#include "render/CMutiWord.h"
#include "ui/ScrollPanel.h"

#include <QComboBox>
#include <QTest>

namespace {

using fixtures::FixtureIds;

// The lesson window over the fixture lesson with the panes it is built with.
class LessonPanesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_window = std::make_unique<CLessonWindow>(nullptr, &m_clock);
        m_window->SetLessonNumber(1);
        m_window->InitDialog();
        m_panes = dynamic_cast<CLessonPanes*>(&m_window->Panes());
        ASSERT_NE(m_panes, nullptr);
    }
    void TearDown() override {
        m_window.reset();
        WindowTest::TearDown();
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

    ManualClock m_clock;
    std::unique_ptr<CLessonWindow> m_window;
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

    m_window->ShowListenSpeak(u"你好 ！", "missing.mp3");
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
