#include "data/CADORecordset.h"

#include "app/ContentPath.h"
#include "app/TextEncoding.h"
#include "data/CADODatabase.h"
#include "data/CADOException.h"
#include "data/SqliteStatement.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <sqlite3.h>

namespace {

bool StartsWithSelect(const std::string& query) {
    return query.size() >= 7 && text::EqualsNoCase(std::string_view(query).substr(0, 7), "select ");
}

std::string LeftTrimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : s.substr(first);
}

std::string RealToText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Dates are stored as text "YYYY-MM-DD[ hh:mm:ss]" or as seconds since 1970.
bool ParseDate(const std::string& stored, std::tm& out) {
    out = {};
    int y, mo, d, h = 0, mi = 0, s = 0;
    const int n = std::sscanf(stored.c_str(), "%d-%d-%d%*[ T]%d:%d:%d", &y, &mo, &d, &h, &mi, &s);
    if (n < 3)
        return false;
    out.tm_year = y - 1900;
    out.tm_mon = mo - 1;
    out.tm_mday = d;
    out.tm_hour = h;
    out.tm_min = mi;
    out.tm_sec = s;
    out.tm_isdst = -1;
    return true;
}

std::string FormatDate(const std::tm& when, const std::string& format) {
    char buffer[256];
    const size_t n =
        std::strftime(buffer, sizeof buffer, format.empty() ? "%Y-%m-%d %H:%M:%S" : format.c_str(), &when);
    return std::string(buffer, n);
}

} // namespace

void CADORecordset::StoreError(long code, const std::string& description) {
    m_lastErrorCode = code;
    m_errorDescription = description;
    m_lastError = "Query = " + m_query + "\n" + CADODatabase::FormatError("CADORecordset", code, description);
}

void CADORecordset::Close() {
    m_open = false;
    m_columns.clear();
    m_declared.clear();
    m_rows.clear();
    m_position = 0;
}

bool CADORecordset::Open(CADODatabase* connection, const std::string& query, int option) {
    return Open(connection, SqlQuery(query), option);
}

bool CADORecordset::Open(CADODatabase* connection, const std::u16string& query, int option) {
    return Open(connection, SqlQuery(text::Utf16ToUtf8(query)), option);
}

bool CADORecordset::Open(CADODatabase* connection, const SqlQuery& query, int option) {
    Close();
    if (!query.Text().empty())
        m_query = query.Text();
    if (!m_connection)
        m_connection = connection;
    if (!m_connection || !m_connection->IsOpen()) {
        StoreError(SQLITE_MISUSE, "The connection is not open.");
        return false;
    }
    SqlQuery runnable = query;
    if (option == openTable) {
        runnable = SqlQuery("SELECT * FROM " + LeftTrimmed(query.Text()));
    } else if (option == openStoredProc) {
        StoreError(SQLITE_MISUSE, "Stored procedures are not supported.");
        return false;
    } else if (option != openUnknown && option != openQuery) {
        StoreError(SQLITE_MISUSE, "Unknown parameter. " + std::to_string(option));
        return false;
    } else if (!StartsWithSelect(LeftTrimmed(query.Statement()))) {
        StoreError(SQLITE_MISUSE, "Only a selection opens a recordset.");
        return false;
    }

    SqliteStatement stmt;
    std::string error;
    long code = 0;
    if (!stmt.Prepare(m_connection->Handle(), runnable, error, code)) {
        StoreError(code, error);
        return false;
    }
    sqlite3_stmt* s = stmt.Get();
    const int columns = sqlite3_column_count(s);
    for (int c = 0; c < columns; ++c) {
        m_columns.emplace_back(sqlite3_column_name(s, c));
        const char* decl = sqlite3_column_decltype(s, c);
        const std::string declared = text::AsciiLower(decl ? decl : "");
        m_declared.push_back(declared.find("bool") != std::string::npos   ? Declared::Boolean
                             : declared.find("date") != std::string::npos ? Declared::Date
                             : declared.find("time") != std::string::npos ? Declared::Date
                                                                          : Declared::Other);
    }
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        std::vector<Cell> row(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            Cell& cell = row[static_cast<size_t>(c)];
            switch (sqlite3_column_type(s, c)) {
            case SQLITE_INTEGER:
                cell.type = Type::Integer;
                cell.integer = sqlite3_column_int64(s, c);
                break;
            case SQLITE_FLOAT:
                cell.type = Type::Real;
                cell.real = sqlite3_column_double(s, c);
                break;
            case SQLITE_TEXT:
                cell.type = Type::Text;
                cell.bytes.assign(reinterpret_cast<const char*>(sqlite3_column_text(s, c)),
                                  static_cast<size_t>(sqlite3_column_bytes(s, c)));
                break;
            case SQLITE_BLOB: {
                cell.type = Type::Blob;
                const auto* data = static_cast<const char*>(sqlite3_column_blob(s, c));
                cell.bytes.assign(data ? data : "", static_cast<size_t>(sqlite3_column_bytes(s, c)));
                break;
            }
            default:
                break;
            }
        }
        m_rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        StoreError(rc, sqlite3_errmsg(m_connection->Handle()));
        Close();
        return false;
    }
    m_open = true;
    return true;
}

