#include "exercise/ExerciseSession.h"
#include "app/PracticeCommandLine.h"

#include <gtest/gtest.h>

namespace {

using exercise::Question;
using exercise::QuestionKind;

Question ChoiceQuestion(const std::u16string& word, int answer) {
    Question q;
    q.kind = QuestionKind::Meaning;
    q.chinese = word;
    q.text = "meaning of " + std::string(word.begin(), word.end());
    q.choices.resize(4);
    q.answer = answer;
    return q;
}

// 我 是 我: the first and the last tile carry the same word.
Question OrderQuestion() {
    Question q;
    q.kind = QuestionKind::WordOrder;
    q.chinese = u"我 是 我";
    q.choices = {{u"是", u"", ""}, {u"我", u"", ""}, {u"我", u"", ""}};
    q.order = {1, 0, 2};
    return q;
}

TEST(ExerciseSession, EachQuestionIsAnsweredOnceAndTheScoreIsTheShareAnsweredRight) {
    ExerciseSession session({ChoiceQuestion(u"a", 2), ChoiceQuestion(u"b", 0), OrderQuestion()});
    EXPECT_FALSE(session.Next()) << "an unanswered question is not left";
    EXPECT_EQ(session.Index(), 0);
    EXPECT_TRUE(session.AnswerChoice(2));
    EXPECT_FALSE(session.AnswerChoice(1)) << "a second answer changes nothing";
    EXPECT_TRUE(session.Next());
    EXPECT_FALSE(session.AnswerChoice(3));
    EXPECT_TRUE(session.Next());
    // Tiles of the same word stand for each other; a tile used twice is wrong.
    ExerciseSession copy = session;
    EXPECT_FALSE(copy.AnswerOrder({2, 0, 2}));
    EXPECT_TRUE(session.AnswerOrder({2, 0, 1}));
    EXPECT_FALSE(session.Next());
    EXPECT_TRUE(session.IsFinished());
    EXPECT_EQ(session.RightCount(), 2);
    EXPECT_EQ(session.Score(), 67);
    ASSERT_EQ(session.ReviewItems().size(), 1u);
    EXPECT_EQ(session.ReviewItems()[0].chinese, u"b");
}

TEST(ExerciseSession, GivingUpCountsAsWrongAndEachItemIsReviewedOnce) {
    ExerciseSession session({ChoiceQuestion(u"a", 0), ChoiceQuestion(u"a", 1), ChoiceQuestion(u"c", 0)});
    session.GiveUp();
    session.Next();
    session.AnswerChoice(0);
    session.Next();
    session.AnswerChoice(0);
    session.Next();
    EXPECT_EQ(session.Score(), 33);
    EXPECT_EQ(session.ReviewItems().size(), 1u);
    EXPECT_EQ(ExerciseSession({}).Score(), 0);
}

TEST(PracticeCommandLine, TakesALessonAndAUserAndRefusesEverythingElse) {
    std::string error;
    const auto line = PracticeCommandLine::Parse({"5", "1701234567"}, true, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->lesson, 5);
    EXPECT_EQ(line->userId, "1701234567");
    EXPECT_FALSE(line->seed);
    const auto seeded = PracticeCommandLine::Parse({"--seed", "7", "35", "u"}, true, error);
    ASSERT_TRUE(seeded);
    EXPECT_EQ(*seeded->seed, 7u);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{},
                                                {"5"},
                                                {"five", "u"},
                                                {"0", "u"},
                                                {"36", "u"},
                                                {"-1", "u"},
                                                {"5x", "u"},
                                                {" 5", "u"},
                                                {"5", ""},
                                                {"5", "u", "extra"},
                                                {"5", "u", "--seed"},
                                                {"5", "u", "--seed", "x"},
                                                {"5", "u", "--verbose"},
                                                {"99999999999999999999", "u"}}) {
        error.clear();
        EXPECT_FALSE(PracticeCommandLine::Parse(bad, true, error));
        EXPECT_FALSE(error.empty());
    }
    // The spelling program takes the lesson alone.
    ASSERT_TRUE(PracticeCommandLine::Parse({"12"}, false, error));
    EXPECT_FALSE(PracticeCommandLine::Parse({"12", "u"}, false, error));
    EXPECT_EQ(PracticeCommandLine::Usage("spell", false), "usage: spell <lesson 1-35>");
    // The trainer takes nothing or a user's name.
    ASSERT_TRUE(TrainerCommandLine::Parse({}, error));
    EXPECT_EQ(TrainerCommandLine::Parse({"--user", "Ada Li"}, error)->userName, "Ada Li");
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--user"}, {"--user", ""}, {"Ada"}, {"--user", "a", "b"}})
        EXPECT_FALSE(TrainerCommandLine::Parse(bad, error));
}

} // namespace
