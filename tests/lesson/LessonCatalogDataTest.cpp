#include "lesson/LessonCatalogData.h"
#include "data/CADODatabase.h"
#include "data/Queries.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace catalog;

class Catalog : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(fixtures::BuildLessonDatabase(m_dir / "lesson.dll", {"en", "fr"}, error)) << error;
        ASSERT_TRUE(m_db.Open("Data Source=" + (m_dir / "lesson.dll")));
    }
    void Score(const std::string& user, int lesson, int score) {
        ASSERT_TRUE(m_db.Execute(
            SqlQuery::Format("INSERT INTO tbl_user_lesson (id, lessonindex, score) VALUES ('%s', %d, %d)",
                             {user, lesson, score})));
    }

    TempFolder m_dir;
    CADODatabase m_db;
};

TEST(CatalogState, ScoreBoundaries) {
    EXPECT_EQ(StateFromScore(60), kFinished);
    EXPECT_EQ(StateFromScore(100), kFinished);
    EXPECT_EQ(StateFromScore(59), kStarted);
    EXPECT_EQ(StateFromScore(1), kStarted);
    EXPECT_EQ(StateFromScore(0), kNotStarted);
    EXPECT_EQ(StateFromScore(-5), kNotStarted);
}

TEST_F(Catalog, ListsTitlesOfTheInterfaceLanguage) {
    LessonList list;
    ASSERT_TRUE(LoadLessonList(&m_db, "fr", list));
    EXPECT_EQ(list.titles, std::vector<std::string>{"Bonjour !"});
    EXPECT_EQ(list.ids, std::vector<int>{1});
    EXPECT_FALSE(LoadLessonList(&m_db, "de", list)); // a language without its tables
    EXPECT_TRUE(list.titles.empty());
}

TEST_F(Catalog, ProgressIsPerUserAndLessonsWithoutRowsKeepTheirState) {
    Score("u1", 1, 60);
    Score("u1", 2, 59);
    Score("u1", 3, 0);
    Score("u2", 1, 10);
    std::array<int, kLessonCount + 1> states{};
    LoadLessonStates(&m_db, "u1", states);
    EXPECT_EQ(states[1], kFinished);
    EXPECT_EQ(states[2], kStarted);
    EXPECT_EQ(states[3], kNotStarted);
    EXPECT_EQ(states[4], kNotStarted);

    states[5] = kStarted; // no row: stays as it was
    LoadLessonStates(&m_db, "u2", states, 1);
    EXPECT_EQ(states[1], kStarted);
    EXPECT_EQ(states[2], kStarted); // untouched when only lesson 1 is asked for
    LoadLessonStates(&m_db, "u2", states);
    EXPECT_EQ(states[5], kStarted);
}

TEST(CatalogResume, AsksAccordingToTheLastLessonsState) {
    EXPECT_FALSE(MakeResumePrompt(false, 3, kStarted).ask);
    EXPECT_FALSE(MakeResumePrompt(true, 0, kStarted).ask);
    const ResumePrompt finished = MakeResumePrompt(true, 4, kFinished);
    EXPECT_TRUE(finished.ask);
    EXPECT_EQ(finished.text, "You finished Lesson 4 last time, do you want to start a new lesson?");
    EXPECT_FALSE(finished.enterOnYes);
    const ResumePrompt started = MakeResumePrompt(true, 12, kStarted);
    EXPECT_EQ(started.text, "You haven't finished Lesson 12 you studied last time. Do you want to continue?");
    EXPECT_TRUE(started.enterOnYes);
}

} // namespace
