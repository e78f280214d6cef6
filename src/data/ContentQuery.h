#pragma once

#include "data/CADORecordset.h"
#include "data/SqlQuery.h"

class CADODatabase;

// Opens a query the way every content reader does: a query that does not open is written to the
// log with "打开数据库连接执行SQL：%s 出错！" and its text, an exception with "执行SQL：%s 出现异常错误！";
// either way the result is false, the reader shows nothing, and the failure is noted in
// g_contentProblems for the window to tell once.
bool OpenContentQuery(CADORecordset& recordset, CADODatabase* connection, const SqlQuery& query);
