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

// The id of the first user with this name (without regard to case); empty when there is none.
std::string UserIdByName(CADODatabase* db, const std::string& name);

// Passwords are stored as salted hashes. Rows written before that hold the password in clear text;
// they still log in with the exact (case-sensitive) password and get the hash stored instead.

// The salted hash stored for a password (empty passwords too); empty when hashing failed.
std::string HashPassword(const std::string& password);
// True when the stored value is a password hash rather than a clear-text password.
bool IsPasswordHash(const std::string& stored);
// Whether the typed password is the one stored (as a hash, or in clear text in an old row).
bool PasswordMatches(const std::string& stored, const std::string& typed);

// Looks the name up (without regard to case) and compares the password exactly. When several
// users match the name, every one is examined and the last whose password matches is taken.
// A clear-text password that matched is replaced by its hash.
LoginResult CheckLogin(CADODatabase* db, const std::string& name, const std::string& password);

// Adds a user with a new time-based id and the password's hash. False, with a text for the user, when the
// account could not be stored: the learner then stays at the login instead of studying under an id that would
// be gone at the next start.
bool CreateUser(CADODatabase* db, const std::string& name, const std::string& password, std::string& newId,
                std::string& error);

} // namespace accounts
