#include "exercise/CChoiceButton.h"
#include "exercise/CExerciseDlg.h"
#include "fixtures/FixtureCourse.h"
#include "lesson/LessonContentService.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using exercise::Question;
using exercise::QuestionKind;

// The window over the fixture course, with a run made by the test and the kept scores recorded.
class ExerciseWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_course.Ready()) << m_course.Error();
        m_texts.Load(m_course.Folder(), "en");
        m_lesson.number = 1;
    }

    std::unique_ptr<CExerciseDlg> Open(std::vector<Question> run, progress::ScoreResult kept) {
        ExerciseWindowSetup setup;
        setup.content = &m_content;
        setup.lesson = &m_lesson;
        setup.texts = &m_texts;
        setup.makeRun = [run](std::uint32_t) { return run; };
        setup.keepScore = [this, kept](int score) {
            m_keptScores.push_back(score);
            return kept;
        };
        setup.scratchFolder = m_course.Folder();
        return std::make_unique<CExerciseDlg>(std::move(setup));
    }

    static Question Meaning() {
        Question q;
        q.kind = QuestionKind::Meaning;
        q.chinese = u"学生";
        q.pinyin = u"xuésheng";
        q.text = "student";
        q.choices = {{{}, {}, "teacher"}, {{}, {}, "hello"}, {{}, {}, "student"}, {{}, {}, "to be"}};
        q.answer = 2;
        return q;
    }
    // 我 是 学生 shown as 学生, 我, 是.
    static Question Order() {
        Question q;
        q.kind = QuestionKind::WordOrder;
        q.chinese = u"我 是 学生 。";
        q.pinyin = u"wǒ shì xuésheng .";
        q.text = "I am a student.";
        q.choices = {{u"学生", u"xuésheng", {}}, {u"我", u"wǒ", {}}, {u"是", u"shì", {}}};
        q.order = {1, 2, 0};
        return q;
    }

    FixtureCourse m_course;
    LessonContentService m_content{&m_course.LessonDb(), &m_course.WordDb(), "en"};
    LessonMaterial m_lesson;
    ExerciseTexts m_texts;
    std::vector<int> m_keptScores;
};

TEST_F(ExerciseWindow, KeysAnswerEveryQuestionAndTheResultShowsTheScoreKept) {
    auto window = Open({Meaning(), Order()}, {true, 100, true, {}});
    QTest::keyClick(window.get(), Qt::Key_3);
    ASSERT_TRUE(window->Session().IsAnswered());
    EXPECT_TRUE(window->Session().LastAnswerRight());
    EXPECT_EQ(window->findChild<CChoiceButton*>(QStringLiteral("choice3"))->GetMark(),
              CChoiceButton::Mark::Right);
    QTest::keyClick(window.get(), Qt::Key_1) /* a second answer changes nothing */;
    EXPECT_EQ(window->findChild<CChoiceButton*>(QStringLiteral("choice1"))->GetMark(),
              CChoiceButton::Mark::None);
    QTest::keyClick(window.get(), Qt::Key_Return);
    ASSERT_EQ(window->Session().Index(), 1);
    // Tiles 2, 3, 1 read 我 是 学生; a wrong tile is taken back first.
    for (Qt::Key key : {Qt::Key_1, Qt::Key_Backspace, Qt::Key_2, Qt::Key_3, Qt::Key_1})
        QTest::keyClick(window.get(), key);
    QTest::keyClick(window.get(), Qt::Key_Return);
    ASSERT_TRUE(window->Session().IsAnswered());
    EXPECT_TRUE(window->Session().LastAnswerRight());
    QTest::keyClick(window.get(), Qt::Key_Return);
    ASSERT_TRUE(window->ShowsResult());
    EXPECT_EQ(m_keptScores, std::vector<int>{100});
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("score"))->text(), QStringLiteral("100"));
}

TEST_F(ExerciseWindow, AScoreThatWasNotKeptSaysWhyAndGivingUpCountsWrong) {
    auto window = Open({Meaning()}, {false, 0, false, "database is locked"});
    window->GiveUp();
    EXPECT_FALSE(window->Session().LastAnswerRight());
    EXPECT_EQ(window->findChild<CChoiceButton*>(QStringLiteral("choice3"))->GetMark(),
              CChoiceButton::Mark::Right);
    window->Next();
    ASSERT_TRUE(window->ShowsResult());
    EXPECT_EQ(m_keptScores, std::vector<int>{0});
    const QString kept = window->findChild<QLabel*>(QStringLiteral("kept"))->text();
    EXPECT_TRUE(kept.contains(QStringLiteral("could not be saved")) &&
                kept.contains(QStringLiteral("locked")))
        << kept.toStdString();
}

TEST_F(ExerciseWindow, ALessonWithNothingToPractiseSaysSoAndKeepsNoScore) {
    auto window = Open({}, {true, 0, false, {}});
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("instruction"))->text().toStdString(),
              ExerciseTexts::English(ExerciseText::NoMaterial));
    window->Next();
    EXPECT_TRUE(m_keptScores.empty());
}

} // namespace
