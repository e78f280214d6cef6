#include "data/WriteTransaction.h"

#include "data/CADODatabase.h"
#include "data/Queries.h"

WriteTransaction::WriteTransaction(CADODatabase* db) : m_db(db) {
    m_open = m_db && m_db->Execute(SqlQuery(sql::kBeginWrite));
}

WriteTransaction::~WriteTransaction() {
    if (m_open)
        m_db->Execute(SqlQuery(sql::kRollback));
}

bool WriteTransaction::Commit() {
    if (!m_open || !m_db->Execute(SqlQuery(sql::kCommit)))
        return false;
    m_open = false;
    return true;
}
