#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "data/CADOException.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// A database with one table of every kind of column the recordset converts.
class Recordset : public testing::Test {
protected:
    void SetUp() override {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((m_dir / "t.db").c_str(), &db), SQLITE_OK);
        const char* script = R"(
            CREATE TABLE t (id TEXT COLLATE NOCASE, n INTEGER, r REAL, flag BOOLEAN, made DATETIME,
                            stamp DATETIME, wide TEXT, data BLOB);
            INSERT INTO t VALUES ('a', 42, 2.5, 1, '2005-06-15 14:03:09', NULL, '你好', x'00FF10');
            INSERT INTO t VALUES ('b', -3, 0.1, 0, '2005-06-15', NULL, 'nǐhǎo', NULL);
            INSERT INTO t VALUES ('c', NULL, NULL, NULL, NULL, NULL, NULL, x'');
            CREATE TABLE empty (id TEXT);)";
        ASSERT_EQ(sqlite3_exec(db, script, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        ASSERT_TRUE(
            m_db.Open("Provider=x;Data Source=" + (m_dir / "t.db") + ";JET OLEDB:Database Password=p;"));
    }

    bool OpenRow(CADORecordset& rs, const char* id) {
        return rs.Open(m_db.GetActiveConnection(), SqlQuery::Format("select * from t where id = '%s'", {id}));
    }

    TempFolder m_dir;
    CADODatabase m_db;
};

TEST_F(Recordset, ConvertsFieldsToText) {
    CADORecordset rs;
    ASSERT_TRUE(OpenRow(rs, "a"));
    std::string v;
    EXPECT_TRUE(rs.GetFieldValue("n", v));
    EXPECT_EQ(v, "42");
    EXPECT_TRUE(rs.GetFieldValue("r", v));
    EXPECT_EQ(v, "2.5");
    EXPECT_TRUE(rs.GetFieldValue("flag", v));
    EXPECT_EQ(v, "T");
    EXPECT_TRUE(rs.GetFieldValue("made", v));
    EXPECT_EQ(v, "2005-06-15 14:03:09");
    EXPECT_TRUE(rs.GetFieldValue("made", v, "%d/%m/%Y"));
    EXPECT_EQ(v, "15/06/2005");
    EXPECT_TRUE(rs.GetFieldValue("stamp", v));
    EXPECT_EQ(v, "");
    EXPECT_TRUE(rs.GetFieldValue("ID", v)); // field names match without regard to case
    EXPECT_EQ(v, "a");
    EXPECT_FALSE(rs.GetFieldValue("data", v)); // binary has no text form
    EXPECT_FALSE(rs.GetFieldValue("nosuchfield", v));
    EXPECT_EQ(v, "");
}

TEST_F(Recordset, ConvertsFieldsToNumbersAndWideText) {
    CADORecordset rs;
    ASSERT_TRUE(OpenRow(rs, "b"));
    int n = 99;
    EXPECT_TRUE(rs.GetFieldValue("n", n));
    EXPECT_EQ(n, -3);
    EXPECT_TRUE(rs.GetFieldValue("flag", n));
    EXPECT_EQ(n, 0);
    std::string flag;
    EXPECT_TRUE(rs.GetFieldValue("flag", flag));
    EXPECT_EQ(flag, "F");
    std::u16string wide;
    EXPECT_TRUE(rs.GetFieldValue("wide", wide));
    EXPECT_EQ(wide, u"nǐhǎo");
    n = 5;
    EXPECT_FALSE(rs.GetFieldValue("nosuchfield", n));
    EXPECT_EQ(n, 5);

    ASSERT_TRUE(OpenRow(rs, "a"));
    EXPECT_TRUE(rs.GetFieldValue("flag", n));
    EXPECT_EQ(n, -1);
    ASSERT_TRUE(OpenRow(rs, "c"));
    n = 5;
    EXPECT_TRUE(rs.GetFieldValue("n", n));
    EXPECT_EQ(n, 0);
}

TEST_F(Recordset, ReadsBinaryValuesAndWritesThemToFiles) {
    CADORecordset rs;
    ASSERT_TRUE(OpenRow(rs, "a"));
    EXPECT_EQ(rs.GetFieldActualSize("data"), 3);
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(rs.GetChunk("data", bytes));
    EXPECT_EQ(bytes, (std::vector<unsigned char>{0x00, 0xFF, 0x10}));
    ASSERT_TRUE(rs.SaveFieldToFile("data", m_dir / "out.bin"));
    EXPECT_EQ(ReadWholeFile(m_dir / "out.bin"), std::string("\x00\xFF\x10", 3));
    EXPECT_FALSE(rs.SaveFieldToFile("data", m_dir / "no/such/folder/out.bin"));
}

TEST_F(Recordset, NullOrEmptyBinaryMakesNoFile) {
    CADORecordset rs;
    ASSERT_TRUE(OpenRow(rs, "b"));
    EXPECT_EQ(rs.GetFieldActualSize("data"), 0);
    EXPECT_FALSE(rs.SaveFieldToFile("data", m_dir / "null.bin"));
    EXPECT_FALSE(FileExists(m_dir / "null.bin"));
    ASSERT_TRUE(OpenRow(rs, "c"));
    EXPECT_FALSE(rs.SaveFieldToFile("data", m_dir / "empty.bin"));
    EXPECT_FALSE(FileExists(m_dir / "empty.bin"));
}

