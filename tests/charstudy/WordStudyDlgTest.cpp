#include "CharacterStudyFixture.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "charstudy/CDrawPLine.h"
#include "charstudy/CWordStudyDlg.h"
#include "charstudy/CWritingPad.h"
#include "charstudy/CWritingPadDlg.h"
#include "charstudy/DrawObjectFile.h"
#include "fixtures/FileSizeLimit.h"
#include "fixtures/FixtureDatabases.h"
#include "render/GlyphScale.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

using fixtures::FixtureIds;

class NoSteps : public StepTimer {
public:
    void Schedule(int, std::function<void()>) override {}
    void Cancel() override {}
};

class WordStudyDlgTest : public CharacterStudyTest {
protected:
    void SetUp() override {
        CharacterStudyTest::SetUp();
        m_dlg = std::make_unique<CWordStudyDlg>();
        // The animation advances only when a test runs its steps.
        m_dlg->Pad().SetStepTimer(std::make_unique<NoSteps>());
        m_dlg->Pad().SetGradeDisplay([this](const std::string& text) { m_grades.push_back(text); });
    }

    void Click(int id) {
        auto* button = m_dlg->findChild<QPushButton*>(QString::number(id));
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
    QString Text(int id) { return m_dlg->findChild<QLabel*>(QString::number(id))->text(); }

    void Mouse(QEvent::Type type, QPoint at) {
        CWritingPad& pad = m_dlg->Pad();
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, pad.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&pad, &event);
    }

    std::unique_ptr<CWordStudyDlg> m_dlg;
    std::vector<std::string> m_grades;
};

TEST_F(WordStudyDlgTest, APhraseFromTheLessonShowsItsMeaningAndEveryCharacterCanBeStudied) {
    m_dlg->SetWord(u"你好", u"nǐhǎo", u"你好", FixtureIds::kPhraseNihao);
    EXPECT_FALSE(m_dlg->IsSingleCharacter());
    EXPECT_EQ(Text(CWordStudyDlg::kExplanation), "hello");
    EXPECT_EQ(Text(CWordStudyDlg::kPartOfSpeech), "n.");
    EXPECT_FALSE(m_dlg->findChild<QLabel*>("1014")->pixmap().isNull());
    auto* first = m_dlg->findChild<QPushButton*>("1015.0");
    auto* second = m_dlg->findChild<QPushButton*>("1015.1");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), "你");
    EXPECT_EQ(second->text(), "好");
    EXPECT_FALSE(first->isHidden());
    EXPECT_TRUE(m_dlg->findChild<QPushButton*>("1015.2")->isHidden());
    // The first character is on the pad.
    EXPECT_EQ(m_dlg->PadCharacter(), u"你");
    EXPECT_EQ(m_dlg->Pad().Mode(), CWritingPad::modeStatic);
    EXPECT_EQ(Text(CWordStudyDlg::kStrokeCount), "7");
    // Picking the second loads its strokes for the animation and the writing.
    second->click();
    EXPECT_EQ(m_dlg->PadCharacter(), u"好");
    EXPECT_EQ(m_dlg->Data().CharacterIdOfWord(), charstudyfixtures::kCharacterHao);
    EXPECT_EQ(Text(CWordStudyDlg::kStrokeCount), "6");
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(first->isChecked());
    Click(CWordStudyDlg::kAnimationButton);
    EXPECT_TRUE(m_dlg->Pad().IsAnimating());
    Click(CWordStudyDlg::kPractiseButton);
    EXPECT_TRUE(m_dlg->IsPractising());
    EXPECT_EQ(m_dlg->Pad().ReferenceObjects().size(), 6u);
    // The sound button keeps the phrase's sound.
    EXPECT_EQ(ReadWholeFile(m_dlg->SoundPath()), "FAKE-MP3:nihao");
    EXPECT_NE(m_dlg->SoundPath().find("templesson\\"), std::string::npos);
    // The phrases holding 好 besides this one lead to their own study.
    auto* phrase = m_dlg->findChild<QPushButton*>("1016.0");
    ASSERT_NE(phrase, nullptr);
    EXPECT_FALSE(phrase->isHidden());
    EXPECT_TRUE(phrase->text().startsWith("好学"));
    EXPECT_TRUE(m_dlg->findChild<QPushButton*>("1016.1")->isHidden());
    phrase->click();
    EXPECT_EQ(m_dlg->CurrentWord(), u"好学");
    EXPECT_EQ(m_dlg->PadCharacter(), u"好");
}

