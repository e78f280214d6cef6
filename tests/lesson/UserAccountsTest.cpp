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
