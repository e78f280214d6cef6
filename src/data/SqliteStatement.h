#pragma once

#include "data/SqlQuery.h"

#include <string>

struct sqlite3;
struct sqlite3_stmt;

// A prepared statement with its parameters bound; finalized on destruction.
class SqliteStatement {
public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Refuses invalid queries and texts holding more than one statement.
    bool Prepare(sqlite3* db, const SqlQuery& query, std::string& error, long& code);
    // Steps until the statement is done (for statements that return no rows).
    bool RunToEnd(std::string& error, long& code);
    sqlite3_stmt* Get() const { return m_stmt; }

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};
