#include "lesson/LessonContentService.h"
#include "app/FileUtils.h"
#include "data/CADODatabase.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace {

using fixtures::FixtureIds;

class ContentService : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(fixtures::BuildProgramFolder(m_dir.Path(), error)) << error;
        ASSERT_TRUE(m_lesson.Open("Data Source=" + (m_dir / "db/lesson.dll")));
        ASSERT_TRUE(m_word.Open("Data Source=" + (m_dir / "db/word.dll")));
    }
    std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TempFolder m_dir;
    CADODatabase m_lesson;
    CADODatabase m_word;
};

TEST_F(ContentService, ReadsAWholeLessonInTheInterfaceLanguage) {
    LessonContentService service(&m_lesson, &m_word, "fr");
    EXPECT_TRUE(service.LessonExists(1));
    EXPECT_FALSE(service.LessonExists(2));
    LessonMaterial lesson;
    ASSERT_TRUE(service.ReadLesson(1, lesson)) << service.LastError();
    EXPECT_EQ(lesson.number, 1);
    EXPECT_EQ(lesson.title, "Bonjour !");
    ASSERT_EQ(lesson.dialogues.size(), 1u);
    EXPECT_EQ(lesson.dialogues[0].childLesson.translation, "Rencontre");
    ASSERT_EQ(lesson.dialogues[0].sentences.size(), 2u);
    EXPECT_EQ(lesson.dialogues[0].sentences[1].words, u"我 是 学生 。");
    EXPECT_EQ(lesson.dialogues[0].sentences[1].explain, "Je suis étudiant.");
    ASSERT_EQ(lesson.newWords.size(), 1u);
    EXPECT_EQ(lesson.newWords[0].explanation, "étudiant");
    EXPECT_EQ(lesson.newWords[0].wordClass, "n.");
    ASSERT_EQ(lesson.patterns.size(), 1u);
    ASSERT_EQ(lesson.patterns[0].examples.size(), 1u);
    EXPECT_EQ(lesson.patterns[0].examples[0].meaning, "dire qui on est");
    // 学生 has two characters: nothing to write.
    EXPECT_TRUE(lesson.writableCharacters.empty());
}

TEST_F(ContentService, OnlyCharactersWithReferenceStrokesAreOfferedForWriting) {
    ASSERT_TRUE(
        m_lesson.Execute(SqlQuery("INSERT INTO tbl_lesson_newword (id, lessonid, word, pinyin) VALUES "
                                  "('NW0102', 1, '你', 'nǐ'), ('NW0103', 1, '好', 'hǎo')")));
    ASSERT_TRUE(m_word.Execute(SqlQuery::Format(
        "INSERT INTO tbl_hz_bhpos_song (id, posdata) VALUES ('%s', x'01')", {FixtureIds::kCharacterNi})));
    LessonContentService service(&m_lesson, &m_word, "en");
    LessonMaterial lesson;
    ASSERT_TRUE(service.ReadLesson(1, lesson));
    ASSERT_EQ(lesson.writableCharacters.size(), 1u);
    EXPECT_EQ(lesson.writableCharacters[0].word, u"你");
}

// The trainer reads many lessons' words in two queries; they must be the very words the lesson
// window reads one lookup at a time, ids compared without regard to case as the lookups do.
TEST_F(ContentService, NewWordsOfManyLessonsAreThoseOfEachLesson) {
    ASSERT_TRUE(m_lesson.Execute(
        SqlQuery("INSERT INTO tbl_lesson_newword (id, lessonid, word, pinyin, cxid) VALUES "
                 "('NW0201', 2, '老师', 'lǎoshī', 'cx01'), ('NW0301', 3, '好', 'hǎo', 'CX99'), "
                 "('NW0202', 2, '你', 'nǐ', NULL)")));
    ASSERT_TRUE(m_lesson.Execute(SqlQuery(
        "INSERT INTO tbl_lesson_newword_en (id, explain) VALUES ('nw0201', 'teacher'), ('NW0301', 'good')")));
    for (const char* suffix : {"en", "fr"}) {
        SCOPED_TRACE(suffix);
        LessonContentService service(&m_lesson, &m_word, suffix);
        std::map<int, std::vector<lesson::NewWord>> batched;
        ASSERT_TRUE(service.ReadNewWordsOfLessons({1, 2}, batched)) << service.LastError();
        ASSERT_EQ(batched.size(), 2u); // lesson 3 was not asked for
        for (int lesson : {1, 2}) {
            std::vector<lesson::NewWord> single;
            ASSERT_TRUE(service.ReadNewWords(lesson, single));
            ASSERT_EQ(batched[lesson].size(), single.size());
            for (size_t i = 0; i < single.size(); ++i) {
                EXPECT_EQ(batched[lesson][i].id, single[i].id);
                EXPECT_EQ(batched[lesson][i].word, single[i].word);
                EXPECT_EQ(batched[lesson][i].explanation, single[i].explanation);
                EXPECT_EQ(batched[lesson][i].wordClass, single[i].wordClass);
            }
        }
    }
    LessonContentService english(&m_lesson, &m_word, "en");
    std::map<int, std::vector<lesson::NewWord>> words;
    ASSERT_TRUE(english.ReadNewWordsOfLessons({2}, words));
    ASSERT_EQ(words[2].size(), 2u);
    EXPECT_EQ(words[2][0].explanation, "teacher");
    EXPECT_EQ(words[2][0].wordClass, "n.");

    // Without the language's explanations the words are still read, lesson by lesson.
    ASSERT_TRUE(m_lesson.Execute(SqlQuery("DROP TABLE tbl_lesson_newword_en")));
    ASSERT_TRUE(english.ReadNewWordsOfLessons({1, 2, 3}, words)) << english.LastError();
    EXPECT_EQ(words.size(), 3u);
    EXPECT_EQ(words[2][1].word, u"你");
    EXPECT_TRUE(words[3][0].explanation.empty());
}

