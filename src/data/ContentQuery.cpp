#include "data/ContentQuery.h"

#include "app/CLog.h"
#include "data/CADODatabase.h"
#include "data/ContentProblems.h"
#include "data/Queries.h"

#include <exception>

namespace {

std::string FileNameOf(const CADODatabase* connection) {
    if (!connection)
        return "the content database";
    const std::string& path = connection->GetFilePath();
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool OpenContentQuery(CADORecordset& recordset, CADODatabase* connection, const SqlQuery& query) {
    try {
        if (connection && recordset.Open(connection, query))
            return true;
        g_log.Write(sql::kOpenFailedLog, query.Text().c_str());
        g_contentProblems.Note(FileNameOf(connection),
                               connection ? recordset.GetErrorDescription() : "The database is not open.");
    } catch (const std::exception& e) {
        g_log.Write(sql::kExceptionLog, query.Text().c_str());
        g_contentProblems.Note(FileNameOf(connection), e.what());
    }
    return false;
}
