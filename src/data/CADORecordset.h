#pragma once

#include "data/SqlQuery.h"
#include "data/StatementCache.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CADODatabase;

// The rows of one query as a static cursor: the count is known and the rows stay valid after the
// connection moves on. Rows are read straight from the prepared statement, a value only when it is
// asked for; the rows are copied only when they must outlive the statement: when the count is
// asked, and before the connection writes or closes. Fields are found by name without regard to
// case.
class CADORecordset {
public:
    enum OpenOption { openUnknown = 0, openQuery = 1, openTable = 2, openStoredProc = 3 };

    CADORecordset() = default;
    explicit CADORecordset(CADODatabase* connection) : m_connection(connection) {}
    ~CADORecordset();
    CADORecordset(const CADORecordset&) = delete;
    CADORecordset& operator=(const CADORecordset&) = delete;

    bool Open(CADODatabase* connection, const SqlQuery& query, int option = openUnknown);
    // A fixed query text without values (narrow and wide forms).
    bool Open(CADODatabase* connection, const std::string& query, int option = openUnknown);
    bool Open(CADODatabase* connection, const std::u16string& query, int option = openUnknown);
    bool IsOpen() const { return m_open; }
    void Close();

    // Raise CADOException on a recordset that is not open.
    bool IsEOF() const;
    void MoveNext();
    void MoveFirst();
    int GetRecordCount() const;

    bool GetFieldValue(const std::string& field, std::string& value,
                       const std::string& dateFormat = {}) const;
    bool GetFieldValue(const std::string& field, std::u16string& value) const;
    bool GetFieldValue(const std::string& field, int& value) const;
    // Byte length of a binary (or text) value; 0 for null, -1 when the field does not exist.
    long GetFieldActualSize(const std::string& field) const;
    // The whole binary value of the field.
    bool GetChunk(const std::string& field, std::vector<unsigned char>& buffer) const;
    // Writes the binary value to a file (created or truncated); false for a null or empty value,
    // a value that is not binary, or a file that cannot be written (then no file is left behind).
    bool SaveFieldToFile(const std::string& field, const std::string& path) const;

    const std::string& GetQuery() const { return m_query; }
    const std::string& GetLastErrorString() const { return m_lastError; }
    // The reason of the last error alone (such as "no such table: tbl_hz_main").
    const std::string& GetErrorDescription() const { return m_errorDescription; }
    long GetLastError() const { return m_lastErrorCode; }

private:
    friend class CADODatabase;

    enum class Type { Null, Integer, Real, Text, Blob };
    struct Cell {
        Type type = Type::Null;
        std::int64_t integer = 0;
        double real = 0;
        std::string bytes; // text (UTF-8) or binary
    };
    // A value of the current row, wherever it is kept; `bytes` lasts until the cursor moves.
    struct Value {
        Type type = Type::Null;
        std::int64_t integer = 0;
        double real = 0;
        std::string_view bytes;
        ColumnKind kind = ColumnKind::Other;
    };

    // The field's value in the current row; false when there is no such field or row.
    bool FindValue(const std::string& field, Value& value) const;
    Value LiveValue(int column) const;
    // Moves the statement on; at its end the statement is reset so it no longer reads the file.
    bool Step();
    // Copies every row of the query so the recordset no longer needs its statement.
    void CopyRows();
    void ReleaseStatement();
    const std::vector<ResultColumn>& Columns() const {
        return m_statement ? m_statement.Columns() : m_copiedColumns;
    }
    void StoreError(long code, const std::string& description);
    void RequireOpen() const;

    CADODatabase* m_connection = nullptr;
    std::string m_query;
    std::string m_lastError;
    std::string m_errorDescription;
    long m_lastErrorCode = 0;
    bool m_open = false;
    StatementCache::Lease m_statement; // while rows are read from it
    bool m_atEnd = false;              // of the statement's rows
    std::vector<ResultColumn> m_copiedColumns;
    std::vector<std::vector<Cell>> m_rows; // once copied
    size_t m_position = 0;
};
