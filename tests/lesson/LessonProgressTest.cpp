#include "lesson/LessonProgress.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Schema.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"
#include "lesson/LessonCatalogData.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace {

class Progress : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(fixtures::BuildLessonDatabase(Path(), {"en"}, error)) << error;
        ASSERT_TRUE(m_db.Open("Data Source=" + Path()));
    }
    std::string Path() const { return m_dir / "lesson.dll"; }
    int StoredScore(const std::string& user, int lesson) {
        CADORecordset rs;
        EXPECT_TRUE(rs.Open(&m_db, SqlQuery::Format("select score from tbl_user_lesson where id = '%s' and "
                                                    "lessonindex = %d",
                                                    {user, lesson})));
        int score = -1;
        if (!rs.IsEOF())
            rs.GetFieldValue("score", score);
        return score;
    }
    // Another program's connection that takes the write lock and keeps it for a while.
    sqlite3* LockFromElsewhere() {
        sqlite3* other = nullptr;
        EXPECT_EQ(sqlite3_open(Path().c_str(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        return other;
    }

    TempFolder m_dir;
    CADODatabase m_db;
};

TEST_F(Progress, TheBestScoreIsKeptAndTheRowMadeWhenMissing) {
    progress::ScoreResult r = progress::RecordScore(&m_db, "u1", 3, 55);
    EXPECT_TRUE(r.saved);
    EXPECT_TRUE(r.improved);
    EXPECT_EQ(r.bestScore, 55);
    EXPECT_EQ(StoredScore("u1", 3), 55);
    r = progress::RecordScore(&m_db, "u1", 3, 40);
    EXPECT_TRUE(r.saved);
    EXPECT_FALSE(r.improved);
    EXPECT_EQ(r.bestScore, 55);
    EXPECT_EQ(StoredScore("u1", 3), 55);
    EXPECT_TRUE(progress::RecordScore(&m_db, "u1", 3, 100).improved);
    EXPECT_EQ(StoredScore("u1", 3), 100);
    // Another user and another lesson are rows of their own.
    progress::RecordScore(&m_db, "u2", 3, 0);
    EXPECT_EQ(StoredScore("u2", 3), 0);
    EXPECT_EQ(StoredScore("u1", 4), -1);
}

TEST_F(Progress, AWriteWaitsForAnotherProgramHoldingTheDatabase) {
    sqlite3* other = LockFromElsewhere();
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    });
    const progress::ScoreResult r = progress::RecordScore(&m_db, "u1", 2, 80);
    release.join();
    EXPECT_TRUE(r.saved) << r.error;
    EXPECT_EQ(StoredScore("u1", 2), 80);
}

TEST_F(Progress, AWriteThatCannotBeMadeIsNeverReportedAsSaved) {
    ASSERT_TRUE(progress::RecordScore(&m_db, "u1", 2, 30).saved);
    sqlite3* other = LockFromElsewhere();
    const progress::ScoreResult r = progress::RecordScore(&m_db, "u1", 2, 90);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_FALSE(r.saved);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(StoredScore("u1", 2), 30);
    std::string error;
    EXPECT_FALSE(progress::MarkLessonOpened(nullptr, "u1", 2, error));
}

TEST_F(Progress, AnOpenedLessonShowsAsStartedUntilItsScoreSaysMore) {
    std::array<int, catalog::kLessonCount + 1> states{};
    catalog::LoadLessonStates(&m_db, "u1", states);
    EXPECT_EQ(states[4], catalog::kNotStarted);
    std::string error;
    ASSERT_TRUE(progress::MarkLessonOpened(&m_db, "u1", 4, error)) << error;
    ASSERT_TRUE(progress::MarkLessonOpened(&m_db, "u1", 4, error)) << "opening twice is no error";
    catalog::LoadLessonStates(&m_db, "u1", states);
    EXPECT_EQ(states[4], catalog::kStarted);
    progress::RecordScore(&m_db, "u1", 4, 60);
    catalog::LoadLessonStates(&m_db, "u1", states);
    EXPECT_EQ(states[4], catalog::kFinished);
    std::array<int, catalog::kLessonCount + 1> other{};
    catalog::LoadLessonStates(&m_db, "u2", other);
    EXPECT_EQ(other[4], catalog::kNotStarted);
    EXPECT_EQ(progress::OpenedLessons(&m_db, "u1"), std::set<int>{4});
}

TEST_F(Progress, AnOlderDatabaseWithoutTheOpenedLessonsTableStillWorks) {
    ASSERT_TRUE(m_db.Execute(SqlQuery("DROP TABLE tbl_user_lesson_opened")));
    EXPECT_TRUE(progress::OpenedLessons(&m_db, "u1").empty());
    std::string error;
    ASSERT_TRUE(progress::MarkLessonOpened(&m_db, "u1", 7, error)) << error;
    EXPECT_EQ(progress::OpenedLessons(&m_db, "u1"), std::set<int>{7});
}

TEST_F(Progress, KnowsWhichUsersExist) {
    EXPECT_FALSE(progress::UserExists(&m_db, "u1"));
    ASSERT_TRUE(m_db.Execute(SqlQuery("INSERT INTO tbl_user_main (id, username) VALUES ('u1', 'Ann')")));
    EXPECT_TRUE(progress::UserExists(&m_db, "u1"));
    EXPECT_FALSE(progress::UserExists(&m_db, "u1' OR '1'='1"));
}

} // namespace
