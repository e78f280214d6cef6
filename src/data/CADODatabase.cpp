#include "data/CADODatabase.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/TextEncoding.h"
#include "data/CADORecordset.h"
#include "data/SqliteStatement.h"

#include <QUrl>
#include <atomic>
#include <cstdio>
#include <sqlite3.h>

std::string DataSourceOf(const std::string& connectionString) {
    size_t pos = 0;
    while (pos <= connectionString.size()) {
        size_t end = connectionString.find(';', pos);
        if (end == std::string::npos)
            end = connectionString.size();
        const std::string part = connectionString.substr(pos, end - pos);
        const size_t eq = part.find('=');
        if (eq != std::string::npos && text::EqualsNoCase(text::Trim(part.substr(0, eq)), "Data Source"))
            return text::Trim(part.substr(eq + 1));
        pos = end + 1;
    }
    return {};
}

std::string WithoutPasswords(const std::string& connectionString) {
    std::string out;
    size_t pos = 0;
    while (pos < connectionString.size()) {
        size_t end = connectionString.find(';', pos);
        if (end == std::string::npos)
            end = connectionString.size();
        std::string part = connectionString.substr(pos, end - pos);
        const size_t eq = part.find('=');
        if (eq != std::string::npos &&
            text::AsciiLower(part.substr(0, eq)).find("password") != std::string::npos)
            part = part.substr(0, eq + 1) + "***";
        out += part;
        if (end < connectionString.size())
            out += ';';
        pos = end + 1;
    }
    return out;
}

std::uint64_t CADODatabase::NextSerial() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

CADODatabase::~CADODatabase() {
    Close();
}

std::string CADODatabase::FormatError(const char* className, long code, const std::string& description) {
    char head[64];
    std::snprintf(head, sizeof head, "%s Error\n\tCode = %08lx\n\tCode meaning = ", className, code);
    return head + std::string(sqlite3_errstr(static_cast<int>(code & 0xff))) +
           "\n\tSource = SQLite\n\tDescription = " + description + "\n";
}

void CADODatabase::StoreError(long code, const std::string& description) {
    m_lastErrorCode = code;
    m_errorDescription = description;
    m_lastError = "Connection String = " + WithoutPasswords(m_connectionString) + "\n" +
                  FormatError("CADODataBase", code, description);
}

bool CADODatabase::FindDataSource(const std::string& connectionString) {
    Close();
    if (!connectionString.empty())
        m_connectionString = connectionString;
    const std::string source = DataSourceOf(m_connectionString);
    if (source.empty()) {
        StoreError(SQLITE_MISUSE, "The connection string names no Data Source.");
        return false;
    }
    m_filePath = ResolveContentPath(source);
    if (!FileExists(m_filePath)) {
        StoreError(SQLITE_CANTOPEN, "The file does not exist.");
        return false;
    }
    return true;
}

bool CADODatabase::OpenFile(const std::string& path, int flags) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, 3000);
        // Opening is lazy: read the schema now so that a damaged or foreign file fails here.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        StoreError(rc, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    m_serial = NextSerial();
    return true;
}

bool CADODatabase::Open(const std::string& connectionString, const std::string&, const std::string&) {
    return FindDataSource(connectionString) && OpenFile(m_filePath, SQLITE_OPEN_READWRITE);
}

bool CADODatabase::OpenForReading(const std::string& connectionString) {
    return FindDataSource(connectionString) && OpenFile(m_filePath, SQLITE_OPEN_READONLY);
}

bool CADODatabase::OpenWithLearnerFile(const std::string& connectionString, const std::string& learnerFile) {
    if (!FindDataSource(connectionString))
        return false;
    if (!OpenFile(learnerFile, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI)) {
        StoreError(m_lastErrorCode,
                   "The learner data " + learnerFile + " cannot be opened: " + m_errorDescription);
        return false;
    }
    // WAL lets a practice program write a score while the lesson window reads.
    char* message = nullptr;
    if (sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, &message) != SQLITE_OK) {
        StoreError(sqlite3_extended_errcode(m_db), message ? message : sqlite3_errmsg(m_db));
        sqlite3_free(message);
        Close();
        return false;
    }
    if (!AttachLessonFile()) {
        Close();
        return false;
    }
    return true;
}

bool CADODatabase::AttachLessonFile() {
    // A URI keeps the file read-only whatever its permissions (an installation run as root).
    QByteArray uri = QUrl::fromLocalFile(QString::fromStdString(m_filePath)).toEncoded();
    uri += "?mode=ro";
    sqlite3_stmt* attach = nullptr;
    int rc = sqlite3_prepare_v2(m_db, "ATTACH DATABASE ? AS lesson", -1, &attach, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(attach, 1, uri.constData(), static_cast<int>(uri.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(attach);
    }
    sqlite3_finalize(attach);
    if (rc == SQLITE_DONE)
        rc = sqlite3_exec(m_db, "SELECT count(*) FROM lesson.sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        StoreError(sqlite3_extended_errcode(m_db), sqlite3_errmsg(m_db));
        return false;
    }
    return true;
}

void CADODatabase::AddReader(CADORecordset* recordset) {
    m_readers.push_back(recordset);
}

void CADODatabase::ForgetReader(CADORecordset* recordset) {
    std::erase(m_readers, recordset);
}

void CADODatabase::SettleReaders() {
    const std::vector<CADORecordset*> readers = m_readers;
    for (CADORecordset* reader : readers)
        reader->CopyRows();
    m_readers.clear();
}

void CADODatabase::Close() {
    SettleReaders();
    m_statements.Clear();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool CADODatabase::Execute(const SqlQuery& statement) {
    m_recordsAffected = 0;
    if (!m_db) {
        StoreError(SQLITE_MISUSE, "The connection is not open.");
        return false;
    }
    SettleReaders();
    SqliteStatement stmt;
    std::string error;
    long code = 0;
    if (!stmt.Prepare(m_db, statement, error, code) || !stmt.RunToEnd(error, code)) {
        StoreError(code, error);
        return false;
    }
    m_recordsAffected = sqlite3_changes(m_db);
    // What was kept of the file's content may have changed with it.
    m_serial = NextSerial();
    return true;
}
