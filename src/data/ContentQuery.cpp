#include "data/ContentQuery.h"

#include "app/CLog.h"
#include "data/Queries.h"

#include <exception>

bool OpenContentQuery(CADORecordset& recordset, CADODatabase* connection, const SqlQuery& query) {
    try {
        if (connection && recordset.Open(connection, query))
            return true;
        g_log.Write(sql::kOpenFailedLog, query.Text().c_str());
    } catch (const std::exception&) {
        g_log.Write(sql::kExceptionLog, query.Text().c_str());
    }
    return false;
}
