#include "lesson/LearnerService.h"

#include "lesson/LessonProgress.h"
#include "trainer/TrainerCards.h"

LearnerService::LearnerService(CADODatabase* lessonDb, CADODatabase* wordDb)
    : m_lessonDb(lessonDb), m_wordDb(wordDb) {}

bool LearnerService::UserNames(std::vector<std::string>& names, std::string& failedSql) {
    return accounts::UserNames(m_lessonDb, names, failedSql);
}

accounts::LoginResult LearnerService::CheckLogin(const std::string& name, const std::string& password) {
    return accounts::CheckLogin(m_lessonDb, name, password);
}

bool LearnerService::CreateUser(const std::string& name, const std::string& password, std::string& newId,
                                std::string& error) {
    return accounts::CreateUser(m_lessonDb, name, password, newId, error);
}

void LearnerService::LoadLessonStates(const std::string& userId,
                                      std::array<int, catalog::kLessonCount + 1>& states, int only) {
    catalog::LoadLessonStates(m_lessonDb, userId, states, only);
}

bool LearnerService::MarkLessonOpened(const std::string& userId, int lesson, std::string& error) {
    return progress::MarkLessonOpened(m_lessonDb, userId, lesson, error);
}

bool LearnerService::WordsDue(const std::string& userId, const std::string& languageSuffix,
                              const QDate& today, int& due, std::string& error) {
    std::vector<TrainerCard> cards;
    if (!trainercards::LoadCards(m_lessonDb, m_wordDb, languageSuffix, userId, cards, error))
        return false;
    due = trainerdeck::DueCount(cards, today);
    return true;
}
