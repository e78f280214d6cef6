#include "lesson/LessonContent.h"
#include "data/CADODatabase.h"
#include "data/Queries.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace lesson;
using fixtures::FixtureIds;

class Content : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(fixtures::BuildProgramFolder(m_dir.Path(), error)) << error;
        ASSERT_TRUE(m_lesson.Open("Data Source=" + (m_dir / "db/lesson.dll")));
        ASSERT_TRUE(m_word.Open("Data Source=" + (m_dir / "db/word.dll")));
    }
    void Run(const std::string& statement) {
        ASSERT_TRUE(m_lesson.Execute(SqlQuery(statement))) << statement;
    }

    TempFolder m_dir;
    CADODatabase m_lesson;
    CADODatabase m_word;
    std::string m_failed;
};

TEST_F(Content, ChildLessonsComeInOrderAndUntranslatedOnesAreLeftOut) {
    Run("INSERT INTO tbl_lesson_childlesson (id, lessonid, indexid) VALUES ('CL0100', 1, 0)");
    Run("INSERT INTO tbl_lesson_childlesson_en (id, translation) VALUES ('CL0100', 'Warm-up')");
    Run("INSERT INTO tbl_lesson_childlesson (id, lessonid, indexid) VALUES ('CL0102', 1, 2)");
    std::vector<ChildLesson> children;
    ASSERT_TRUE(ReadChildLessons(&m_lesson, "en", 1, children, m_failed));
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].id, "CL0100");
    EXPECT_EQ(children[1].translation, "Meeting a classmate");
    ASSERT_TRUE(ReadChildLessons(&m_lesson, "en", 2, children, m_failed));
    EXPECT_TRUE(children.empty());
}

TEST_F(Content, SentencesCarryTheirTranslationsAndSpeakerTitles) {
    Run("UPDATE tbl_sentence_explain_en SET title = '老师', titlepinyin = 'lǎoshī', titleexplain = 'Teacher' "
        "WHERE id = 'S010101'");
    std::vector<Sentence> sentences;
    ASSERT_TRUE(ReadSentences(&m_lesson, "en", FixtureIds::kChildLesson, sentences, m_failed));
    ASSERT_EQ(sentences.size(), 2u);
    EXPECT_EQ(sentences[0].words, u"你好 ！");
    EXPECT_TRUE(sentences[0].HasSpeakerTitle());
    EXPECT_EQ(sentences[0].title, u"老师");
    EXPECT_EQ(sentences[1].pinyin, u"wǒ shì xuésheng .");
    EXPECT_EQ(sentences[1].noteId, FixtureIds::kNote);
    EXPECT_EQ(sentences[1].explain, "I am a student.");
    EXPECT_FALSE(sentences[1].HasSpeakerTitle());
    // A language without tables: the sentences still come, without translations.
    ASSERT_TRUE(ReadSentences(&m_lesson, "de", FixtureIds::kChildLesson, sentences, m_failed));
    EXPECT_EQ(sentences[1].explain, "");
}

TEST_F(Content, AtMostAHundredSentencesAreRead) {
    for (int i = 0; i < 105; ++i)
        Run("INSERT INTO tbl_lesson_sentence (id, childlessonid, sentenceindex, sentence) VALUES ('X" +
            std::to_string(i) + "', 'CLX', " + std::to_string(i) + ", '好')");
    std::vector<Sentence> sentences;
    ASSERT_TRUE(ReadSentences(&m_lesson, "en", "CLX", sentences, m_failed));
    EXPECT_EQ(sentences.size(), kMaxSentences);
    EXPECT_EQ(sentences.back().id, "X99");
}

TEST_F(Content, NewWordsHaveTheirClassAndExplanation) {
    std::vector<NewWord> words;
    ASSERT_TRUE(ReadNewWords(&m_lesson, &m_word, "fr", 1, words, m_failed));
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].word, u"学生");
    EXPECT_EQ(words[0].wordClass, "n.");
    EXPECT_EQ(words[0].explanation, "étudiant");
}

TEST_F(Content, NotesTypicalsAndExamples) {
    std::vector<Note> notes;
    ASSERT_TRUE(ReadNotes(&m_lesson, "en", 1, notes, m_failed));
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].id, FixtureIds::kNote);

    std::vector<Typical> typicals;
    ASSERT_TRUE(ReadTypicals(&m_lesson, "en", 1, typicals, m_failed));
    ASSERT_EQ(typicals.size(), 1u);
    EXPECT_EQ(typicals[0].translation, "I am ...");

    std::vector<TypicalExample> examples;
    ASSERT_TRUE(ReadTypicalExamples(&m_lesson, "fr", FixtureIds::kTypical, examples, m_failed));
    ASSERT_EQ(examples.size(), 1u);
    EXPECT_EQ(examples[0].partSentence, u"学生");
    EXPECT_EQ(examples[0].meaning, "dire qui on est");
}

TEST_F(Content, AFailedMainQueryReportsItsText) {
    std::vector<Note> notes;
    EXPECT_FALSE(ReadNotes(&m_lesson, "de", 1, notes, m_failed));
    EXPECT_EQ(m_failed, "select * from tbl_sentence_notes_de where lessonid = 1 order by noteIndex");
}

} // namespace
