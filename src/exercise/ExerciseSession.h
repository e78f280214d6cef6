#pragma once

#include "exercise/ExerciseQuestion.h"

#include <vector>

// The learner going through one exercise run: one question at a time, each answered once, then
// the score (0 to 100, the share of questions answered right) and what to review.
class ExerciseSession {
public:
    explicit ExerciseSession(std::vector<exercise::Question> questions);

    int Count() const { return static_cast<int>(m_questions.size()); }
    int Index() const { return m_index; }
    bool IsFinished() const { return m_index >= Count(); }
    const exercise::Question& Current() const { return m_questions.at(static_cast<size_t>(m_index)); }
    bool IsAnswered() const { return m_answered; }
    bool LastAnswerRight() const { return m_lastRight; }

    // Each answers the current question once (a second answer is ignored) and tells whether it
    // was right.
    bool AnswerChoice(int choice);
    // The tiles in the order the learner put them; right when they read as the sentence.
    bool AnswerOrder(const std::vector<int>& tiles);
    // A written character is right when every stroke was accepted in order.
    bool AnswerWriting(bool everyStrokeAccepted);
    // The learner gave up on the question: it counts as wrong.
    void GiveUp();

    // Goes on to the next question once the current one is answered; false when it did not (the
    // question is unanswered, or that was the last one).
    bool Next();

    int RightCount() const { return m_right; }
    int Score() const;
    // The items of the questions answered wrong, each once, in the order they were asked.
    const std::vector<exercise::ReviewItem>& ReviewItems() const { return m_review; }

private:
    bool Record(bool right);

    std::vector<exercise::Question> m_questions;
    int m_index = 0;
    bool m_answered = false;
    bool m_lastRight = false;
    int m_right = 0;
    std::vector<exercise::ReviewItem> m_review;
};
