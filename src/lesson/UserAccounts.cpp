#include "lesson/UserAccounts.h"

#include "app/CLog.h"
#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"

#include <exception>
#include <sodium.h>

namespace accounts {

namespace {

bool InitSodium() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// Re-stores an old clear-text password as its hash; the login goes on whatever happens here.
void UpgradeClearTextPassword(CADODatabase* db, const std::string& userId, const std::string& password) {
    const std::string hash = HashPassword(password);
    if (hash.empty() || !db->Execute(SqlQuery::Format(sql::kUpdateUserPassword, {hash, userId})))
        g_log.Write("CUser: the password of user %s stays in clear text", userId.c_str());
}

} // namespace

std::string HashPassword(const std::string& password) {
    if (!InitSodium())
        return {};
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return {};
    return hash;
}

bool IsPasswordHash(const std::string& stored) {
    // A hash names its algorithm and parameters; needs_rehash refuses anything it cannot parse.
    return InitSodium() && stored.rfind(crypto_pwhash_STRPREFIX, 0) == 0 &&
           stored.size() < crypto_pwhash_STRBYTES &&
           crypto_pwhash_str_needs_rehash(stored.c_str(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != -1;
}

bool PasswordMatches(const std::string& stored, const std::string& typed) {
    if (IsPasswordHash(stored))
        return crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
    return stored == typed;
}

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
        bool storedInClearText = false;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string stored;
            rs.GetFieldValue("password22", stored);
            if (PasswordMatches(stored, password)) {
                rs.GetFieldValue("id", result.userId);
                result.outcome = LoginOutcome::LoggedIn;
                storedInClearText = !IsPasswordHash(stored);
            }
        }
        if (result.outcome == LoginOutcome::LoggedIn && storedInClearText)
            UpgradeClearTextPassword(db, result.userId, password);
    } catch (const std::exception&) {
        result.outcome = LoginOutcome::QueryFailed;
        result.failedSql = query.Text();
    }
    return result;
}

bool CreateUser(CADODatabase* db, const std::string& name, const std::string& password, std::string& newId,
                std::string& error) {
    newId = MakeTimeId();
    const std::string hash = HashPassword(password);
    if (hash.empty()) {
        error = "The new user could not be saved, so you cannot log in with it yet.\n\n"
                "The password could not be protected.";
        newId.clear();
        return false;
    }
    if (!db || !db->Execute(SqlQuery::Format(sql::kInsertUser, {newId, name, hash}))) {
        error = "The new user could not be saved, so you cannot log in with it yet.\n\n" +
                (db ? db->GetErrorDescription() : std::string("The lesson database is not open."));
        newId.clear();
        return false;
    }
    return true;
}

std::string UserIdByName(CADODatabase* db, const std::string& name) {
    CADORecordset rs;
    std::string id;
    if (OpenContentQuery(rs, db, SqlQuery::Format(sql::kUserByName, {name})) && !rs.IsEOF())
        rs.GetFieldValue("id", id);
    return id;
}

} // namespace accounts
