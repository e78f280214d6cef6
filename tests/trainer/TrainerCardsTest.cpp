#include "trainer/TrainerCards.h"
#include "data/CADODatabase.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"
#include "lesson/LessonProgress.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

namespace {

using Direction = TrainerCard::Direction;
using Grade = Fsrs::Grade;

const QDate kFirstDay(2031, 3, 3);
const std::string kUser = "20310303101010000001";

class TrainerCards : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(fixtures::BuildProgramFolder(m_dir.Path(), error)) << error;
        Open();
        // Lesson 1 has 学生; these are the words of lessons 2 and 3.
        ASSERT_TRUE(
            m_lesson.Execute(SqlQuery("INSERT INTO tbl_lesson_newword (id, lessonid, word, pinyin) VALUES "
                                      "('NW0201', 2, '我', 'wǒ'), ('NW0301', 3, '是', 'shì'), "
                                      "('NW0302', 3, '你好', 'nǐhǎo'), ('NW0303', 3, '学生', 'xuésheng')")));
    }
    void Open() {
        ASSERT_TRUE(m_lesson.Open("Data Source=" + (m_dir / "db/lesson.dll")));
        ASSERT_TRUE(m_word.Open("Data Source=" + (m_dir / "db/word.dll")));
    }
    void Reopen() {
        m_lesson.Close();
        m_word.Close();
        Open();
    }
    std::vector<TrainerCard> Load() {
        std::vector<TrainerCard> cards;
        std::string error;
        EXPECT_TRUE(trainercards::LoadCards(&m_lesson, &m_word, "en", kUser, cards, error)) << error;
        return cards;
    }
    bool Review(TrainerCard& card, Grade grade, const QDate& day) {
        std::string error;
        const bool stored = trainercards::Review(&m_lesson, kUser, m_fsrs, card, grade, day, error);
        EXPECT_EQ(stored, error.empty()) << error;
        return stored;
    }
    std::string LessonPath() const { return m_dir / "db/lesson.dll"; }

    TempFolder m_dir;
    CADODatabase m_lesson;
    CADODatabase m_word;
    const Fsrs m_fsrs;
};