TEST_F(WordStudyDlgTest, GradingNeedsThePractiseButtonFirst) {
    m_dlg->SetWord(u"你", u"nǐ", u"你", "");
    EXPECT_TRUE(m_dlg->IsSingleCharacter());
    EXPECT_EQ(m_dlg->Pad().Mode(), CWritingPad::modeStatic);
    EXPECT_EQ(Text(CWordStudyDlg::kStrokeCount), "7");
    Click(CWordStudyDlg::kGradeButton);
    EXPECT_TRUE(m_grades.empty());
    Click(CWordStudyDlg::kPractiseButton);
    EXPECT_TRUE(m_dlg->IsPractising());
    EXPECT_EQ(m_dlg->Pad().Mode(), CWritingPad::modeWriting);
    EXPECT_EQ(m_dlg->Pad().ReferenceObjects().size(), 7u);
    Click(CWordStudyDlg::kGradeButton);
    EXPECT_EQ(m_grades, (std::vector<std::string>{"Your handwriting's grade is:  0.0"}));
    // The animation button ends the practice: grading is off again.
    Click(CWordStudyDlg::kAnimationButton);
    EXPECT_FALSE(m_dlg->IsPractising());
    Click(CWordStudyDlg::kGradeButton);
    EXPECT_EQ(m_grades.size(), 1u);
}

TEST_F(WordStudyDlgTest, AFullScratchFolderGivesOneTitledMessageAndThePracticeWaits) {
    m_dlg->SetWord(u"你", u"nǐ", u"你", "");
    {
        fixtures::FileSizeLimit fullDisk(8);
        Click(CWordStudyDlg::kPractiseButton);
    }
    ASSERT_EQ(m_notice.shown.size(), 1u);
    EXPECT_EQ(m_notice.shown[0].rfind("Character practice|The writing practice cannot start", 0), 0u)
        << m_notice.shown[0];
    EXPECT_NE(m_notice.shown[0].find("File too large"), std::string::npos) << m_notice.shown[0];
    EXPECT_FALSE(m_dlg->IsPractising());
    // With room again, the same button starts the practice.
    Click(CWordStudyDlg::kPractiseButton);
    EXPECT_TRUE(m_dlg->IsPractising());
    EXPECT_EQ(m_dlg->Pad().ReferenceObjects().size(), 7u);
    EXPECT_EQ(m_notice.shown.size(), 1u);
}

TEST_F(WordStudyDlgTest, WritingTheCharacterOverItsReferenceGradesAHundred) {
    m_dlg->StudyWord(u"你", u"", "1");
    Click(CWordStudyDlg::kPractiseButton);
    for (const auto& object : m_dlg->Pad().ReferenceObjects()) {
        const auto& reference = dynamic_cast<const CDrawPLine&>(*object);
        const std::vector<QPoint> points = reference.Points();
        Mouse(QEvent::MouseButtonPress, points.front() + QPoint(30, 50));
        for (QPoint p : points)
            Mouse(QEvent::MouseMove, p + QPoint(30, 50));
        Mouse(QEvent::MouseButtonRelease, points.back() + QPoint(30, 50));
    }
    EXPECT_EQ(m_dlg->Pad().Practice().StrokeCounter(), 7);
    EXPECT_TRUE(m_notice.shown.empty());
    Click(CWordStudyDlg::kGradeButton);
    EXPECT_EQ(m_grades, (std::vector<std::string>{"Your handwriting's grade is:  100.0"}));
}

TEST_F(WordStudyDlgTest, AtTwiceTheTextSizeThePadOpensInItsOwnWindowAndGradesAlike) {
    struct TextSize {
        TextSize() {
            SetChineseTextSizeSource([] { return 200; });
        }
        ~TextSize() { SetChineseTextSizeSource({}); }
    } twice;
    m_dlg->StudyWord(u"你", u"", "1");
    CWritingPad& pad = m_dlg->Pad();
    CWritingPadDlg* window = m_dlg->PadWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(pad.parentWidget(), window);
    EXPECT_EQ(pad.size(), QSize(520, 600));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(m_dlg->findChild<QAbstractButton*>("1019")->isHidden());
    // The page's practise button brings up the window with the practice.
    Click(CWordStudyDlg::kPractiseButton);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(pad.Mode(), CWritingPad::modeWriting);
    for (const auto& object : pad.ReferenceObjects()) {
        const std::vector<QPoint> points = dynamic_cast<const CDrawPLine&>(*object).Points();
        const auto onPad = [](QPoint p) { return (p + QPoint(30, 50)) * 2; };
        Mouse(QEvent::MouseButtonPress, onPad(points.front()));
        for (QPoint p : points)
            Mouse(QEvent::MouseMove, onPad(p));
        Mouse(QEvent::MouseButtonRelease, onPad(points.back()));
    }
    EXPECT_EQ(pad.Practice().StrokeCounter(), 7);
    EXPECT_TRUE(m_notice.shown.empty());
    window->findChild<QPushButton*>(QString::number(CWordStudyDlg::kGradeButton))->click();
    EXPECT_EQ(m_grades, (std::vector<std::string>{"Your handwriting's grade is:  100.0"}));
    // Escape closes the window during an animation and leaves the character whole.
    window->findChild<QPushButton*>(QString::number(CWordStudyDlg::kAnimationButton))->click();
    ASSERT_TRUE(pad.IsAnimating());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(pad.IsAnimating());
    EXPECT_EQ(pad.Mode(), CWritingPad::modeStatic);
}

