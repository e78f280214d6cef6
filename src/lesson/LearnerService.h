#pragma once

#include "lesson/LessonCatalogData.h"
#include "lesson/UserAccounts.h"

#include <QDate>
#include <string>
#include <vector>

class CADODatabase;

// The learners of the course as the lesson program's windows meet them: their accounts and what
// they have done (the state of each lesson, the lessons opened, the trainer's words due).
class LearnerService {
public:
    // The accounts and progress live in the lesson database; the trainer's words are looked up in
    // the word database.
    LearnerService(CADODatabase* lessonDb, CADODatabase* wordDb);

    bool UserNames(std::vector<std::string>& names, std::string& failedSql);
    accounts::LoginResult CheckLogin(const std::string& name, const std::string& password);
    bool CreateUser(const std::string& name, const std::string& password, std::string& newId,
                    std::string& error);

    // The user's progress of every lesson (0) or of one lesson into states[1..35].
    void LoadLessonStates(const std::string& userId, std::array<int, catalog::kLessonCount + 1>& states,
                          int only);
    bool MarkLessonOpened(const std::string& userId, int lesson, std::string& error);
    // How many of the new-word trainer's cards the user has due on `today`; false with `error` when
    // the cards cannot be read.
    bool WordsDue(const std::string& userId, const std::string& languageSuffix, const QDate& today, int& due,
                  std::string& error);

private:
    CADODatabase* m_lessonDb;
    CADODatabase* m_wordDb;
};
