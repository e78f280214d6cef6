#include "data/ReadTransaction.h"

#include "data/CADODatabase.h"

#include <sqlite3.h>

ReadTransaction::ReadTransaction(CADODatabase* db) {
    sqlite3* handle = db ? db->Handle() : nullptr;
    if (handle && sqlite3_get_autocommit(handle) != 0 &&
        sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK)
        m_handle = handle;
}

ReadTransaction::~ReadTransaction() {
    // Ending a transaction that only read cannot lose anything; should it fail, the next
    // statement still sees the files as they are then.
    if (m_handle && sqlite3_get_autocommit(m_handle) == 0)
        sqlite3_exec(m_handle, "COMMIT", nullptr, nullptr, nullptr);
}
