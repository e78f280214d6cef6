#include "lesson/UserAccounts.h"
#include "data/CADODatabase.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using namespace accounts;

class Accounts : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(fixtures::BuildLessonDatabase(m_dir / "lesson.dll", {"en"}, error)) << error;
        ASSERT_TRUE(m_db.Open("Data Source=" + (m_dir / "lesson.dll")));
    }

    TempFolder m_dir;
    CADODatabase m_db;
};

TEST_F(Accounts, CreatesAUserAndLogsInWithTheExactPassword) {
    std::string id, error;
    ASSERT_TRUE(CreateUser(&m_db, "Li Wei", "Secret", id, error)) << error;
    EXPECT_GE(id.size(), 19u);
    const LoginResult ok = CheckLogin(&m_db, "li wei", "Secret");
    EXPECT_EQ(ok.outcome, LoginOutcome::LoggedIn);
    EXPECT_EQ(ok.userId, id);
    EXPECT_EQ(CheckLogin(&m_db, "Li Wei", "secret").outcome, LoginOutcome::WrongPassword);
    EXPECT_EQ(CheckLogin(&m_db, "Nobody", "x").outcome, LoginOutcome::UnknownUser);
    EXPECT_EQ(CheckLogin(&m_db, "", "x").outcome, LoginOutcome::BlankName);
}

TEST_F(Accounts, EmptyPasswordMatchesAnEmptyStoredPassword) {
    std::string id, error;
    ASSERT_TRUE(CreateUser(&m_db, "Anna", "", id, error));
    EXPECT_EQ(CheckLogin(&m_db, "Anna", "").outcome, LoginOutcome::LoggedIn);
}

TEST_F(Accounts, NamesDifferingInCaseTakeTheLastMatchingRow) {
    std::string first, second, third, error;
    ASSERT_TRUE(CreateUser(&m_db, "Tom", "pw", first, error));
    ASSERT_TRUE(CreateUser(&m_db, "TOM", "other", second, error));
    ASSERT_TRUE(CreateUser(&m_db, "tom", "pw", third, error));
    const LoginResult r = CheckLogin(&m_db, "Tom", "pw");
    EXPECT_EQ(r.outcome, LoginOutcome::LoggedIn);
    EXPECT_EQ(r.userId, third);
    std::vector<std::string> names;
    std::string failed;
    ASSERT_TRUE(UserNames(&m_db, names, failed));
    EXPECT_EQ(names, (std::vector<std::string>{"Tom", "TOM", "tom"}));
}

TEST_F(Accounts, NamesWithQuotesAreStoredAndFoundAsTyped) {
    std::string id, error;
    ASSERT_TRUE(CreateUser(&m_db, "O'Neil", "it's", id, error));
    EXPECT_EQ(CheckLogin(&m_db, "O'Neil", "it's").userId, id);
    EXPECT_EQ(CheckLogin(&m_db, "O' OR '1'='1", "it's").outcome, LoginOutcome::UnknownUser);
}

TEST_F(Accounts, AFailedInsertIsReportedInsteadOfLoggingIn) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open((m_dir / "lesson.dll").c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, "DROP TABLE tbl_user_main", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(raw);
    std::string id, error;
    EXPECT_FALSE(CreateUser(&m_db, "Mia", "pw", id, error));
    EXPECT_TRUE(id.empty());
    EXPECT_NE(error.find("could not be saved"), std::string::npos);
    const LoginResult r = CheckLogin(&m_db, "Mia", "pw");
    EXPECT_EQ(r.outcome, LoginOutcome::QueryFailed);
    EXPECT_EQ(r.failedSql, "select * from  tbl_user_main where username = 'Mia'");
    std::vector<std::string> names;
    std::string failed;
    EXPECT_FALSE(UserNames(&m_db, names, failed));
    EXPECT_EQ(failed, "select * from  tbl_user_main");
}

} // namespace

namespace {

std::string StoredPassword(const std::string& dbPath, const std::string& id) {
    sqlite3* raw = nullptr;
    std::string value = "<none>";
    if (sqlite3_open(dbPath.c_str(), &raw) != SQLITE_OK)
        return value;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(raw, "SELECT password22 FROM tbl_user_main WHERE id = ?", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, id.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(stmt) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
    return value;
}

void InsertClearTextUser(const std::string& dbPath, const char* id, const char* name, const char* password) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath.c_str(), &raw), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(raw, "INSERT INTO tbl_user_main (id, username, password22) VALUES (?, ?, ?)", -1,
                       &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, id, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 2, name, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 3, password, -1, SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE);
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
}

} // namespace

