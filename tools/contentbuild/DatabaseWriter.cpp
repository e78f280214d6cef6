#include "DatabaseWriter.h"

#include <sqlite3.h>

DatabaseWriter::~DatabaseWriter() {
    for (auto& [text, statement] : m_statements)
        sqlite3_finalize(statement);
    sqlite3_close(m_db);
}

bool DatabaseWriter::Open(const std::string& path, std::string& error) {
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(m_db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr,
                     nullptr) != SQLITE_OK) {
        error = "cannot open " + path + ": " + (m_db ? sqlite3_errmsg(m_db) : "out of memory");
        return false;
    }
    return true;
}

sqlite3_stmt* DatabaseWriter::Statement(const std::string& table, const std::vector<std::string>& columns) {
    std::string text = "INSERT INTO " + table + " (";
    std::string marks;
    for (size_t i = 0; i < columns.size(); ++i) {
        text += (i ? "," : "") + columns[i];
        marks += i ? ",?" : "?";
    }
    text += ") VALUES (" + marks + ")";
    sqlite3_stmt*& statement = m_statements[text];
    if (!statement && sqlite3_prepare_v2(m_db, text.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        Fail(text);
    return statement;
}

void DatabaseWriter::Insert(const std::string& table, const std::vector<std::string>& columns,
                            const std::vector<Value>& values) {
    if (!m_error.empty() || !m_db)
        return;
    sqlite3_stmt* statement = Statement(table, columns);
    if (!statement)
        return;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    for (size_t i = 0; i < values.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        if (const auto* s = std::get_if<std::string>(&values[i]))
            sqlite3_bind_text(statement, index, s->c_str(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
        else if (const auto* n = std::get_if<std::int64_t>(&values[i]))
            sqlite3_bind_int64(statement, index, *n);
        else if (const auto* b = std::get_if<Blob>(&values[i]))
            sqlite3_bind_blob(statement, index, b->data(), static_cast<int>(b->size()), SQLITE_TRANSIENT);
    }
    if (sqlite3_step(statement) != SQLITE_DONE)
        Fail("inserting into " + table);
}

bool DatabaseWriter::Commit(std::string& error) {
    if (m_error.empty() && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail("commit");
    error = m_error;
    return m_error.empty();
}

void DatabaseWriter::Fail(const std::string& what) {
    if (m_error.empty())
        m_error = what + ": " + (m_db ? sqlite3_errmsg(m_db) : "no database");
}
