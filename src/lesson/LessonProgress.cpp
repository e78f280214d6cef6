#include "lesson/LessonProgress.h"

#include "app/CLog.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "data/WriteTransaction.h"

#include <algorithm>

namespace progress {
namespace {

std::string ErrorOf(CADODatabase* db) {
    if (!db || !db->IsOpen())
        return "the lesson database is not open";
    return db->GetErrorDescription();
}

bool Run(CADODatabase* db, const SqlQuery& statement) {
    if (db->Execute(statement))
        return true;
    g_log.Write("%s: %s", statement.Text().c_str(), db->GetErrorDescription().c_str());
    return false;
}

} // namespace

ScoreResult RecordScore(CADODatabase* db, const std::string& userId, int lesson, int score) {
    ScoreResult result;
    score = std::clamp(score, 0, 100);
    WriteTransaction transaction(db);
    if (!transaction.IsOpen()) {
        result.error = ErrorOf(db);
        return result;
    }
    CADORecordset stored;
    if (!OpenContentQuery(stored, db, SqlQuery::Format(sql::kUserLessonScore, {userId, lesson}))) {
        result.error = stored.GetLastErrorString();
        return result;
    }
    int old = -1;
    if (!stored.IsEOF())
        stored.GetFieldValue("score", old);
    result.bestScore = std::max(old, score);
    result.improved = score > old;
    const bool written =
        !result.improved ||
        (old < 0 ? Run(db, SqlQuery::Format(sql::kInsertUserLessonScore, {userId, lesson, score}))
                 : Run(db, SqlQuery::Format(sql::kUpdateUserLessonScore, {score, userId, lesson})));
    if (!written || !transaction.Commit()) {
        result.error = ErrorOf(db);
        result.bestScore = std::max(old, 0);
        result.improved = false;
        return result;
    }
    result.saved = true;
    return result;
}

bool MarkLessonOpened(CADODatabase* db, const std::string& userId, int lesson, std::string& error) {
    WriteTransaction transaction(db);
    if (transaction.IsOpen() && Run(db, SqlQuery(sql::kCreateOpenedLessons)) &&
        Run(db, SqlQuery::Format(sql::kMarkLessonOpened, {userId, lesson})) && transaction.Commit())
        return true;
    error = ErrorOf(db);
    return false;
}

std::set<int> OpenedLessons(CADODatabase* db, const std::string& userId) {
    std::set<int> lessons;
    CADORecordset rs;
    // A database that has never recorded an opened lesson has no such table: nothing to log.
    if (!db || !rs.Open(db, SqlQuery::Format(sql::kOpenedLessonsOfUser, {userId})))
        return lessons;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        int lesson = 0;
        if (rs.GetFieldValue("lessonindex", lesson))
            lessons.insert(lesson);
    }
    return lessons;
}

bool UserExists(CADODatabase* db, const std::string& userId) {
    CADORecordset rs;
    return OpenContentQuery(rs, db, SqlQuery::Format(sql::kUserById, {userId})) && !rs.IsEOF();
}

} // namespace progress
