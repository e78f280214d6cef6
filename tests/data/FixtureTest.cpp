// Every query text of the program runs against the fixture databases: a misspelt table or column
// in a text or in the schema fails here.
#include "data/CADODatabase.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace fixtures;

class AllQueries : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(BuildProgramFolder(m_dir.Path(), error)) << error;
        ASSERT_TRUE(m_lesson.Open("Data Source=" + (m_dir / "db/lesson.dll")));
        ASSERT_TRUE(m_word.Open("Data Source=" + (m_dir / "db/word.dll")));
    }

    int Rows(CADODatabase& db, const SqlQuery& q) {
        CADORecordset rs;
        EXPECT_TRUE(q.IsValid()) << q.Problem();
        if (!rs.Open(&db, q)) {
            ADD_FAILURE() << q.Text() << "\n" << rs.GetLastErrorString();
            return -1;
        }
        return rs.GetRecordCount();
    }

    TempFolder m_dir;
    CADODatabase m_lesson;
    CADODatabase m_word;
};

TEST_F(AllQueries, LessonDatabaseTextsFindTheFixtureLesson) {
    using Q = SqlQuery;
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kLessonTitles, {"en"})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kLessonMainById, {1})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kUserLessonScore, {"u", 1})), 0);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kUserByName, {"nobody"})), 0);
    EXPECT_EQ(Rows(m_lesson, Q(sql::kAllUsers)), 0);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kLessonTitleById, {"fr", 1})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kChildLessonsOfLesson, {1})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kChildLessonText, {"en", FixtureIds::kChildLesson})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kChildLessonById, {FixtureIds::kChildLesson})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kSentencesOfChildLesson, {FixtureIds::kChildLesson})), 2);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kSentenceExplain, {"en", FixtureIds::kSentence2})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kSentenceById, {FixtureIds::kSentence1})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kLanguagePoint, {"en", 1})), 0);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kNoteById, {"en", FixtureIds::kNote})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kNotesOfLesson, {"en", 1})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kNewWordsOfLesson, {1})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kNewWordExplain, {"en", FixtureIds::kNewWord})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kNewWordExplainForStudy, {"fr", FixtureIds::kNewWord})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kTypicalOfLesson, {1})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kTypicalById, {FixtureIds::kTypical})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kTypicalTranslation, {"en", FixtureIds::kTypical})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kTypicalDemos, {FixtureIds::kTypical})), 1);
    EXPECT_EQ(Rows(m_lesson, Q::Format(sql::kTypicalDemoText, {"en", FixtureIds::kTypicalDemo})), 1);
}

TEST_F(AllQueries, WordDatabaseTextsFindTheFixtureCharacters) {
    using Q = SqlQuery;
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kCharacterByHz, {u"好"})), 2);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kCharacterByChar, {u'你'})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kCharacterImages, {FixtureIds::kCharacterNi})), 0);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kCharacterImagesForStudy, {FixtureIds::kCharacterNi})), 0);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kCharacterImagesForText, {FixtureIds::kCharacterNi})), 0);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kStrokeImages, {FixtureIds::kCharacterNi})), 0);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kStrokePositions, {FixtureIds::kCharacterNi})), 0);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kWordClass, {"CX01"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kWordClassForNewWords, {"cx01"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPhraseByTextAndPinyin, {u"你好", u"nǐhǎo"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPhraseByText, {u"你好"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPhraseByPinyin, {u"nǐhǎo"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPhraseById, {FixtureIds::kPhraseNihao})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPhraseExplainById, {"en", "PE0001"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPhraseExplainByWord, {"fr", FixtureIds::kPhraseNihao})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPinyinRule, {u"hao"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kFinalByMarkedText, {u"ǎo"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kFinalByPlainAndTone, {u"i", 4})), 1);
    const SqlQuery final = Q::Format(sql::kFinalCondition, {u"ēng"});
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kFinalWhere, {final})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kInitialImage, {u"sh"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kCapitalInitialImage, {u"SH"})), 1);
    const SqlQuery initial = Q::Format(sql::kInitialCondition, {u"x"});
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kInitialWhere, {initial})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPunctuationByChinese, {u"。"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPunctuationByWestern, {u"!"})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPunctuationByChineseChar, {u'！'})), 1);
    EXPECT_EQ(Rows(m_word, Q::Format(sql::kPunctuationByWesternChar, {u'.'})), 1);
    EXPECT_EQ(Rows(m_word, Q(sql::kPunctuationApostrophe)), 1);
    EXPECT_EQ(Rows(m_word, Q(sql::kPunctuationApostropheChar)), 1);
}

TEST_F(AllQueries, OrderedQueriesComeInTheirOrder) {
    CADORecordset rs;
    ASSERT_TRUE(
        rs.Open(&m_lesson, SqlQuery::Format(sql::kSentencesOfChildLesson, {FixtureIds::kChildLesson})));
    std::string id;
    rs.GetFieldValue("id", id);
    EXPECT_EQ(id, FixtureIds::kSentence1);
    rs.MoveNext();
    rs.GetFieldValue("id", id);
    EXPECT_EQ(id, FixtureIds::kSentence2);
}

} // namespace
