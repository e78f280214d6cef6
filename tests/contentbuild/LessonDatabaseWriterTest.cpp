// The lesson database made from a tiny source, read back with the program's own queries; and the
// rebuild of a database that already holds learners' accounts.
#include "LessonDatabaseWriter.h"
#include "LessonSourceParser.h"
#include "TinyLesson.h"

#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using namespace lessons;

LessonSource TinyLesson(const std::string& title = "Numbers") {
    std::string source = TinyLessonSource();
    source.replace(source.find("title.en: Numbers"), 17, "title.en: " + title);
    LessonSourceParser parser;
    LessonSource lesson;
    EXPECT_TRUE(parser.Parse("tiny.txt", source, lesson)) << testing::PrintToString(parser.Errors());
    return lesson;
}

class LessonDatabaseRead : public testing::Test {
protected:
    void Build(const std::vector<LessonSource>& course) {
        LessonDatabaseWriter writer({"en", "fr"});
        ASSERT_TRUE(writer.Write(m_path, course)) << writer.Error();
        ASSERT_TRUE(m_db.Open("Data Source=" + m_path)) << m_db.GetLastErrorString();
    }

    // The rows of one of the program's queries; each row as the named columns joined by '|'.
    std::vector<std::string> Rows(const SqlQuery& query, const std::vector<std::string>& columns) {
        CADORecordset rs;
        std::vector<std::string> rows;
        if (!rs.Open(&m_db, query)) {
            ADD_FAILURE() << query.Text() << ": " << rs.GetLastErrorString();
            return rows;
        }
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string row;
            for (size_t i = 0; i < columns.size(); ++i) {
                std::string value;
                EXPECT_TRUE(rs.GetFieldValue(columns[i], value)) << columns[i];
                row += (i ? "|" : "") + value;
            }
            rows.push_back(row);
        }
        return rows;
    }

    using Rowset = std::vector<std::string>;
    TempFolder m_dir;
    std::string m_path = m_dir / "db/lesson.dll";
    CADODatabase m_db;
};

TEST_F(LessonDatabaseRead, GivesTheProgramEveryPartOfTheLessonInOrder) {
    Build({TinyLesson()});
    using Q = SqlQuery;
    EXPECT_EQ(Rows(Q::Format(sql::kLessonTitles, {"fr"}), {"id", "title"}), Rowset{"3|Les nombres"});
    EXPECT_EQ(Rows(Q::Format(sql::kLessonTitles, {"En"}), {"title"}), Rowset{"Numbers"});
    EXPECT_EQ(Rows(Q::Format(sql::kLessonMainById, {3}), {"id"}), Rowset{"3"});
    EXPECT_EQ(Rows(Q::Format(sql::kChildLessonsOfLesson, {3}), {"id", "indexid"}),
              (Rowset{"CL0301|1", "CL0302|2"}));
    EXPECT_EQ(Rows(Q::Format(sql::kChildLessonText, {"en", "CL0302"}), {"translation"}), Rowset{"In class"});
    EXPECT_EQ(Rows(Q::Format(sql::kSentencesOfChildLesson, {"CL0302"}),
                   {"id", "sentence", "sentencepinyin", "Wordid", "noteid"}),
              (Rowset{"S030201|你好 ！|nǐhǎo !|1 1|",
                      "S030202|我 是 老师 。 *|wǒ shì lǎoshī . *|1 1 1 1 1|NT0302"}));
    EXPECT_EQ(Rows(Q::Format(sql::kSentenceExplain, {"fr", "S030202"}),
                   {"title", "titlepinyin", "titleexplain", "titlewordid", "explain"}),
              Rowset{"王 老师|Wáng lǎoshī|Professeur Wang|1 1|Je suis le professeur."});
    EXPECT_EQ(Rows(Q::Format(sql::kSentenceExplain, {"en", "S030101"}), {"title", "titleexplain", "explain"}),
              Rowset{"||One, two, three."});
    EXPECT_EQ(Rows(Q::Format(sql::kNotesOfLesson, {"en", 3}), {"ID", "noteIndex"}),
              (Rowset{"NT0301|1", "NT0302|2"}));
    EXPECT_EQ(Rows(Q::Format(sql::kNoteById, {"fr", "NT0302"}), {"lessonid"}), Rowset{"3"});
    EXPECT_EQ(Rows(Q::Format(sql::kLanguagePoint, {"fr", 3}), {"lesssonid"}), Rowset{"3"});
    // New words come in stored order, which is the order of the source, not of the words.
    EXPECT_EQ(Rows(Q::Format(sql::kNewWordsOfLesson, {3}), {"id", "word", "pinyin", "cxid"}),
              (Rowset{"NW0301|老师|lǎoshī|CX01", "NW0302|你好|nǐhǎo|CX14", "NW0303|二|èr|CX06"}));
    EXPECT_EQ(Rows(Q::Format(sql::kNewWordExplain, {"fr", "NW0302"}), {"explain"}), Rowset{"bonjour"});
    EXPECT_EQ(Rows(Q::Format(sql::kTypicalOfLesson, {3}), {"id", "indexid", "sentence", "pinyin"}),
              Rowset{"TY0301|1|我 是 …… 。|wǒ shì …… ."});
    EXPECT_EQ(Rows(Q::Format(sql::kTypicalTranslation, {"en", "TY0301"}), {"translation"}),
              Rowset{"I am ..."});
    EXPECT_EQ(
        Rows(Q::Format(sql::kTypicalDemos, {"TY0301"}), {"ID", "content", "partsentence", "partpinyin"}),
        (Rowset{"TD030101|我 是 老师 。|老师|lǎoshī", "TD030102|我 是 王 老师 。|王 老师|Wáng lǎoshī"}));
    EXPECT_EQ(Rows(Q::Format(sql::kTypicalDemoText, {"fr", "TD030102"}), {"translation", "meaning"}),
              Rowset{"Je suis le professeur Wang.|le professeur Wang"});
}

