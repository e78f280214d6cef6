#pragma once

#include "data/SqlQuery.h"
#include "data/StatementCache.h"

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;
class CADORecordset;

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
    // Opens the file of the connection string for reading only: content that is never written.
    bool OpenForReading(const std::string& connectionString);
    // Opens the lesson database for a learner's session: `learnerFile` (made when missing, in WAL
    // mode) becomes the connection's main database and the file of the connection string is
    // attached read-only as "lesson". Unqualified names find the learner's own tables in the main
    // database before the lesson file's copies of them, and every course table in the lesson
    // file, so the program's query texts run unchanged and the content file is never written.
    bool OpenWithLearnerFile(const std::string& connectionString, const std::string& learnerFile);
    bool IsOpen() const { return m_db != nullptr; }
    void Close();
    // The connection a recordset is opened on.
    CADODatabase* GetActiveConnection() { return this; }

    // Runs a statement that returns no rows. Recordsets still reading from the connection copy
    // their rows first, so what they show does not change under them.
    bool Execute(const SqlQuery& statement);
    int GetRecordsAffected() const { return m_recordsAffected; }

    const std::string& GetConnectionString() const { return m_connectionString; }
    // The file the connection string names, as found on disk.
    const std::string& GetFilePath() const { return m_filePath; }
    const std::string& GetLastErrorString() const { return m_lastError; }
    const std::string& GetErrorDescription() const { return m_errorDescription; }
    long GetLastError() const { return m_lastErrorCode; }

    sqlite3* Handle() const { return m_db; }
    // Tells one opening of a file, up to its next write through this connection, from every other
    // in the process: what is kept of the file's content holds while this stays the same.
    std::uint64_t Serial() const { return m_db ? m_serial : 0; }
    StatementCache& Statements() { return m_statements; }
    // Recordsets reading rows from one of the connection's statements.
    void AddReader(CADORecordset* recordset);
    void ForgetReader(CADORecordset* recordset);

    // Formats an error the way every class of the layer stores it.
    static std::string FormatError(const char* className, long code, const std::string& description);

private:
    void StoreError(long code, const std::string& description);
    // Checks the connection string and finds its file; false (error stored) when there is none.
    bool FindDataSource(const std::string& connectionString);
    bool OpenFile(const std::string& path, int flags);
    bool AttachLessonFile();
    // Lets every reader copy its rows and give its statement back.
    void SettleReaders();
    static std::uint64_t NextSerial();

    sqlite3* m_db = nullptr;
    std::uint64_t m_serial = 0;
    StatementCache m_statements;
    std::vector<CADORecordset*> m_readers;
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
