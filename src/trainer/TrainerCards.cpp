#include "trainer/TrainerCards.h"

#include "app/CLog.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
#include "data/ReadTransaction.h"
#include "data/WriteTransaction.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonProgress.h"

#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <tuple>

namespace trainercards {
namespace {

constexpr char kDateFormat[] = "yyyy-MM-dd";
constexpr char kDateTimeFormat[] = "yyyy-MM-dd hh:mm:ss";

using CardKey = std::tuple<std::u16string, std::u16string, int>;

CardKey KeyOf(const TrainerCard& card) {
    return {card.word, card.pinyin, static_cast<int>(card.direction)};
}

std::string DateText(const QDate& date) {
    return date.isValid() ? date.toString(kDateFormat).toStdString() : std::string();
}

// An unreadable date gives an invalid QDate; the deck then takes the card as due at once.
QDate StoredDate(const CADORecordset& row, const std::string& field) {
    std::string text;
    row.GetFieldValue(field, text);
    return QDate::fromString(QString::fromStdString(text), kDateFormat);
}

// The shortest text that reads back as the same double.
std::string NumberText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool StoredNumber(const CADORecordset& row, const std::string& field, double& value) {
    std::string text;
    if (!row.GetFieldValue(field, text))
        return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(value);
}

std::string DatabaseError(CADODatabase* db) {
    if (!db || !db->IsOpen())
        return "the lesson database is not open";
    return db->GetErrorDescription();
}

// The memory of one card as stored; a state that cannot be read makes the card start again as new
// (its counts are kept).
TrainerCard StoredCard(const CADORecordset& row) {
    TrainerCard card;
    int direction = 0;
    row.GetFieldValue("word", card.word);
    row.GetFieldValue("pinyin", card.pinyin);
    row.GetFieldValue("direction", direction);
    card.direction = direction == 1 ? TrainerCard::Direction::Recall : TrainerCard::Direction::Recognise;
    row.GetFieldValue("reps", card.reviews);
    row.GetFieldValue("lapses", card.lapses);
    card.due = StoredDate(row, "due");
    card.lastReview = StoredDate(row, "lastreview");
    card.introduced = StoredDate(row, "introduced");
    Fsrs::MemoryState& memory = card.memory;
    card.isNew = !(StoredNumber(row, "stability", memory.stability) && memory.stability > 0 &&
                   StoredNumber(row, "difficulty", memory.difficulty));
    return card;
}

bool TableExists(CADODatabase* db, const char* table, bool& exists, std::string& error) {
    CADORecordset rs;
    if (!OpenContentQuery(rs, db, SqlQuery::Format(sql::kTableExists, {table}))) {
        error = rs.GetLastErrorString();
        return false;
    }
    exists = !rs.IsEOF();
    return true;
}

// The stored cards of the user; none when the database has never stored one.
bool ReadStoredCards(CADODatabase* db, const std::string& userId, std::map<CardKey, TrainerCard>& stored,
                     std::string& error) {
    bool exists = false;
    if (!TableExists(db, "tbl_user_card", exists, error))
        return false;
    if (!exists)
        return true;
    CADORecordset rs;
    if (!OpenContentQuery(rs, db, SqlQuery::Format(sql::kUserCardsOfUser, {userId}))) {
        error = rs.GetLastErrorString();
        return false;
    }
    for (; !rs.IsEOF(); rs.MoveNext()) {
        TrainerCard card = StoredCard(rs);
        stored.emplace(KeyOf(card), std::move(card));
    }
    return true;
}

bool ReadPractisedLessons(CADODatabase* db, const std::string& userId, std::set<int>& lessons,
                          std::string& error) {
    lessons = progress::OpenedLessons(db, userId);
    CADORecordset rs;
    if (!OpenContentQuery(rs, db, SqlQuery::Format(sql::kScoredLessonsOfUser, {userId}))) {
        error = rs.GetLastErrorString();
        return false;
    }
    for (; !rs.IsEOF(); rs.MoveNext()) {
        int lesson = 0;
        if (rs.GetFieldValue("lessonindex", lesson))
            lessons.insert(lesson);
    }
    return true;
}

void AddWordCards(const lesson::NewWord& word, int lessonNumber, int order, std::vector<TrainerCard>& cards) {
    for (TrainerCard::Direction direction :
         {TrainerCard::Direction::Recognise, TrainerCard::Direction::Recall}) {
        TrainerCard card;
        card.word = word.word;
        card.pinyin = word.pinyin;
        card.meaning = word.explanation;
        card.lesson = lessonNumber;
        card.order = order;
        card.direction = direction;
        cards.push_back(std::move(card));
    }
}

// Both cards of every new word of the lessons, in course order; a word met again in a later lesson
// is the same card and comes only once.
bool ReadCourseCards(LessonContentService& content, const std::set<int>& lessons,
                     std::vector<TrainerCard>& cards, std::string& error) {
    std::map<int, std::vector<lesson::NewWord>> wordsByLesson;
    if (!content.ReadNewWordsOfLessons(lessons, wordsByLesson)) {
        error = content.LastError();
        return false;
    }
    std::set<std::pair<std::u16string, std::u16string>> seen;
    int order = 0;
    for (const auto& [lessonNumber, words] : wordsByLesson)
        for (const lesson::NewWord& word : words)
            if (seen.emplace(word.word, word.pinyin).second)
                AddWordCards(word, lessonNumber, order++, cards);
    return true;
}

void TakeStoredState(const TrainerCard& stored, TrainerCard& card) {
    card.isNew = stored.isNew;
    card.memory = stored.memory;
    card.due = stored.due;
    card.lastReview = stored.lastReview;
    card.reviews = stored.reviews;
    card.lapses = stored.lapses;
    card.introduced = stored.introduced;
}

// Days since the card's last review; a last review that cannot be read counts as one made at the
// planned interval.
int ElapsedDays(const Fsrs& fsrs, const TrainerCard& card, const QDate& today) {
    if (card.isNew)
        return 0;
    if (!card.lastReview.isValid())
        return fsrs.IntervalDays(card.memory.stability);
    return static_cast<int>(
        std::clamp<qint64>(card.lastReview.daysTo(today), 0, std::numeric_limits<int>::max()));
}

bool Execute(CADODatabase* db, const SqlQuery& statement) {
    if (db->Execute(statement))
        return true;
    g_log.Write("%s: %s", statement.Text().c_str(), db->GetErrorDescription().c_str());
    return false;
}

// The card's row and its line in the review log, both or neither.
bool StoreReview(CADODatabase* db, const std::string& userId, const TrainerCard& card, Fsrs::Grade grade,
                 int elapsed, std::string& error) {
    const int direction = static_cast<int>(card.direction);
    const std::string stability = NumberText(card.memory.stability);
    const std::string difficulty = NumberText(card.memory.difficulty);
    const std::string due = DateText(card.due);
    const SqlQuery cardRow =
        SqlQuery::Format(sql::kStoreUserCard,
                         {userId, card.word, card.pinyin, direction, stability, difficulty, due,
                          DateText(card.lastReview), card.reviews, card.lapses, DateText(card.introduced)});
    const std::string reviewed =
        QDateTime(card.lastReview, QTime::currentTime()).toString(kDateTimeFormat).toStdString();
    const SqlQuery logLine = SqlQuery::Format(sql::kInsertUserReview,
                                              {userId, card.word, card.pinyin, direction, reviewed, elapsed,
                                               static_cast<int>(grade), stability, difficulty, due});
    WriteTransaction transaction(db);
    if (transaction.IsOpen() && Execute(db, SqlQuery(sql::kCreateUserCards)) &&
        Execute(db, SqlQuery(sql::kCreateUserReviews)) && Execute(db, cardRow) && Execute(db, logLine) &&
        transaction.Commit())
        return true;
    error = DatabaseError(db);
    return false;
}

} // namespace

bool LoadCards(CADODatabase* lessonDb, CADODatabase* wordDb, const std::string& languageSuffix,
               const std::string& userId, std::vector<TrainerCard>& cards, std::string& error) {
    cards.clear();
    if (!lessonDb || !lessonDb->IsOpen()) {
        error = DatabaseError(lessonDb);
        return false;
    }
    std::set<int> lessons;
    std::map<CardKey, TrainerCard> stored;
    LessonContentService content(lessonDb, wordDb, languageSuffix);
    const ReadTransaction learnerAndLessons(lessonDb), words(wordDb);
    std::vector<TrainerCard> course;
    if (!ReadPractisedLessons(lessonDb, userId, lessons, error) ||
        !ReadStoredCards(lessonDb, userId, stored, error) ||
        !ReadCourseCards(content, lessons, course, error))
        return false;
    for (TrainerCard& card : course)
        if (const auto found = stored.find(KeyOf(card)); found != stored.end())
            TakeStoredState(found->second, card);
    cards = std::move(course);
    return true;
}

bool Review(CADODatabase* lessonDb, const std::string& userId, const Fsrs& fsrs, TrainerCard& card,
            Fsrs::Grade grade, const QDate& today, std::string& error) {
    if (!today.isValid()) {
        error = "the review has no valid date";
        return false;
    }
    const int elapsed = ElapsedDays(fsrs, card, today);
    TrainerCard reviewed = card;
    reviewed.memory = card.isNew ? fsrs.First(grade) : fsrs.Next(card.memory, elapsed, grade);
    reviewed.due = today.addDays(fsrs.IntervalDays(reviewed.memory.stability));
    reviewed.lastReview = today;
    reviewed.reviews = card.reviews + 1;
    // Not knowing a card at its first sight is no lapse: nothing had been learnt yet.
    reviewed.lapses = card.lapses + (!card.isNew && grade == Fsrs::Grade::Again ? 1 : 0);
    if (!card.introduced.isValid())
        reviewed.introduced = today;
    reviewed.isNew = false;
    if (!StoreReview(lessonDb, userId, reviewed, grade, elapsed, error))
        return false;
    card = std::move(reviewed);
    return true;
}

} // namespace trainercards
