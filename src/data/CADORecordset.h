#pragma once

#include "data/SqlQuery.h"

#include <cstdint>
#include <string>
#include <vector>

class CADODatabase;

// The rows of one query, read whole when opened (a static cursor: the count is known and the rows
// stay valid after the connection moves on). Fields are found by name without regard to case.
class CADORecordset {
public:
    enum OpenOption { openUnknown = 0, openQuery = 1, openTable = 2, openStoredProc = 3 };

    CADORecordset() = default;
    explicit CADORecordset(CADODatabase* connection) : m_connection(connection) {}

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
    enum class Type { Null, Integer, Real, Text, Blob };
    enum class Declared { Other, Boolean, Date };
    struct Cell {
        Type type = Type::Null;
        std::int64_t integer = 0;
        double real = 0;
        std::string bytes; // text (UTF-8) or binary
    };

    const Cell* FindCell(const std::string& field) const;
    void StoreError(long code, const std::string& description);
    void RequireOpen() const;

    CADODatabase* m_connection = nullptr;
    std::string m_query;
    std::string m_lastError;
    std::string m_errorDescription;
    long m_lastErrorCode = 0;
    bool m_open = false;
    std::vector<std::string> m_columns;
    std::vector<Declared> m_declared;
    std::vector<std::vector<Cell>> m_rows;
    size_t m_position = 0;
    mutable std::string m_missingField; // last field asked for that does not exist
};