TEST_F(WordStudyDlgTest, ANewWordStopsARunningAnimationFirst) {
    m_dlg->StudyWord(u"你", u"", "1");
    Click(CWordStudyDlg::kAnimationButton);
    ASSERT_TRUE(m_dlg->Pad().IsAnimating());
    m_dlg->StudyWord(u"好", u"", "1");
    EXPECT_FALSE(m_dlg->Pad().IsAnimating());
    EXPECT_EQ(m_dlg->Pad().Mode(), CWritingPad::modeStatic);
    EXPECT_EQ(m_dlg->Data().CharacterIdOfWord(), charstudyfixtures::kCharacterHao);
    EXPECT_EQ(Text(CWordStudyDlg::kStrokeCount), "6");
}

TEST_F(WordStudyDlgTest, TheLookUpFieldStudiesATypedPhraseWithItsFirstCharacterOnThePad) {
    auto* edit = m_dlg->findChild<QLineEdit*>("1000");
    ASSERT_NE(edit, nullptr);
    Click(CWordStudyDlg::kLookupButton); // empty: nothing happens
    EXPECT_TRUE(m_dlg->CurrentWord().empty());
    edit->setText("好学");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(m_dlg->CurrentWord(), u"好学");
    EXPECT_EQ(m_dlg->Data().Pinyin(), u"hào"); // the phrase's reading of its first character
    EXPECT_EQ(m_dlg->Data().CharacterIdOfWord(), charstudyfixtures::kCharacterHao);
    EXPECT_EQ(m_dlg->Pad().Mode(), CWritingPad::modeStatic);
    EXPECT_EQ(Text(CWordStudyDlg::kPartOfSpeech), "n.");
    EXPECT_FALSE(m_dlg->findChild<QLabel*>("1003")->pixmap().isNull());
    EXPECT_EQ(ReadWholeFile(m_dlg->SoundPath()), "SOUND:好学");
    // A word the database does not know leaves empty fields and no sound.
    edit->setText("猫");
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_EQ(Text(CWordStudyDlg::kStrokeCount), "0");
    EXPECT_FALSE(FileExists(m_dlg->SoundPath()));
    EXPECT_EQ(m_dlg->Pad().Mode(), CWritingPad::modeStatic);
    EXPECT_EQ(m_dlg->Pad().Picture(), CWritingPad().Picture());
}

TEST_F(WordStudyDlgTest, EscapeLeavesThePageInItsWindow) {
    QWidget lessonWindow;
    m_dlg->setParent(&lessonWindow);
    m_dlg->setWindowFlags(Qt::Widget);
    lessonWindow.show();
    m_dlg->StudyWord(u"你", u"", "1");
    QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
    EXPECT_TRUE(m_dlg->isVisible());
    EXPECT_EQ(m_dlg->PadCharacter(), u"你");
    m_dlg->setParent(nullptr);
}

TEST(WordStudyTexts, PromptsAndTooltipsComeFromTheIniFile) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "wordstudy_en.ini",
                              "[WORDSTUDY_PROMPT]\nBhOrder = Please mind the stroke order\n"
                              "MsgBoxTitle=Tip\n[wordstudy_tooltip]\nbtnspeak=Listen\n"
                              "BtnGrade=Grade\n"));
    const CWordStudyDlg::Texts texts = CWordStudyDlg::ReadTexts(dir / "wordstudy_en.ini");
    EXPECT_EQ(texts.bhOrder, "Please mind the stroke order");
    EXPECT_EQ(texts.msgBoxTitle, "Tip");
    EXPECT_EQ(texts.btnSpeak, "Listen");
    EXPECT_EQ(texts.btnGrade, "Grade");
    EXPECT_TRUE(texts.btnCartoon.empty());
    EXPECT_TRUE(CWordStudyDlg::ReadTexts(dir / "missing.ini").bhOrder.empty());
}

} // namespace
