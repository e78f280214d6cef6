#pragma once

#include <string>
#include <vector>

class CADODatabase;

// The local user accounts of the lesson database, as the login dialog uses them.
namespace accounts {

enum class LoginOutcome { LoggedIn, BlankName, WrongPassword, UnknownUser, QueryFailed };

struct LoginResult {
    LoginOutcome outcome = LoginOutcome::QueryFailed;
    std::string userId;    // the id of the user when logged in
    std::string failedSql; // the query's text when it could not be run
};

// Names of every user in the table's order; false (with the query text) when the query fails.
bool UserNames(CADODatabase* db, std::vector<std::string>& names, std::string& failedSql);

// Looks the name up (without regard to case) and compares the password exactly. When several
// users match the name, every one is examined and the last whose password matches is taken.
LoginResult CheckLogin(CADODatabase* db, const std::string& name, const std::string& password);

// Adds a user with a new time-based id. False, with a text for the user, when the account could
// not be stored: the learner then stays at the login instead of studying under an id that would
// be gone at the next start.
bool CreateUser(CADODatabase* db, const std::string& name, const std::string& password, std::string& newId,
                std::string& error);

} // namespace accounts