TEST_F(Recordset, CountsRowsAndWalksThemInOrder) {
    CADORecordset rs;
    ASSERT_TRUE(rs.Open(m_db.GetActiveConnection(), std::string("   select id from t order by id")));
    EXPECT_EQ(rs.GetRecordCount(), 3);
    std::string ids, v;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        rs.GetFieldValue("id", v);
        ids += v;
    }
    EXPECT_EQ(ids, "abc");

    ASSERT_TRUE(rs.Open(m_db.GetActiveConnection(), std::string("SELECT * FROM empty")));
    EXPECT_EQ(rs.GetRecordCount(), 0);
    EXPECT_TRUE(rs.IsEOF());
}

TEST_F(Recordset, TextComparisonIgnoresCase) {
    CADORecordset rs;
    ASSERT_TRUE(OpenRow(rs, "A"));
    EXPECT_EQ(rs.GetRecordCount(), 1);
}

TEST_F(Recordset, AValueWithAQuoteNeitherBreaksNorChangesTheQuery) {
    CADORecordset rs;
    ASSERT_TRUE(OpenRow(rs, "x' OR '1'='1"));
    EXPECT_EQ(rs.GetRecordCount(), 0);
    EXPECT_EQ(rs.GetQuery(), "select * from t where id = 'x' OR '1'='1'");
}

TEST_F(Recordset, FailuresAreStoredWithTheQuery) {
    CADORecordset rs;
    EXPECT_FALSE(rs.Open(m_db.GetActiveConnection(), std::string("SELECT * FROM nosuchtable")));
    EXPECT_EQ(
        rs.GetLastErrorString().rfind("Query = SELECT * FROM nosuchtable\nCADORecordset Error\n\tCode = ", 0),
        0u)
        << rs.GetLastErrorString();
    EXPECT_NE(rs.GetLastErrorString().find("no such table"), std::string::npos);
    EXPECT_FALSE(rs.Open(m_db.GetActiveConnection(), std::string("SELECT * FROM t; DELETE FROM t")));
    EXPECT_FALSE(rs.Open(m_db.GetActiveConnection(), std::string("DELETE FROM t")));
    EXPECT_FALSE(rs.Open(m_db.GetActiveConnection(), std::string("SELECT * FROM t"), 9));
    EXPECT_NE(rs.GetLastErrorString().find("Unknown parameter. 9"), std::string::npos);
    ASSERT_TRUE(OpenRow(rs, "a"));
    EXPECT_EQ(rs.GetRecordCount(), 1); // nothing was deleted
}

TEST_F(Recordset, OpensATableByName) {
    CADORecordset rs;
    ASSERT_TRUE(rs.Open(m_db.GetActiveConnection(), std::string("t"), CADORecordset::openTable));
    EXPECT_EQ(rs.GetRecordCount(), 3);
}

TEST_F(Recordset, UsingAClosedRecordsetRaises) {
    CADORecordset rs;
    EXPECT_THROW(rs.IsEOF(), CADOException);
    EXPECT_THROW(rs.MoveNext(), CADOException);
    ASSERT_TRUE(OpenRow(rs, "a"));
    rs.Close();
    rs.Close(); // closing twice does nothing
    EXPECT_THROW(rs.IsEOF(), CADOException);
}

TEST_F(Recordset, RowsStayReadableAfterTheConnectionCloses) {
    CADORecordset rs;
    ASSERT_TRUE(OpenRow(rs, "a"));
    m_db.Close();
    std::string v;
    EXPECT_TRUE(rs.GetFieldValue("n", v));
    EXPECT_EQ(v, "42");
    EXPECT_FALSE(OpenRow(rs, "a"));
}

TEST_F(Recordset, RowsStayAsReadWhileTheConnectionWrites) {
    CADORecordset rs;
    ASSERT_TRUE(rs.Open(m_db.GetActiveConnection(), std::string("select id, n from t order by id")));
    rs.MoveNext(); // on "b"
    ASSERT_TRUE(m_db.Execute(SqlQuery("DELETE FROM t WHERE id <> 'a'")));
    ASSERT_TRUE(m_db.Execute(SqlQuery("UPDATE t SET n = 7")));
    std::string ids, v;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        rs.GetFieldValue("id", v);
        ids += v;
    }
    EXPECT_EQ(ids, "bc");
    rs.MoveFirst();
    ASSERT_TRUE(rs.GetFieldValue("n", v));
    EXPECT_EQ(v, "42");
    EXPECT_EQ(rs.GetRecordCount(), 3);
}

TEST_F(Recordset, TheSameQueryReadTwiceAtOnceKeepsBothPlaces) {
    const SqlQuery query("select id from t order by id");
    CADORecordset outer, inner;
    std::string pairs, v;
    ASSERT_TRUE(outer.Open(m_db.GetActiveConnection(), query));
    for (; !outer.IsEOF(); outer.MoveNext()) {
        ASSERT_TRUE(inner.Open(m_db.GetActiveConnection(), query));
        inner.MoveNext();
        outer.GetFieldValue("id", v);
        pairs += v;
        inner.GetFieldValue("id", v);
        pairs += v;
    }
    EXPECT_EQ(pairs, "abbbcb");
    // Reading to the end and starting over gives the first row again.
    outer.MoveFirst();
    ASSERT_TRUE(outer.GetFieldValue("id", v));
    EXPECT_EQ(v, "a");
}

} // namespace
