// The learners' tables in a learner file of their own, under which the lesson database is attached
// read-only: the program's query texts run unchanged and the lesson file is never written.
#include "data/LearnerDatabase.h"
#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"
#include "data/ReadTransaction.h"
#include "data/WriteTransaction.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class LearnerDatabase : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(fixtures::BuildLessonDatabase(LessonFile(), {"en"}, error)) << error;
    }

    std::string LessonFile() const { return m_dir / "lesson.dll"; }
    std::string LearnerFile() const { return m_dir / "learners.db"; }

    // Opens the connection as the programs do; the rows copied by this first preparation.
    schema::LearnerRowCounts Open(CADODatabase& db) {
        EXPECT_TRUE(db.OpenWithLearnerFile("Data Source=" + LessonFile(), LearnerFile()))
            << db.GetLastErrorString();
        schema::LearnerRowCounts copied;
        std::string error;
        EXPECT_TRUE(learnerdb::Prepare(db, copied, error)) << error;
        return copied;
    }

    // The column "n" of the query's first row, or -1.
    static int Number(CADODatabase& db, const std::string& text) {
        CADORecordset rs;
        int value = -1;
        if (!rs.Open(&db, SqlQuery(text)) || rs.IsEOF() || !rs.GetFieldValue("n", value))
            return -1;
        return value;
    }

    void Run(CADODatabase& db, const SqlQuery& statement) {
        ASSERT_TRUE(db.Execute(statement)) << db.GetLastErrorString();
    }

    TempFolder m_dir;
};

TEST_F(LearnerDatabase, CopiesTheAccountsOfAnOldLessonDatabaseOnceAndWritesOnlyTheLearnerFile) {
    {
        CADODatabase old;
        ASSERT_TRUE(old.Open("Data Source=" + LessonFile()));
        Run(old, SqlQuery::Format(sql::kInsertUser, {"1", "Ada", "pw"}));
        Run(old, SqlQuery::Format(sql::kInsertUserLessonScore, {"1", 1, 75}));
        Run(old, SqlQuery::Format(sql::kInsertUserLessonScore, {"1", 2, 20}));
        Run(old, SqlQuery::Format(sql::kStoreUserCard, {"1", "老师", "lǎoshī", 0, "2.5", "6.1", "2031-03-06",
                                                        "", 1, 0, "2031-03-03"}));
    }
    const auto lessonBytes = ReadWholeFile(LessonFile());

    CADODatabase db;
    const schema::LearnerRowCounts copied = Open(db);
    EXPECT_EQ(copied.users, 1);
    EXPECT_EQ(copied.scores, 2);
    EXPECT_EQ(Number(db, "select count(*) as n from main.tbl_user_card"), 1);

    // The program's own texts find the learner's rows and write there.
    CADORecordset rs;
    ASSERT_TRUE(rs.Open(&db, SqlQuery::Format(sql::kUserByName, {"ada"})));
    EXPECT_FALSE(rs.IsEOF());
    Run(db, SqlQuery::Format(sql::kInsertUser, {"2", "Bo", "pw"}));
    Run(db, SqlQuery::Format(sql::kUpdateUserLessonScore, {90, "1", 1}));
    Run(db, SqlQuery(sql::kCreateOpenedLessons));
    Run(db, SqlQuery::Format(sql::kMarkLessonOpened, {"2", 1}));
    EXPECT_EQ(Number(db, "select score as n from tbl_user_lesson where id = '1' and lessonindex = 1"), 90);
    EXPECT_EQ(Number(db, "select count(*) as n from tbl_user_main"), 2);
    // Course tables come from the lesson file.
    ASSERT_TRUE(rs.Open(&db, SqlQuery::Format(sql::kLessonTitles, {"en"})));
    EXPECT_FALSE(rs.IsEOF());
    db.Close();

    // Opened again (the next start, or a second program): nothing is copied twice.
    CADODatabase again;
    const schema::LearnerRowCounts second = Open(again);
    EXPECT_EQ(second.users, 0);
    EXPECT_EQ(Number(again, "select count(*) as n from tbl_user_main"), 2);
    EXPECT_EQ(Number(again, "select count(*) as n from tbl_user_lesson"), 2);
    again.Close();
    EXPECT_EQ(ReadWholeFile(LessonFile()), lessonBytes) << "the lesson database was written";
}

// A burst of reads sees one state of the learner's data while another program writes, and never
// ends a transaction it did not open.
TEST_F(LearnerDatabase, ReadTransactionsSeeOneStateAndLeaveWritesTheirOwn) {
    CADODatabase reader, writer;
    Open(reader);
    Open(writer);
    const std::string users = "select count(*) as n from tbl_user_main";
    {
        const ReadTransaction reads(&reader);
        EXPECT_EQ(Number(reader, users), 0);
        Run(writer, SqlQuery::Format(sql::kInsertUser, {"1", "Ada", "pw"}));
        EXPECT_EQ(Number(reader, users), 0);
    }
    EXPECT_EQ(Number(reader, users), 1);

    {
        WriteTransaction write(&reader);
        ASSERT_TRUE(write.IsOpen());
        Run(reader, SqlQuery::Format(sql::kInsertUser, {"2", "Bo", "pw"}));
        { const ReadTransaction inside(&reader); }
        // Not committed by the reads inside it: the write is still undone when abandoned.
    }
    EXPECT_EQ(Number(writer, users), 1);
}

TEST_F(LearnerDatabase, RefusesAMissingLessonFileAndADamagedLearnerFile) {
    CADODatabase db;
    EXPECT_FALSE(db.OpenWithLearnerFile("Data Source=" + (m_dir / "none.dll"), LearnerFile()));
    EXPECT_FALSE(FileExists(LearnerFile())) << "a learner file was made for a course that is not there";
    ASSERT_TRUE(WriteTextFile(LearnerFile(), std::string(4096, 'x')));
    EXPECT_FALSE(db.OpenWithLearnerFile("Data Source=" + LessonFile(), LearnerFile()));
    EXPECT_NE(db.GetErrorDescription().find("learners.db"), std::string::npos) << db.GetErrorDescription();
    EXPECT_EQ(ReadWholeFile(LearnerFile()), std::string(4096, 'x')) << "the damaged file was overwritten";
}

} // namespace