TEST_F(LessonDatabaseRead, LeavesSoundsPicturesAndScenesEmpty) {
    Build({TinyLesson()});
    const std::pair<const char*, SqlQuery> binaries[] = {
        {"sound", SqlQuery::Format(sql::kLessonMainById, {3})},
        {"lessonhead", SqlQuery::Format(sql::kLessonTitleById, {"en", 3})},
        {"scene", SqlQuery::Format(sql::kChildLessonById, {"CL0301"})},
        {"scenedescimg", SqlQuery::Format(sql::kChildLessonText, {"en", "CL0301"})},
        {"sound", SqlQuery::Format(sql::kSentenceById, {"S030101"})},
        {"notesimg", SqlQuery::Format(sql::kNoteById, {"en", "NT0301"})},
        {"langpointimg", SqlQuery::Format(sql::kLanguagePoint, {"en", 3})},
        {"sound", SqlQuery::Format(sql::kTypicalById, {"TY0301"})},
        {"sound", SqlQuery::Format(sql::kTypicalDemos, {"TY0301"})},
    };
    for (const auto& [column, query] : binaries) {
        CADORecordset rs;
        ASSERT_TRUE(rs.Open(&m_db, query)) << query.Text();
        ASSERT_FALSE(rs.IsEOF()) << query.Text();
        EXPECT_EQ(rs.GetFieldActualSize(column), 0) << query.Text();
    }
}

TEST_F(LessonDatabaseRead, FurtherStepsFillBinaryColumnsOrAbandonTheNewFile) {
    LessonDatabaseWriter writer({"en", "fr"});
    writer.AddStep([](sqlite3* db, const std::vector<LessonSource>& lessons, std::string& error) {
        return lessons.size() == 1 &&
               StoreBlob(db, "tbl_lesson_main", "sound", "id", "3", {'I', 'D', '3'}, error) &&
               StoreBlob(db, "tbl_sentence_notes_fr", "notesimg", "id", "nt0302", {'B', 'M'}, error);
    });
    ASSERT_TRUE(writer.Write(m_path, {TinyLesson()})) << writer.Error();
    ASSERT_TRUE(m_db.Open("Data Source=" + m_path));
    CADORecordset rs;
    ASSERT_TRUE(rs.Open(&m_db, SqlQuery::Format(sql::kNoteById, {"fr", "NT0302"})));
    EXPECT_EQ(rs.GetFieldActualSize("notesimg"), 2);
    ASSERT_TRUE(rs.Open(&m_db, SqlQuery::Format(sql::kLessonMainById, {3})));
    EXPECT_EQ(rs.GetFieldActualSize("sound"), 3);
    m_db.Close();

    // A step that names a row that is not there fails the whole build and keeps the old file.
    LessonDatabaseWriter failing({"en", "fr"});
    failing.AddStep([](sqlite3* db, const std::vector<LessonSource>&, std::string& error) {
        return StoreBlob(db, "tbl_lesson_main", "sound", "id", "4", {1}, error);
    });
    EXPECT_FALSE(failing.Write(m_path, {TinyLesson("Changed")}));
    EXPECT_NE(failing.Error().find("no row with id 4"), std::string::npos) << failing.Error();
    ASSERT_TRUE(m_db.Open("Data Source=" + m_path));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kLessonTitles, {"en"}), {"title"}), Rowset{"Numbers"});
    EXPECT_FALSE(FileExists(m_path + ".building"));
}

