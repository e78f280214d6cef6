#include "lesson/UserAccounts.h"

#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"

#include <exception>

namespace accounts {

bool UserNames(CADODatabase* db, std::vector<std::string>& names, std::string& failedSql) {
    names.clear();
    const SqlQuery query(sql::kAllUsers);
    try {
        CADORecordset rs;
        if (!db || !rs.Open(db, query)) {
            failedSql = query.Text();
            return false;
        }
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string name;
            rs.GetFieldValue("username", name);
            names.push_back(name);
        }
        return true;
    } catch (const std::exception&) {
        failedSql = query.Text();
        return false;
    }
}

LoginResult CheckLogin(CADODatabase* db, const std::string& name, const std::string& password) {
    LoginResult result;
    if (name.empty()) {
        result.outcome = LoginOutcome::BlankName;
        return result;
    }
    const SqlQuery query = SqlQuery::Format(sql::kUserByName, {name});
    try {
        CADORecordset rs;
        if (!db || !rs.Open(db, query)) {
            result.failedSql = query.Text();
            return result;
        }
        if (rs.IsEOF()) {
            result.outcome = LoginOutcome::UnknownUser;
            return result;
        }
        result.outcome = LoginOutcome::WrongPassword;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string stored;
            rs.GetFieldValue("password22", stored);
            if (stored == password) {
                rs.GetFieldValue("id", result.userId);
                result.outcome = LoginOutcome::LoggedIn;
            }
        }
    } catch (const std::exception&) {
        result.outcome = LoginOutcome::QueryFailed;
        result.failedSql = query.Text();
    }
    return result;
}

bool CreateUser(CADODatabase* db, const std::string& name, const std::string& password, std::string& newId,
                std::string& error) {
    newId = MakeTimeId();
    if (!db || !db->Execute(SqlQuery::Format(sql::kInsertUser, {newId, name, password}))) {
        error = "The new user could not be saved, so you cannot log in with it yet.\n\n" +
                (db ? db->GetErrorDescription() : std::string("The lesson database is not open."));
        newId.clear();
        return false;
    }
    return true;
}

} // namespace accounts
