#include "data/SqlQuery.h"
#include "data/Queries.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlQuery, KeepsTheProgramTextAndBindsQuotedValues) {
    const SqlQuery q = SqlQuery::Format(sql::kSentenceById, {"S0101"});
    EXPECT_EQ(q.Text(), "Select * from tbl_lesson_sentence where  id = 'S0101'");
    EXPECT_EQ(q.Statement(), "Select * from tbl_lesson_sentence where  id = ?");
    ASSERT_EQ(q.Parameters().size(), 1u);
    EXPECT_EQ(std::get<std::string>(q.Parameters()[0]), "S0101");
}

TEST(SqlQuery, PutsTheSuffixIntoTableNamesAndBindsNumbers) {
    const SqlQuery q = SqlQuery::Format(sql::kLessonTitleById, {"En", 7});
    EXPECT_EQ(q.Text(), "SELECT * FROM tbl_lesson_main_En where id = 7");
    EXPECT_EQ(q.Statement(), "SELECT * FROM tbl_lesson_main_En where id = ?");
    EXPECT_EQ(std::get<std::int64_t>(q.Parameters()[0]), 7);
}

TEST(SqlQuery, KeepsTrailingBlanks) {
    const SqlQuery q = SqlQuery::Format(sql::kSentenceExplain, {"en", "S1"});
    EXPECT_EQ(q.Text(), "Select * from tbl_sentence_explain_en where id = 'S1' ");
    EXPECT_EQ(q.Statement(), "Select * from tbl_sentence_explain_en where id = ? ");
}

TEST(SqlQuery, RefusesASuffixThatIsNotANamePart) {
    const SqlQuery q = SqlQuery::Format(sql::kLessonTitles, {"en; DROP TABLE tbl_user_main"});
    EXPECT_FALSE(q.IsValid());
    EXPECT_FALSE(SqlQuery::Format(sql::kLessonTitles, {""}).IsValid());
}

TEST(SqlQuery, ComposesConditionsWithTheirValues) {
    const SqlQuery condition = SqlQuery::Format(sql::kFinalCondition, {u"ǎo"});
    const SqlQuery q = SqlQuery::Format(sql::kFinalWhere, {condition});
    EXPECT_EQ(q.Text(), "SELECT * FROM tbl_pinyin_yunmu where ymtune = 'ǎo'");
    EXPECT_EQ(q.Statement(), "SELECT * FROM tbl_pinyin_yunmu where ymtune = ?");
    ASSERT_EQ(q.Parameters().size(), 1u);
}

TEST(SqlQuery, BindsSingleCharactersAndWideText) {
    const SqlQuery q = SqlQuery::Format(sql::kCharacterByChar, {u'好'});
    EXPECT_EQ(q.Text(), "select * from tbl_hz_main where hz ='好'");
    EXPECT_EQ(q.Statement(), "select * from tbl_hz_main where hz =?");
}

TEST(SqlQuery, ReportsMismatchedValues) {
    EXPECT_FALSE(SqlQuery::Format(sql::kSentenceById, {}).IsValid());
    EXPECT_FALSE(SqlQuery::Format(sql::kSentenceById, {"a", "b"}).IsValid());
    EXPECT_FALSE(SqlQuery::Format(sql::kLessonMainById, {"seven"}).IsValid());
}

TEST(SqlQuery, FixedApostropheTextsRunAsWritten) {
    const SqlQuery q(sql::kPunctuationApostrophe);
    EXPECT_EQ(q.Statement(), "SELECT * FROM tbl_biaodian_main WHERE bden = '''' ");
    EXPECT_TRUE(q.Parameters().empty());
}

} // namespace
