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

CADORecordset::~CADORecordset() {
    Close();
}

void CADORecordset::StoreError(long code, const std::string& description) {
    m_lastErrorCode = code;
    m_errorDescription = description;
    m_lastError = "Query = " + m_query + "\n" + CADODatabase::FormatError("CADORecordset", code, description);
}

void CADORecordset::ReleaseStatement() {
    if (!m_statement)
        return;
    m_statement.Release();
    if (m_connection)
        m_connection->ForgetReader(this);
}

void CADORecordset::Close() {
    ReleaseStatement();
    m_open = false;
    m_atEnd = false;
    m_copiedColumns.clear();
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

    std::string error;
    long code = 0;
    if (!m_connection->Statements().Acquire(m_connection->Handle(), runnable, m_statement, error, code)) {
        StoreError(code, error);
        return false;
    }
    m_connection->AddReader(this);
    m_open = true;
    if (!Step()) {
        Close();
        return false;
    }
    return true;
}

bool CADORecordset::Step() {
    const int rc = sqlite3_step(m_statement.Get());
    if (rc == SQLITE_ROW)
        return true;
    m_atEnd = true;
    if (rc == SQLITE_DONE) {
        sqlite3_reset(m_statement.Get());
        return true;
    }
    StoreError(rc, sqlite3_errmsg(m_connection->Handle()));
    sqlite3_reset(m_statement.Get());
    return false;
}

CADORecordset::Value CADORecordset::LiveValue(int column) const {
    sqlite3_stmt* s = m_statement.Get();
    Value value;
    switch (sqlite3_column_type(s, column)) {
    case SQLITE_INTEGER:
        value.type = Type::Integer;
        value.integer = sqlite3_column_int64(s, column);
        break;
    case SQLITE_FLOAT:
        value.type = Type::Real;
        value.real = sqlite3_column_double(s, column);
        break;
    case SQLITE_TEXT: {
        value.type = Type::Text;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
        value.bytes =
            std::string_view(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(s, column)));
        break;
    }
    case SQLITE_BLOB: {
        value.type = Type::Blob;
        const auto* data = static_cast<const char*>(sqlite3_column_blob(s, column));
        value.bytes =
            std::string_view(data ? data : "", static_cast<size_t>(sqlite3_column_bytes(s, column)));
        break;
    }
    default:
        break;
    }
    return value;
}

void CADORecordset::CopyRows() {
    if (!m_statement)
        return;
    m_copiedColumns = m_statement.Columns();
    m_rows.clear();
    sqlite3_reset(m_statement.Get());
    m_atEnd = false;
    const int columns = static_cast<int>(m_copiedColumns.size());
    bool ok;
    while ((ok = Step()) && !m_atEnd) {
        std::vector<Cell> row(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            const Value value = LiveValue(c);
            Cell& cell = row[static_cast<size_t>(c)];
            cell.type = value.type;
            cell.integer = value.integer;
            cell.real = value.real;
            cell.bytes.assign(value.bytes);
        }
        m_rows.push_back(std::move(row));
    }
    // A file that fails on the second reading keeps the rows that were read.
    ReleaseStatement();
}

void CADORecordset::RequireOpen() const {
    if (!m_open)
        throw CADOException(SQLITE_MISUSE, "Operation is not allowed when the recordset is closed.");
}

bool CADORecordset::IsEOF() const {
    RequireOpen();
    return m_statement ? m_atEnd : m_position >= m_rows.size();
}

void CADORecordset::MoveNext() {
    RequireOpen();
    if (m_statement) {
        if (!m_atEnd) {
            ++m_position;
            Step();
        }
    } else if (m_position < m_rows.size()) {
        ++m_position;
    }
}

void CADORecordset::MoveFirst() {
    RequireOpen();
    m_position = 0;
    if (m_statement) {
        sqlite3_reset(m_statement.Get());
        m_atEnd = false;
        Step();
    }
}

int CADORecordset::GetRecordCount() const {
    if (!m_open)
        return -1;
    // Counting reads every row; the copy lets the count and the rows agree.
    const_cast<CADORecordset*>(this)->CopyRows();
    return static_cast<int>(m_rows.size());
}

bool CADORecordset::FindValue(const std::string& field, Value& value) const {
    if (!m_open || IsEOF())
        return false;
    const std::vector<ResultColumn>& columns = Columns();
    for (size_t c = 0; c < columns.size(); ++c) {
        if (!text::EqualsNoCase(columns[c].name, field))
            continue;
        if (m_statement) {
            value = LiveValue(static_cast<int>(c));
        } else {
            const Cell& cell = m_rows[m_position][c];
            value = {cell.type, cell.integer, cell.real, cell.bytes, {}};
        }
        value.kind = columns[c].kind;
        return true;
    }
    return false;
}

bool CADORecordset::GetFieldValue(const std::string& field, std::string& value,
                                  const std::string& dateFormat) const {
    value.clear();
    Value cell;
    if (!FindValue(field, cell))
        return false;
    switch (cell.type) {
    case Type::Null:
        return true;
    case Type::Integer:
        if (cell.kind == ColumnKind::Boolean) {
            value = cell.integer != 0 ? "T" : "F";
        } else if (cell.kind == ColumnKind::Date) {
            const std::time_t seconds = static_cast<std::time_t>(cell.integer);
            std::tm local{};
            localtime_r(&seconds, &local);
            value = FormatDate(local, dateFormat);
        } else {
            value = std::to_string(cell.integer);
        }
        return true;
    case Type::Real:
        value = RealToText(cell.real);
        return true;
    case Type::Text: {
        std::tm when;
        if (cell.kind == ColumnKind::Date && ParseDate(std::string(cell.bytes), when)) {
            value = FormatDate(when, dateFormat);
            return true;
        }
        if (cell.kind == ColumnKind::Boolean && (cell.bytes == "0" || cell.bytes == "1")) {
            value = cell.bytes == "1" ? "T" : "F";
            return true;
        }
        value = cell.bytes;
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
    Value cell;
    if (!FindValue(field, cell))
        return false;
    switch (cell.type) {
    case Type::Null:
        value = 0;
        return true;
    case Type::Integer:
        value =
            cell.kind == ColumnKind::Boolean ? (cell.integer != 0 ? -1 : 0) : static_cast<int>(cell.integer);
        return true;
    case Type::Real:
        value = static_cast<int>(cell.real);
        return true;
    case Type::Text: {
        if (cell.bytes.empty()) {
            value = 0;
            return true;
        }
        int parsed = 0;
        const char* begin = cell.bytes.data();
        const char* end = begin + cell.bytes.size();
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
    Value cell;
    if (!FindValue(field, cell))
        return -1;
    return cell.type == Type::Blob || cell.type == Type::Text ? static_cast<long>(cell.bytes.size()) : 0;
}

bool CADORecordset::GetChunk(const std::string& field, std::vector<unsigned char>& buffer) const {
    buffer.clear();
    Value cell;
    if (!FindValue(field, cell) || cell.type != Type::Blob)
        return false;
    buffer.assign(cell.bytes.begin(), cell.bytes.end());
    return true;
}

bool CADORecordset::SaveFieldToFile(const std::string& field, const std::string& path) const {
    Value cell;
    if (!FindValue(field, cell) || cell.type != Type::Blob || cell.bytes.empty())
        return false;
    const std::string target = ResolveContentPath(path);
    FILE* f = std::fopen(target.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(cell.bytes.data(), 1, cell.bytes.size(), f) == cell.bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!(written && closed)) {
        std::remove(target.c_str());
        return false;
    }
    return true;
}