TEST_F(LessonDatabaseRead, ListsLessonsByNumberAndKeepsTheirPartsApart) {
    LessonSource first = TinyLesson("One");
    first.number = 1;
    Build({first, TinyLesson("Three")});
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kLessonTitles, {"en"}), {"id", "title"}),
              (Rowset{"1|One", "3|Three"}));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kChildLessonsOfLesson, {1}), {"id"}), (Rowset{"CL0101", "CL0102"}));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kNewWordsOfLesson, {1}), {"id"}).size(), 3u);
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kNotesOfLesson, {"fr", 3}), {"ID"}), (Rowset{"NT0301", "NT0302"}));
}

TEST_F(LessonDatabaseRead, UsesTheWordIdsItIsGiven) {
    LessonDatabaseWriter writer({"en"});
    writer.SetWordIdLookup([](const std::string& word, const std::string& pinyin) {
        return word == "老师" && pinyin == "lǎoshī" ? std::string("PH0007") : std::string("1");
    });
    ASSERT_TRUE(writer.Write(m_path, {TinyLesson()})) << writer.Error();
    ASSERT_TRUE(m_db.Open("Data Source=" + m_path));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kSentenceById, {"S030202"}), {"Wordid"}), Rowset{"1 1 PH0007 1 1"});
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kSentenceExplain, {"en", "S030202"}), {"titlewordid"}),
              Rowset{"1 PH0007"});
}

// ---- rebuilding over learners' data ----

void ExecuteOn(const std::string& path, const char* statement) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, statement, nullptr, nullptr, nullptr), SQLITE_OK) << statement;
    sqlite3_close(db);
}

void AddScore(const std::string& path, const std::string& userId, int lesson, int score) {
    const std::string statement = "INSERT INTO tbl_user_lesson (id, lessonindex, score) VALUES ('" + userId +
                                  "'," + std::to_string(lesson) + "," + std::to_string(score) + ")";
    ExecuteOn(path, statement.c_str());
}

TEST_F(LessonDatabaseRead, ARebuildKeepsEveryAccountAndScore) {
    Build({TinyLesson("Numbers")});
    ASSERT_TRUE(m_db.Execute(SqlQuery::Format(sql::kInsertUser, {"20261207101010000001", "Lan", "pw'1"})));
    ASSERT_TRUE(m_db.Execute(SqlQuery::Format(sql::kInsertUser, {"20261207101010000002", "Tom", ""})));
    m_db.Close();
    AddScore(m_path, "20261207101010000001", 3, 75);
    AddScore(m_path, "20261207101010000002", 1, 20);

    LessonDatabaseWriter writer({"en", "fr"});
    ASSERT_TRUE(writer.Write(m_path, {TinyLesson("Counting to three")})) << writer.Error();
    EXPECT_EQ(writer.CarriedUsers(), 2);
    EXPECT_EQ(writer.CarriedScores(), 2);
    EXPECT_FALSE(FileExists(m_path + ".building"));

    ASSERT_TRUE(m_db.Open("Data Source=" + m_path));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kLessonTitles, {"en"}), {"title"}), Rowset{"Counting to three"});
    EXPECT_EQ(Rows(SqlQuery(sql::kAllUsers), {"id", "username", "password22"}),
              (Rowset{"20261207101010000001|Lan|pw'1", "20261207101010000002|Tom|"}));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kUserLessonScore, {"20261207101010000001", 3}), {"score"}),
              Rowset{"75"});
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kUserLessonScore, {"20261207101010000002", 1}), {"score"}),
              Rowset{"20"});
}