void CADORecordset::RequireOpen() const {
    if (!m_open)
        throw CADOException(SQLITE_MISUSE, "Operation is not allowed when the recordset is closed.");
}

bool CADORecordset::IsEOF() const {
    RequireOpen();
    return m_position >= m_rows.size();
}

void CADORecordset::MoveNext() {
    RequireOpen();
    if (m_position < m_rows.size())
        ++m_position;
}

void CADORecordset::MoveFirst() {
    RequireOpen();
    m_position = 0;
}

int CADORecordset::GetRecordCount() const {
    return m_open ? static_cast<int>(m_rows.size()) : -1;
}

const CADORecordset::Cell* CADORecordset::FindCell(const std::string& field) const {
    if (!m_open || m_position >= m_rows.size())
        return nullptr;
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (text::EqualsNoCase(m_columns[c], field))
            return &m_rows[m_position][c];
    return nullptr;
}

bool CADORecordset::GetFieldValue(const std::string& field, std::string& value,
                                  const std::string& dateFormat) const {
    value.clear();
    const Cell* cell = FindCell(field);
    if (!cell)
        return false;
    const Declared declared = m_declared[static_cast<size_t>(cell - m_rows[m_position].data())];
    switch (cell->type) {
    case Type::Null:
        return true;
    case Type::Integer:
        if (declared == Declared::Boolean) {
            value = cell->integer != 0 ? "T" : "F";
        } else if (declared == Declared::Date) {
            const std::time_t seconds = static_cast<std::time_t>(cell->integer);
            std::tm local{};
            localtime_r(&seconds, &local);
            value = FormatDate(local, dateFormat);
        } else {
            value = std::to_string(cell->integer);
        }
        return true;
    case Type::Real:
        value = RealToText(cell->real);
        return true;
    case Type::Text: {
        std::tm when;
        if (declared == Declared::Date && ParseDate(cell->bytes, when)) {
            value = FormatDate(when, dateFormat);
            return true;
        }
        if (declared == Declared::Boolean && (cell->bytes == "0" || cell->bytes == "1")) {
            value = cell->bytes == "1" ? "T" : "F";
            return true;
        }
        value = cell->bytes;
        return true;
    }
    case Type::Blob:
        return false;
    }
    return false;
}

bool CADORecordset::GetFieldValue(const std::string& field, std::u16string& value) const {
    std::string narrow;
    const bool ok = GetFieldValue(field, narrow);
    value = text::Utf8ToUtf16(narrow);
    return ok;
}

bool CADORecordset::GetFieldValue(const std::string& field, int& value) const {
    const Cell* cell = FindCell(field);
    if (!cell)
        return false;
    const Declared declared = m_declared[static_cast<size_t>(cell - m_rows[m_position].data())];
    switch (cell->type) {
    case Type::Null:
        value = 0;
        return true;
    case Type::Integer:
        value =
            declared == Declared::Boolean ? (cell->integer != 0 ? -1 : 0) : static_cast<int>(cell->integer);
        return true;
    case Type::Real:
        value = static_cast<int>(cell->real);
        return true;
    case Type::Text: {
        if (cell->bytes.empty()) {
            value = 0;
            return true;
        }
        int parsed = 0;
        const char* begin = cell->bytes.data();
        const char* end = begin + cell->bytes.size();
        const auto result = std::from_chars(begin, end, parsed);
        if (result.ec != std::errc() || result.ptr != end)
            return false;
        value = parsed;
        return true;
    }
    case Type::Blob:
        return false;
    }
    return false;
}

long CADORecordset::GetFieldActualSize(const std::string& field) const {
    const Cell* cell = FindCell(field);
    if (!cell)
        return -1;
    return cell->type == Type::Blob || cell->type == Type::Text ? static_cast<long>(cell->bytes.size()) : 0;
}

bool CADORecordset::GetChunk(const std::string& field, std::vector<unsigned char>& buffer) const {
    buffer.clear();
    const Cell* cell = FindCell(field);
    if (!cell || cell->type != Type::Blob)
        return false;
    buffer.assign(cell->bytes.begin(), cell->bytes.end());
    return true;
}

bool CADORecordset::SaveFieldToFile(const std::string& field, const std::string& path) const {
    const Cell* cell = FindCell(field);
    if (!cell || cell->type != Type::Blob || cell->bytes.empty())
        return false;
    const std::string target = ResolveContentPath(path);
    FILE* f = std::fopen(target.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(cell->bytes.data(), 1, cell->bytes.size(), f) == cell->bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!(written && closed)) {
        std::remove(target.c_str());
        return false;
    }
    return true;
}
