#include "data/LearnerDatabase.h"

#include "data/CADODatabase.h"
#include "data/Queries.h"
#include "data/WriteTransaction.h"

#include <sqlite3.h>

namespace learnerdb {
namespace {

// user_version of a learner file whose tables exist and whose copy from the lesson database is done.
constexpr int kPrepared = 1;

int UserVersion(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    int version = -1;
    if (sqlite3_prepare_v2(db, "PRAGMA main.user_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return version;
}

} // namespace

bool Prepare(CADODatabase& db, schema::LearnerRowCounts& migrated, std::string& error) {
    migrated = {};
    sqlite3* handle = db.Handle();
    if (!handle) {
        error = "the learner database is not open";
        return false;
    }
    WriteTransaction transaction(&db);
    if (!transaction.IsOpen()) {
        error = db.GetErrorDescription();
        return false;
    }
    const int version = UserVersion(handle);
    if (version >= kPrepared)
        return true; // the transaction only read; its rollback changes nothing
    if (version < 0) {
        error = sqlite3_errmsg(handle);
        return false;
    }
    if (!schema::Exec(handle, schema::LearnerDatabaseDdl(), error) ||
        !schema::CopyLearnerTables(handle, "lesson", "main", false, migrated, error) ||
        !schema::Exec(handle, "PRAGMA main.user_version = " + std::to_string(kPrepared), error))
        return false;
    if (!transaction.Commit()) {
        error = db.GetErrorDescription();
        return false;
    }
    return true;
}

} // namespace learnerdb
