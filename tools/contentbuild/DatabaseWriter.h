#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Fills a freshly created database inside one transaction with prepared, bound inserts.
class DatabaseWriter {
public:
    using Blob = std::vector<unsigned char>;
    using Value = std::variant<std::monostate, std::string, std::int64_t, Blob>;

    DatabaseWriter() = default;
    ~DatabaseWriter();
    DatabaseWriter(const DatabaseWriter&) = delete;
    DatabaseWriter& operator=(const DatabaseWriter&) = delete;

    bool Open(const std::string& path, std::string& error);
    // Inserts one row; a failure is kept and reported by Commit.
    void Insert(const std::string& table, const std::vector<std::string>& columns,
                const std::vector<Value>& values);
    bool Commit(std::string& error);

private:
    sqlite3_stmt* Statement(const std::string& table, const std::vector<std::string>& columns);
    void Fail(const std::string& what);

    sqlite3* m_db = nullptr;
    std::map<std::string, sqlite3_stmt*> m_statements;
    std::string m_error;
};
