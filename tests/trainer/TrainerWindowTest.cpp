#include "fixtures/FixtureCourse.h"
#include "lesson/LessonContentService.h"
#include "trainer/CTrainerDlg.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The trainer window over the fixture course with two new cards of 学生 and a review that is
// recorded, not stored.
class TrainerWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_course.Ready()) << m_course.Error();
        m_texts.Load(m_course.Folder(), "en");
        for (auto direction : {TrainerCard::Direction::Recognise, TrainerCard::Direction::Recall}) {
            TrainerCard card;
            card.word = u"学生";
            card.pinyin = u"xuésheng";
            card.meaning = "student";
            card.lesson = 1;
            card.direction = direction;
            m_cards.push_back(card);
        }
    }

    TrainerWindowSetup WindowSetup() {
        TrainerWindowSetup setup;
        setup.content = &m_content;
        setup.texts = &m_texts;
        setup.cards = &m_cards;
        setup.fsrs = &m_fsrs;
        setup.review = [this](TrainerCard& card, Fsrs::Grade grade, std::string& error) {
            if (m_failReviews) {
                error = "database is locked";
                return false;
            }
            m_grades.push_back(grade);
            card.isNew = false;
            card.introduced = card.lastReview = m_today;
            card.memory = m_fsrs.First(grade);
            card.due = m_today.addDays(m_fsrs.IntervalDays(card.memory.stability));
            return true;
        };
        setup.today = [this] { return m_today; };
        setup.userName = QStringLiteral("Ada");
        setup.scratchFolder = m_course.Folder();
        return setup;
    }

    FixtureCourse m_course;
    LessonContentService m_content{&m_course.LessonDb(), &m_course.WordDb(), "en"};
    TrainerTexts m_texts;
    Fsrs m_fsrs;
    std::vector<TrainerCard> m_cards;
    std::vector<Fsrs::Grade> m_grades;
    QDate m_today{2026, 12, 8};
    bool m_failReviews = false;
};

TEST_F(TrainerWindow, SpaceShowsTheAnswerAndTheKeysGradeUntilNothingIsDue) {
    CTrainerDlg window(WindowSetup());
    ASSERT_EQ(window.CurrentCard(), 0);
    QTest::keyClick(&window, Qt::Key_3);
    EXPECT_TRUE(m_grades.empty()) << "no grade before the answer is shown";
    QTest::keyClick(&window, Qt::Key_Space);
    ASSERT_TRUE(window.IsRevealed());
    QTest::keyClick(&window, Qt::Key_3);
    ASSERT_EQ(m_grades, std::vector<Fsrs::Grade>{Fsrs::Grade::Good});
    ASSERT_EQ(window.CurrentCard(), 1) << "the recall card follows";
    QTest::keyClick(&window, Qt::Key_Space);
    QTest::keyClick(&window, Qt::Key_1);
    EXPECT_EQ(m_grades.back(), Fsrs::Grade::Again);
    ASSERT_TRUE(window.ShowsEnd());
    EXPECT_EQ(window.Reviewed(), 2);
    const QString next = window.findChild<QLabel*>(QStringLiteral("feedback"))->text();
    EXPECT_TRUE(next.startsWith(QStringLiteral("Next practice"))) << next.toStdString();
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("chart"))->isHidden());
}

TEST_F(TrainerWindow, AGradeThatCannotBeStoredIsToldAndTheCardStays) {
    m_failReviews = true;
    CTrainerDlg window(WindowSetup());
    window.Reveal();
    window.Grade(Fsrs::Grade::Good);
    EXPECT_EQ(window.CurrentCard(), 0);
    EXPECT_TRUE(m_cards[0].isNew);
    const QString told = window.findChild<QLabel*>(QStringLiteral("feedback"))->text();
    EXPECT_TRUE(told.contains(QStringLiteral("locked"))) << told.toStdString();
}

} // namespace
