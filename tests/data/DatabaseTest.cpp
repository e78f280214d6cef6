#include "app/CLog.h"
#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "data/Schema.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

std::string ConnectionString(const std::string& path) {
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, sql::kConnectionString, path.c_str());
    return buffer;
}

TEST(Database, DataSourceIsTakenFromTheConnectionString) {
    EXPECT_EQ(
        DataSourceOf(
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/p/db\\lesson.dll;JET OLEDB:Database Password=x;"),
        "/p/db\\lesson.dll");
    EXPECT_EQ(DataSourceOf("data source = a.db"), "a.db");
    EXPECT_EQ(DataSourceOf("Provider=x;"), "");
}

TEST(Database, OpensAWindowsStylePathWithoutRegardToCase) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(MakeDirectoryPath(dir / "DB"));
    ASSERT_TRUE(fixtures::BuildLessonDatabase(dir / "DB/Lesson.dll", {"en"}, error)) << error;
    CADODatabase db;
    ASSERT_TRUE(db.Open(ConnectionString(dir.Path() + "db\\lesson.dll"), "", "")) << db.GetLastErrorString();
    EXPECT_TRUE(db.IsOpen());
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    db.Close();
}

TEST(Database, MissingOrDamagedFilesGiveFalseAndAnErrorText) {
    TempFolder dir;
    CADODatabase db;
    const std::string cs = ConnectionString(dir / "none.dll");
    EXPECT_FALSE(db.Open(cs, "", ""));
    EXPECT_FALSE(db.IsOpen());
    // The error text goes to the log: it names the file but never the database password.
    const std::string shown = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + (dir / "none.dll") +
                              ";JET OLEDB:Database Password=***;";
    EXPECT_EQ(
        db.GetLastErrorString().rfind("Connection String = " + shown + "\nCADODataBase Error\n\tCode = ", 0),
        0u)
        << db.GetLastErrorString();
    EXPECT_NE(db.GetErrorDescription().find("does not exist"), std::string::npos);
    EXPECT_FALSE(FileExists(dir / "none.dll")); // opening never creates a database

    ASSERT_TRUE(WriteTextFile(dir / "junk.dll", std::string(2048, 'j')));
    EXPECT_FALSE(db.Open(ConnectionString(dir / "junk.dll")));
    EXPECT_NE(db.GetErrorDescription().find("not a database"), std::string::npos) << db.GetErrorDescription();
}

TEST(Database, ExecuteInsertsAUserWhoseNameHoldsQuotes) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(fixtures::BuildLessonDatabase(dir / "lesson.dll", {"en"}, error)) << error;
    CADODatabase db;
    ASSERT_TRUE(db.Open(ConnectionString(dir / "lesson.dll")));
    const std::string name = "O'Brien'); DELETE FROM tbl_user_main; --";
    ASSERT_TRUE(db.Execute(SqlQuery::Format(sql::kInsertUser, {"1", name, "pa'ss"})));
    EXPECT_EQ(db.GetRecordsAffected(), 1);
    ASSERT_TRUE(db.Execute(SqlQuery::Format(sql::kInsertUser, {"2", "Ann", "x"})));

    CADORecordset rs;
    ASSERT_TRUE(rs.Open(db.GetActiveConnection(), SqlQuery::Format(sql::kUserByName, {name})));
    ASSERT_EQ(rs.GetRecordCount(), 1);
    std::string password;
    rs.GetFieldValue("password22", password);
    EXPECT_EQ(password, "pa'ss");
    ASSERT_TRUE(rs.Open(db.GetActiveConnection(), std::string(sql::kAllUsers)));
    EXPECT_EQ(rs.GetRecordCount(), 2);
    // User names compare without regard to case, as they always did.
    ASSERT_TRUE(rs.Open(db.GetActiveConnection(), SqlQuery::Format(sql::kUserByName, {"ANN"})));
    EXPECT_EQ(rs.GetRecordCount(), 1);
}

TEST(Database, ExecuteFailureIsStored) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(fixtures::BuildLessonDatabase(dir / "lesson.dll", {"en"}, error)) << error;
    CADODatabase db;
    ASSERT_TRUE(db.Open(ConnectionString(dir / "lesson.dll")));
    EXPECT_FALSE(db.Execute(SqlQuery("INSERT into nosuch (a) VALUES (1)")));
    EXPECT_NE(db.GetLastErrorString().find("no such table"), std::string::npos);
    EXPECT_EQ(db.GetRecordsAffected(), 0);
}

TEST(ContentQuery, LogsTheProgramTextWhenAQueryFails) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(fixtures::BuildLessonDatabase(dir / "lesson.dll", {"en"}, error)) << error;
    CADODatabase db;
    ASSERT_TRUE(db.Open(ConnectionString(dir / "lesson.dll")));
    MakeDirectoryPath(dir / "Log");
    g_log.SetPath(dir / "Log/test.log");
    CADORecordset rs;
    // A language without its tables: the reader gets nothing and the log says why.
    EXPECT_FALSE(OpenContentQuery(rs, &db, SqlQuery::Format(sql::kLessonTitles, {"de"})));
    const std::string log = ReadWholeFile(g_log.GetPath()).value_or("");
    EXPECT_NE(log.find("打开数据库连接执行SQL：SELECT * FROM tbl_lesson_main_de 出错！"), std::string::npos)
        << log;
    EXPECT_TRUE(OpenContentQuery(rs, &db, SqlQuery::Format(sql::kLessonTitles, {"En"})));
    EXPECT_EQ(rs.GetRecordCount(), 1);
}

TEST(Schema, MakesLanguageTablesForEverySuffixAndRefusesToOverwrite) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(schema::CreateDatabaseFile(dir / "w.dll", schema::WordDatabaseDdl({"en", "fr", "de"}), error))
        << error;
    CADODatabase db;
    ASSERT_TRUE(db.Open("Data Source=" + (dir / "w.dll")));
    CADORecordset rs;
    for (const char* suffix : {"en", "fr", "de", "DE"})
        EXPECT_TRUE(rs.Open(&db, SqlQuery::Format(sql::kPhraseExplainByWord, {suffix, "x"}))) << suffix;
    EXPECT_FALSE(rs.Open(&db, SqlQuery::Format(sql::kPhraseExplainByWord, {"it", "x"})));
    EXPECT_FALSE(schema::CreateDatabaseFile(dir / "w.dll", schema::WordDatabaseDdl({"en"}), error));
    EXPECT_TRUE(db.IsOpen());
}

} // namespace
