#include "fixtures/FixtureCourse.h"
#include "lesson/LessonContentService.h"
#include "spell/CSpellDlg.h"
#include "spell/CSyllableFeedback.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The spelling window over the fixture course (lesson 1: 学生 xuésheng and the words 你好, 我, 是).
class SpellWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_course.Ready()) << m_course.Error();
        m_texts.Load(m_course.Folder(), "en");
        ASSERT_TRUE(m_content.ReadLesson(1, m_lesson));
    }

    FixtureCourse m_course;
    LessonContentService m_content{&m_course.LessonDb(), &m_course.WordDb(), "en"};
    LessonMaterial m_lesson;
    SpellTexts m_texts;
};

TEST_F(SpellWindow, TypedAnswersAreCheckedOnEnterAndTheSummaryCountsToneErrors) {
    CSpellDlg window({&m_content, &m_lesson, &m_texts, 1, m_course.Folder()});
    auto* typed = window.findChild<QLineEdit*>(QStringLiteral("typed"));
    ASSERT_NE(typed, nullptr);
    bool missedOne = false;
    for (int guard = 0; !window.ShowsSummary() && guard < 40; ++guard) {
        const SpellItem item = window.Round().Current();
        // The first item gets its first syllable's tone wrong, the rest are typed right, numbered.
        std::u16string answer = item.pinyin;
        if (!missedOne) {
            window.Type(QStringLiteral("x?"));
            QTest::keyClick(typed, Qt::Key_Return);
            ASSERT_FALSE(window.Round().IsAnswered()) << "text that is not pinyin is no answer";
            const auto verdict = spelling::Check(u"", item.pinyin, item.characters);
            PinyinSyllable wrong = verdict.syllables[0].expected;
            wrong.tone = wrong.tone == 1 ? 2 : 1;
            answer = QString::fromStdString(wrong.Numbered()).toStdU16String();
            for (size_t i = 1; i < verdict.syllables.size(); ++i)
                answer +=
                    u" " + QString::fromStdString(verdict.syllables[i].expected.Numbered()).toStdU16String();
        }
        window.Type(QString::fromStdU16String(answer));
        QTest::keyClick(typed, Qt::Key_Return);
        ASSERT_TRUE(window.Round().IsAnswered());
        const auto& shown =
            dynamic_cast<CSyllableFeedback*>(window.findChild<QWidget*>(QStringLiteral("syllables")))
                ->Verdict();
        if (!missedOne) {
            EXPECT_FALSE(shown.right);
            EXPECT_FALSE(shown.syllables[0].toneRight);
            for (size_t i = 1; i < shown.syllables.size(); ++i)
                EXPECT_TRUE(shown.syllables[i].Right()) << "only the mistyped syllable is wrong";
            missedOne = true;
        } else {
            EXPECT_TRUE(shown.right) << QString::fromStdU16String(answer).toStdString();
        }
        QTest::keyClick(typed, Qt::Key_Return);
    }
    ASSERT_TRUE(window.ShowsSummary());
    const QString summary = window.findChild<QLabel*>(QStringLiteral("summary"))->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("typed as"))) << summary.toStdString();
    EXPECT_EQ(window.Round().RightFirstTime() + 1, window.Round().FirstTries());
}

} // namespace
