#include "data/SqliteStatement.h"

#include "app/TextEncoding.h"

#include <sqlite3.h>

sqlite3_stmt* PrepareOneStatement(sqlite3* db, const std::string& statement, std::string& error, long& code) {
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(db, statement.c_str(), static_cast<int>(statement.size()), &stmt, &tail);
    if (rc != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        code = rc;
        sqlite3_finalize(stmt);
        return nullptr;
    }
    if (tail && !text::Trim(tail).empty() && text::Trim(tail) != ";") {
        error = "The query holds more than one statement.";
        code = SQLITE_MISUSE;
        sqlite3_finalize(stmt);
        return nullptr;
    }
    return stmt;
}

bool BindParameters(sqlite3* db, sqlite3_stmt* stmt, const SqlQuery& query, std::string& error, long& code) {
    const auto& params = query.Parameters();
    if (static_cast<int>(params.size()) != sqlite3_bind_parameter_count(stmt)) {
        error = "The query's values do not match its placeholders.";
        code = SQLITE_RANGE;
        return false;
    }
    for (size_t i = 0; i < params.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        int rc;
        if (const auto* s = std::get_if<std::string>(&params[i]))
            rc = sqlite3_bind_text(stmt, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
        else if (const auto* n = std::get_if<std::int64_t>(&params[i]))
            rc = sqlite3_bind_int64(stmt, index, *n);
        else
            rc = sqlite3_bind_null(stmt, index);
        if (rc != SQLITE_OK) {
            error = sqlite3_errmsg(db);
            code = rc;
            return false;
        }
    }
    return true;
}

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
    m_stmt = PrepareOneStatement(db, query.Statement(), error, code);
    return m_stmt && BindParameters(db, m_stmt, query, error, code);
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