TEST_F(LessonDatabaseRead, ARebuildKeepsTheTrainersCardsAndReviewsAndMissesNoneInAnOlderFile) {
    Build({TinyLesson()});
    m_db.Close();
    ExecuteOn(m_path, "INSERT INTO tbl_user_card VALUES ('u1', '老师', 'lǎoshī', 1, 2.5, 6.25, '2031-03-06', "
                      "'2031-03-03', 1, 0, '2031-03-03')");
    ExecuteOn(m_path,
              "INSERT INTO tbl_user_review VALUES ('u1', '老师', 'lǎoshī', 1, '2031-03-03 10:00:00', 0, 3, "
              "2.5, 6.25, '2031-03-06')");
    LessonDatabaseWriter writer({"en"});
    ASSERT_TRUE(writer.Write(m_path, {TinyLesson()})) << writer.Error();
    ASSERT_TRUE(m_db.Open("Data Source=" + m_path));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kUserCardsOfUser, {"u1"}),
                   {"word", "pinyin", "direction", "stability", "difficulty", "due", "lastreview", "reps",
                    "lapses", "introduced"}),
              Rowset{"老师|lǎoshī|1|2.5|6.25|2031-03-06|2031-03-03|1|0|2031-03-03"});
    EXPECT_EQ(Rows(SqlQuery("select * from tbl_user_review"), {"reviewed", "grade", "stability", "due"}),
              Rowset{"2031-03-03 10:00:00|3|2.5|2031-03-06"});
    m_db.Close();

    ExecuteOn(m_path,
              "DROP TABLE tbl_user_card; DROP TABLE tbl_user_review; DROP TABLE tbl_user_lesson_opened");
    ASSERT_TRUE(writer.Write(m_path, {TinyLesson()})) << writer.Error();
    ASSERT_TRUE(m_db.Open("Data Source=" + m_path));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kUserCardsOfUser, {"u1"}), {"word"}), Rowset{});
}

TEST_F(LessonDatabaseRead, RefusesToReplaceAFileWhoseAccountsItCannotRead) {
    ASSERT_TRUE(MakeDirectoryPath(m_dir / "db"));
    const std::string damaged = std::string("SQLite format 3") + std::string(200, '\x7f');
    ASSERT_TRUE(WriteTextFile(m_path, damaged));

    LessonDatabaseWriter writer({"en"});
    EXPECT_FALSE(writer.Write(m_path, {TinyLesson()}));
    EXPECT_NE(writer.Error().find("the old file is left as it was"), std::string::npos) << writer.Error();
    EXPECT_EQ(ReadWholeFile(m_path), damaged);
    EXPECT_FALSE(FileExists(m_path + ".building"));
}

TEST_F(LessonDatabaseRead, RefusesToReplaceADatabaseWithoutUserTables) {
    sqlite3* other = nullptr;
    ASSERT_TRUE(MakeDirectoryPath(m_dir / "db"));
    ASSERT_EQ(sqlite3_open(m_path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "CREATE TABLE notes (x TEXT)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    const std::optional<std::string> before = ReadWholeFile(m_path);

    LessonDatabaseWriter writer({"en"});
    EXPECT_FALSE(writer.Write(m_path, {TinyLesson()}));
    EXPECT_EQ(ReadWholeFile(m_path), before);
}

TEST_F(LessonDatabaseRead, ReplacesALeftoverOfAnInterruptedBuild) {
    ASSERT_TRUE(WriteTextFile(m_path + ".building", "half a database"));
    LessonDatabaseWriter writer({"en"});
    ASSERT_TRUE(writer.Write(m_path, {TinyLesson()})) << writer.Error();
    ASSERT_TRUE(m_db.Open("Data Source=" + m_path));
    EXPECT_EQ(Rows(SqlQuery::Format(sql::kLessonTitles, {"en"}), {"title"}), Rowset{"Numbers"});
}

} // namespace
