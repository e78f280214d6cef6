#pragma once

struct sqlite3;
class CADODatabase;

// Reads that belong together in one read transaction: they see one state of the files, and the
// connection takes its file locks once instead of around every statement, which for a burst of
// small lookups (a lesson's words, a learner's cards) cost more than the lookups themselves.
// Nothing is written, so the connection's readers and what is kept of its content stay as they are.
// Inside a transaction already open on the connection it does nothing.
class ReadTransaction {
public:
    explicit ReadTransaction(CADODatabase* db);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    sqlite3* m_handle = nullptr;
};
