#pragma once

class CADODatabase;

// One write transaction on a connection: taken at once with BEGIN IMMEDIATE (so waiting for other
// programs, the connection's busy timeout, happens before anything is read), rolled back unless
// committed.
class WriteTransaction {
public:
    explicit WriteTransaction(CADODatabase* db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool IsOpen() const { return m_open; }
    bool Commit();

private:
    CADODatabase* m_db;
    bool m_open = false;
};