TEST_F(Accounts, NewPasswordsAreStoredAsSaltedHashes) {
    std::string first, second, error;
    ASSERT_TRUE(CreateUser(&m_db, "Ana", "Secret", first, error));
    ASSERT_TRUE(CreateUser(&m_db, "Ben", "Secret", second, error));
    const std::string a = StoredPassword(m_dir / "lesson.dll", first);
    const std::string b = StoredPassword(m_dir / "lesson.dll", second);
    EXPECT_TRUE(IsPasswordHash(a)) << a;
    EXPECT_EQ(a.find("Secret"), std::string::npos);
    EXPECT_NE(a, b); // salted: the same password gives different hashes
    // Typing the stored hash is not the password.
    EXPECT_EQ(CheckLogin(&m_db, "Ana", a).outcome, LoginOutcome::WrongPassword);
    EXPECT_EQ(CheckLogin(&m_db, "Ana", "Secret").userId, first);
}

TEST_F(Accounts, ClearTextRowsLogInExactlyAndAreStoredHashedAfterwards) {
    InsertClearTextUser(m_dir / "lesson.dll", "2020010112000000001", "Old", "PassWord");
    EXPECT_EQ(CheckLogin(&m_db, "old", "password").outcome, LoginOutcome::WrongPassword);
    EXPECT_EQ(StoredPassword(m_dir / "lesson.dll", "2020010112000000001"), "PassWord");

    const LoginResult ok = CheckLogin(&m_db, "Old", "PassWord");
    EXPECT_EQ(ok.outcome, LoginOutcome::LoggedIn);
    EXPECT_EQ(ok.userId, "2020010112000000001");
    const std::string stored = StoredPassword(m_dir / "lesson.dll", "2020010112000000001");
    EXPECT_TRUE(IsPasswordHash(stored)) << stored;
    EXPECT_EQ(CheckLogin(&m_db, "Old", "PassWord").outcome, LoginOutcome::LoggedIn);
    EXPECT_EQ(CheckLogin(&m_db, "Old", "password").outcome, LoginOutcome::WrongPassword);
}

TEST_F(Accounts, EmptyPasswordsStayValidInBothForms) {
    InsertClearTextUser(m_dir / "lesson.dll", "2020010112000000002", "Quiet", "");
    EXPECT_EQ(CheckLogin(&m_db, "Quiet", "x").outcome, LoginOutcome::WrongPassword);
    EXPECT_EQ(CheckLogin(&m_db, "Quiet", "").outcome, LoginOutcome::LoggedIn);
    EXPECT_TRUE(IsPasswordHash(StoredPassword(m_dir / "lesson.dll", "2020010112000000002")));
    EXPECT_EQ(CheckLogin(&m_db, "Quiet", "").outcome, LoginOutcome::LoggedIn);

    std::string id, error;
    ASSERT_TRUE(CreateUser(&m_db, "Blank", "", id, error));
    EXPECT_TRUE(IsPasswordHash(StoredPassword(m_dir / "lesson.dll", id)));
    EXPECT_EQ(CheckLogin(&m_db, "Blank", "").userId, id);
    EXPECT_EQ(CheckLogin(&m_db, "Blank", " ").outcome, LoginOutcome::WrongPassword);
}

TEST(PasswordHash, OnlyWellFormedHashesCountAsHashes) {
    EXPECT_FALSE(IsPasswordHash(""));
    EXPECT_FALSE(IsPasswordHash("$argon2id$"));
    EXPECT_FALSE(IsPasswordHash("$argon2id$v=19$m=garbage"));
    EXPECT_TRUE(IsPasswordHash(HashPassword("x")));
    // A clear-text password that merely starts like a hash still compares as text.
    EXPECT_TRUE(PasswordMatches("$argon2id$v=19$m=garbage", "$argon2id$v=19$m=garbage"));
    EXPECT_FALSE(PasswordMatches(HashPassword("abc"), "ABC"));
}
