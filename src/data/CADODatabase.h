#pragma once

#include "data/SqlQuery.h"

#include <string>

struct sqlite3;

// One connection to a content database file. The connection string is the one the program has
// always used; only its "Data Source" is taken, the rest (provider, password) has no meaning here.
// Every failure gives false and keeps the error text; nothing is shown or logged here.
class CADODatabase {
public:
    CADODatabase() = default;
    ~CADODatabase();
    CADODatabase(const CADODatabase&) = delete;
    CADODatabase& operator=(const CADODatabase&) = delete;

    bool Open(const std::string& connectionString, const std::string& user = {},
              const std::string& password = {});
    bool IsOpen() const { return m_db != nullptr; }
    void Close();
    // The connection a recordset is opened on.
    CADODatabase* GetActiveConnection() { return this; }

    // Runs a statement that returns no rows.
    bool Execute(const SqlQuery& statement);
    int GetRecordsAffected() const { return m_recordsAffected; }

    const std::string& GetConnectionString() const { return m_connectionString; }
    // The file the connection string names, as found on disk.
    const std::string& GetFilePath() const { return m_filePath; }
    const std::string& GetLastErrorString() const { return m_lastError; }
    const std::string& GetErrorDescription() const { return m_errorDescription; }
    long GetLastError() const { return m_lastErrorCode; }

    sqlite3* Handle() const { return m_db; }

    // Formats an error the way every class of the layer stores it.
    static std::string FormatError(const char* className, long code, const std::string& description);

private:
    void StoreError(long code, const std::string& description);

    sqlite3* m_db = nullptr;
    std::string m_connectionString;
    std::string m_filePath;
    std::string m_lastError;
    std::string m_errorDescription;
    long m_lastErrorCode = 0;
    int m_recordsAffected = 0;
};

// The connection string with the value of every password key replaced by "***", for error texts
// that end up in the log.
std::string WithoutPasswords(const std::string& connectionString);

// The "Data Source" of an OLE DB connection string, or empty.
std::string DataSourceOf(const std::string& connectionString);
