#include "exercise/ExerciseSession.h"

#include <algorithm>
#include <cmath>

namespace exercise {

ReviewItem Question::Review() const {
    return {chinese, pinyin, text};
}

} // namespace exercise

using exercise::QuestionKind;

ExerciseSession::ExerciseSession(std::vector<exercise::Question> questions)
    : m_questions(std::move(questions)) {}

bool ExerciseSession::Record(bool right) {
    if (IsFinished() || m_answered)
        return false;
    m_answered = true;
    m_lastRight = right;
    if (right) {
        ++m_right;
    } else {
        exercise::ReviewItem item = Current().Review();
        if (std::find(m_review.begin(), m_review.end(), item) == m_review.end())
            m_review.push_back(std::move(item));
    }
    return right;
}

bool ExerciseSession::AnswerChoice(int choice) {
    if (IsFinished() || m_answered || !Current().IsChoice())
        return false;
    return Record(choice == Current().answer);
}

bool ExerciseSession::AnswerOrder(const std::vector<int>& tiles) {
    if (IsFinished() || m_answered || Current().kind != QuestionKind::WordOrder)
        return false;
    const exercise::Question& q = Current();
    std::vector<int> used = tiles;
    std::sort(used.begin(), used.end());
    // Every tile once; tiles with the same word may stand for each other.
    bool right = tiles.size() == q.order.size() && std::adjacent_find(used.begin(), used.end()) == used.end();
    for (size_t i = 0; right && i < tiles.size(); ++i)
        right = tiles[i] >= 0 && static_cast<size_t>(tiles[i]) < q.choices.size() &&
                q.choices[static_cast<size_t>(tiles[i])].chinese ==
                    q.choices[static_cast<size_t>(q.order[i])].chinese;
    return Record(right);
}

bool ExerciseSession::AnswerWriting(bool everyStrokeAccepted) {
    if (IsFinished() || m_answered || Current().kind != QuestionKind::Writing)
        return false;
    return Record(everyStrokeAccepted);
}

void ExerciseSession::GiveUp() {
    Record(false);
}

bool ExerciseSession::Next() {
    if (IsFinished() || !m_answered)
        return false;
    ++m_index;
    m_answered = false;
    m_lastRight = false;
    return !IsFinished();
}

int ExerciseSession::Score() const {
    if (m_questions.empty())
        return 0;
    return static_cast<int>(std::lround(100.0 * m_right / static_cast<double>(m_questions.size())));
}
