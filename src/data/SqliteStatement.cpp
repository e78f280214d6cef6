#include "data/SqliteStatement.h"

#include "app/TextEncoding.h"

#include <sqlite3.h>

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_stmt);
}

bool SqliteStatement::Prepare(sqlite3* db, const SqlQuery& query, std::string& error, long& code) {
    m_db = db;
    if (!query.IsValid()) {
        error = query.Problem();
        code = SQLITE_MISUSE;
        return false;
    }
    const char* tail = nullptr;
    const std::string& statement = query.Statement();
    int rc = sqlite3_prepare_v2(db, statement.c_str(), static_cast<int>(statement.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        code = rc;
        return false;
    }
    if (tail && !text::Trim(tail).empty() && text::Trim(tail) != ";") {
        error = "The query holds more than one statement.";
        code = SQLITE_MISUSE;
        return false;
    }
    const auto& params = query.Parameters();
    if (static_cast<int>(params.size()) != sqlite3_bind_parameter_count(m_stmt)) {
        error = "The query's values do not match its placeholders.";
        code = SQLITE_RANGE;
        return false;
    }
    for (size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        if (const auto* s = std::get_if<std::string>(&params[i]))
            rc = sqlite3_bind_text(m_stmt, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
        else if (const auto* n = std::get_if<std::int64_t>(&params[i]))
            rc = sqlite3_bind_int64(m_stmt, index, *n);
        else
            rc = sqlite3_bind_null(m_stmt, index);
        if (rc != SQLITE_OK) {
            error = sqlite3_errmsg(db);
            code = rc;
            return false;
        }
    }
    return true;
}

bool SqliteStatement::RunToEnd(std::string& error, long& code) {
    int rc;
    while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        error = sqlite3_errmsg(m_db);
        code = rc;
        return false;
    }
    return true;
}