TEST_F(ContentService, WritesTheSoundsOfSentencesAndWords) {
    LessonContentService service(&m_lesson, &m_word, "en");
    const std::string path = m_dir / "sound.mp3";
    ASSERT_TRUE(service.SaveSentenceSound(FixtureIds::kSentence2, path));
    EXPECT_EQ(ReadFile(path), "FAKE-MP3:s2");
    ASSERT_TRUE(service.SaveWordSound(u"你好", u"nǐhǎo", path));
    EXPECT_EQ(ReadFile(path), "FAKE-MP3:nihao");
    // Nothing recorded: no file is left from before.
    EXPECT_FALSE(service.SaveWordSound(u"学生", u"xuésheng", path));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(service.SaveSentenceSound("S999", path));
}

TEST_F(ContentService, AnUnreadableTableIsReportedAndTheRestStillRead) {
    ASSERT_TRUE(m_lesson.Execute(SqlQuery("DROP TABLE tbl_lesson_sentence")));
    LessonContentService service(&m_lesson, &m_word, "en");
    LessonMaterial lesson;
    EXPECT_FALSE(service.ReadLesson(1, lesson));
    EXPECT_NE(service.LastError().find("tbl_lesson_sentence"), std::string::npos);
    EXPECT_EQ(lesson.newWords.size(), 1u);
}

TEST_F(ContentService, TellsWrittenMissingAndFailedContentApartForTheWindows) {
    using Stored = LessonContentService::Stored;
    LessonContentService service(&m_lesson, &m_word, "en");
    const std::string path = m_dir / "typical.mp3";
    ASSERT_EQ(service.SaveTypicalSound(FixtureIds::kTypical, path), Stored::kWritten);
    EXPECT_EQ(ReadFile(path), "FAKE-MP3:t1");
    // Another sentence without a row: the earlier sound must not be played for it.
    EXPECT_EQ(service.SaveTypicalSound("TY9999", path), Stored::kNoRow);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(service.SaveScene(FixtureIds::kChildLesson, m_dir / "scene.swf"), Stored::kEmpty);
    EXPECT_EQ(service.SaveNote("NT9999", m_dir / "note.bmp"), Stored::kNoRow);

    const std::vector<bool> examples = service.SaveTypicalExampleSounds(
        FixtureIds::kTypical, [&](int n) { return m_dir / (std::to_string(n) + ".mp3"); });
    ASSERT_EQ(examples, std::vector<bool>{true});
    EXPECT_EQ(ReadFile(m_dir / "0.mp3"), "FAKE-MP3:d1");

    // The catalogue switches the interface language: the texts follow.
    service.SetLanguageSuffix("fr");
    EXPECT_EQ(service.ReadTypical(FixtureIds::kTypical).translation, "Je suis ...");
    EXPECT_EQ(service.ReadTypical(FixtureIds::kTypical).sentence, u"我 是 ……");

    ASSERT_TRUE(m_lesson.Execute(SqlQuery("DROP TABLE tbl_sentence_notes_fr")));
    EXPECT_EQ(service.SaveNote(FixtureIds::kNote, m_dir / "note.bmp"), Stored::kQueryFailed);
    EXPECT_NE(service.LastError().find("tbl_sentence_notes_fr"), std::string::npos);
}

} // namespace