// A whole number read straight from the file, as another program sees it.
int CountOf(const std::string& path, const char* query) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    int count = -1;
    if (sqlite3_prepare_v2(db, query, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        count = sqlite3_column_int(stmt, 0);
    else
        ADD_FAILURE() << query << ": " << sqlite3_errmsg(db);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return count;
}

TEST_F(TrainerCards, CardsComeFromTheLessonsOpenedOrScoredInCourseOrder) {
    EXPECT_TRUE(Load().empty());
    std::string error;
    ASSERT_TRUE(progress::MarkLessonOpened(&m_lesson, kUser, 3, error)) << error;
    ASSERT_TRUE(progress::RecordScore(&m_lesson, kUser, 1, 0).saved);
    ASSERT_TRUE(progress::MarkLessonOpened(&m_lesson, "someone else", 2, error)) << error;
    const std::vector<TrainerCard> cards = Load();
    // 学生 of lesson 3 is the card of lesson 1 already.
    ASSERT_EQ(cards.size(), 6u);
    const std::u16string words[] = {u"学生", u"学生", u"是", u"是", u"你好", u"你好"};
    for (size_t i = 0; i < cards.size(); ++i) {
        EXPECT_EQ(cards[i].word, words[i]);
        EXPECT_EQ(cards[i].order, int(i / 2));
        EXPECT_EQ(cards[i].direction, i % 2 ? Direction::Recall : Direction::Recognise);
        EXPECT_TRUE(cards[i].isNew);
    }
    EXPECT_EQ(cards[0].pinyin, u"xuésheng");
    EXPECT_EQ(cards[0].meaning, "student");
    EXPECT_EQ(cards[0].lesson, 1);
    EXPECT_EQ(cards[2].lesson, 3);
}

TEST_F(TrainerCards, AReviewIsStoredWithItsLogLineAndLoadedAgain) {
    std::string error;
    ASSERT_TRUE(progress::MarkLessonOpened(&m_lesson, kUser, 1, error)) << error;
    std::vector<TrainerCard> cards = Load();
    ASSERT_EQ(cards.size(), 2u);
    ASSERT_TRUE(Review(cards[1], Grade::Good, kFirstDay));
    EXPECT_FALSE(cards[1].isNew);
    EXPECT_EQ(cards[1].memory, m_fsrs.First(Grade::Good));
    EXPECT_EQ(cards[1].due, kFirstDay.addDays(3));
    EXPECT_EQ(cards[1].introduced, kFirstDay);
    ASSERT_TRUE(Review(cards[1], Grade::Again, kFirstDay.addDays(4)));
    EXPECT_EQ(cards[1].memory, m_fsrs.Next(m_fsrs.First(Grade::Good), 4, Grade::Again));
    EXPECT_EQ(cards[1].reviews, 2);
    EXPECT_EQ(cards[1].lapses, 1);
    EXPECT_EQ(cards[1].introduced, kFirstDay);

    Reopen();
    const std::vector<TrainerCard> again = Load();
    ASSERT_EQ(again.size(), 2u);
    EXPECT_TRUE(again[0].isNew);
    const TrainerCard& stored = again[1];
    EXPECT_FALSE(stored.isNew);
    EXPECT_EQ(stored.memory, cards[1].memory) << "stored without losing a digit";
    EXPECT_EQ(stored.due, cards[1].due);
    EXPECT_EQ(stored.lastReview, kFirstDay.addDays(4));
    EXPECT_EQ(stored.introduced, kFirstDay);
    EXPECT_EQ(std::tie(stored.reviews, stored.lapses), std::tie(cards[1].reviews, cards[1].lapses));
    EXPECT_EQ(CountOf(LessonPath(),
                      "select count(*) from tbl_user_review where direction = 1 and grade = 1 and "
                      "elapsed = 4 and reviewed like '2031-03-07 %'"),
              1);
}

TEST_F(TrainerCards, AnOlderDatabaseWithoutTheCardTablesGetsThemAtTheFirstReview) {
    ASSERT_TRUE(m_lesson.Execute(SqlQuery("DROP TABLE tbl_user_card")));
    ASSERT_TRUE(m_lesson.Execute(SqlQuery("DROP TABLE tbl_user_review")));
    ASSERT_TRUE(progress::RecordScore(&m_lesson, kUser, 1, 50).saved);
    std::vector<TrainerCard> cards = Load();
    ASSERT_EQ(cards.size(), 2u);
    ASSERT_TRUE(Review(cards[0], Grade::Easy, kFirstDay));
    EXPECT_FALSE(Load()[0].isNew);
}

TEST_F(TrainerCards, UnreadableStoredValuesFallBackToDueTodayAndStartingAgain) {
    std::string error;
    ASSERT_TRUE(progress::MarkLessonOpened(&m_lesson, kUser, 1, error)) << error;
    std::vector<TrainerCard> cards = Load();
    ASSERT_TRUE(Review(cards[0], Grade::Easy, kFirstDay));
    ASSERT_TRUE(Review(cards[1], Grade::Easy, kFirstDay));
    ASSERT_TRUE(
        m_lesson.Execute(SqlQuery("UPDATE tbl_user_card SET due = '31.12.2031' WHERE direction = 0")));
    ASSERT_TRUE(m_lesson.Execute(SqlQuery("UPDATE tbl_user_card SET stability = 'x' WHERE direction = 1")));
    cards = Load();
    EXPECT_FALSE(cards[0].due.isValid());
    EXPECT_EQ(trainerdeck::NextCard(cards, kFirstDay.addDays(1)), 0) << "due at once";
    EXPECT_TRUE(cards[1].isNew);
    EXPECT_EQ(cards[1].reviews, 1);
    ASSERT_TRUE(Review(cards[1], Grade::Good, kFirstDay.addDays(1)));
    EXPECT_EQ(cards[1].memory, m_fsrs.First(Grade::Good));
    EXPECT_EQ(cards[1].reviews, 2);
}

TEST_F(TrainerCards, AReviewThatCannotBeStoredLeavesTheCardAsItWas) {
    std::string error;
    ASSERT_TRUE(progress::MarkLessonOpened(&m_lesson, kUser, 1, error)) << error;
    std::vector<TrainerCard> cards = Load();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(LessonPath().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const TrainerCard before = cards[0];
    EXPECT_FALSE(trainercards::Review(&m_lesson, kUser, m_fsrs, cards[0], Grade::Good, kFirstDay, error));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(cards[0].isNew);
    EXPECT_EQ(cards[0].reviews, before.reviews);
    EXPECT_TRUE(Load()[0].isNew);
    EXPECT_FALSE(trainercards::Review(nullptr, kUser, m_fsrs, cards[0], Grade::Good, kFirstDay, error));
    EXPECT_FALSE(trainercards::LoadCards(nullptr, &m_word, "en", kUser, cards, error));
}

// Reviews the cards of the user one after another, a day apart, until killed.
[[noreturn]] void ReviewUntilKilled(const std::string& folder, int readyPipe) {
    CADODatabase lesson;
    CADODatabase word;
    std::vector<TrainerCard> cards;
    std::string error;
    if (!lesson.Open("Data Source=" + folder + "db/lesson.dll") ||
        !word.Open("Data Source=" + folder + "db/word.dll") ||
        !trainercards::LoadCards(&lesson, &word, "en", kUser, cards, error) || cards.empty())
        _exit(1);
    int day = 0;
    for (const TrainerCard& card : cards)
        day += card.reviews;
    const char go = 1;
    if (write(readyPipe, &go, 1) != 1)
        _exit(1);
    const Fsrs fsrs;
    for (int i = 0;; ++i) {
        const auto grade = static_cast<Grade>(1 + (i + i / int(cards.size())) % 4);
        trainercards::Review(&lesson, kUser, fsrs, cards[i % cards.size()], grade, kFirstDay.addDays(day + i),
                             error);
    }
}

// Card rows whose count, state or due date disagrees with their last review-log line.
constexpr char kCardsDisagreeingWithTheLog[] =
    "SELECT count(*) FROM tbl_user_card c WHERE c.reps != (SELECT count(*) FROM tbl_user_review r WHERE "
    "r.id = c.id AND r.word = c.word AND r.pinyin = c.pinyin AND r.direction = c.direction) OR NOT EXISTS "
    "(SELECT 1 FROM tbl_user_review r WHERE r.rowid = (SELECT max(rowid) FROM tbl_user_review l WHERE "
    "l.id = c.id AND l.word = c.word AND l.pinyin = c.pinyin AND l.direction = c.direction) AND "
    "r.stability = c.stability AND r.difficulty = c.difficulty AND r.due = c.due)";

TEST_F(TrainerCards, AReviewKilledAtAnyMomentIsStoredWholeOrNotAtAll) {
    std::string error;
    ASSERT_TRUE(progress::MarkLessonOpened(&m_lesson, kUser, 3, error)) << error;
    // One review's duration here spreads the kills over many reviews and the moments between them.
    std::vector<TrainerCard> cards = Load();
    ASSERT_EQ(cards.size(), 6u);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Review(cards[0], Grade::Good, kFirstDay.addDays(-1)));
    const auto reviewMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
            .count();
    m_lesson.Close();
    m_word.Close();
    std::mt19937 random(18);
    std::uniform_int_distribution<long> killAfter(0, reviewMicros * 20 + 1);
    for (int round = 0; round < 50; ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            ReviewUntilKilled(m_dir.Path(), ready[1]);
        }
        close(ready[1]);
        char go = 0;
        ASSERT_EQ(read(ready[0], &go, 1), 1) << "round " << round;
        close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(killAfter(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(LessonPath().c_str(), &db), SQLITE_OK);
        char** result = nullptr;
        int rows = 0;
        int columns = 0;
        ASSERT_EQ(sqlite3_get_table(db, "PRAGMA integrity_check", &result, &rows, &columns, nullptr),
                  SQLITE_OK);
        EXPECT_EQ(std::string(rows == 1 ? result[1] : ""), "ok") << "round " << round;
        sqlite3_free_table(result);
        sqlite3_close(db);
        ASSERT_EQ(CountOf(LessonPath(), kCardsDisagreeingWithTheLog), 0) << "round " << round;
    }
    Open();
    cards = Load();
    ASSERT_EQ(cards.size(), 6u);
    int reviews = 0;
    for (const TrainerCard& card : cards)
        reviews += card.reviews;
    EXPECT_EQ(reviews, CountOf(LessonPath(), "select count(*) from tbl_user_review"));
    EXPECT_GT(reviews, 50) << "the children got to review";
}

} // namespace
