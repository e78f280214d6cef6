#pragma once

#include "data/SqlQuery.h"

#include <string>

struct sqlite3;
struct sqlite3_stmt;

// Prepares the text as exactly one statement; null with the error and code when it is invalid or
// holds more than one statement.
sqlite3_stmt* PrepareOneStatement(sqlite3* db, const std::string& statement, std::string& error, long& code);
// Binds the query's values to the statement's placeholders; false when they do not match.
bool BindParameters(sqlite3* db, sqlite3_stmt* stmt, const SqlQuery& query, std::string& error, long& code);

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
