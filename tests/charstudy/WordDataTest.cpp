#include "CharacterStudyFixture.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "charstudy/DrawObjectFile.h"
#include "charstudy/WordData.h"
#include "fixtures/FixtureDatabases.h"

#include <regex>

namespace {

using fixtures::FixtureIds;

class WordDataTest : public CharacterStudyTest {
protected:
    void Load(const std::u16string& word, const std::u16string& pinyin, const std::string& id,
              bool refresh = true) {
        m_data.SetWord(word, pinyin, word, id);
        m_data.Load(m_explanation, m_strokes, m_pinyinBitmap, m_wordBitmap, refresh);
    }

    WordData m_data{true};
    std::u16string m_explanation;
    int m_strokes = -1;
    QImage m_pinyinBitmap, m_wordBitmap;
};

TEST_F(WordDataTest, ACharacterWithTwoReadingsTakesThePhrasesReading) {
    Load(u"好学", u"", WordData::kNoWordId);
    EXPECT_EQ(m_data.Pinyin(), u"hàoxué");
    EXPECT_EQ(m_data.PhraseId(), charstudyfixtures::kPhraseHaoxue);
    EXPECT_EQ(m_data.PartOfSpeechText(), u"n.");
    // The phrase's first character, loaded without refreshing the rest.
    m_data.SetWordText(u"好");
    m_data.Load(m_explanation, m_strokes, m_pinyinBitmap, m_wordBitmap, false);
    EXPECT_EQ(m_data.Pinyin(), u"hào");
    EXPECT_EQ(m_data.CharacterIdOfWord(), "HZ0597d");
    EXPECT_EQ(m_strokes, 6);
    // Alone, the same character reads as its first reading.
    Load(u"好", u"", WordData::kNoWordId);
    EXPECT_EQ(m_data.Pinyin(), u"hǎo");
    EXPECT_FALSE(m_pinyinBitmap.isNull());
    EXPECT_FALSE(m_wordBitmap.isNull());
}

TEST_F(WordDataTest, AWordWithIdOneIsLookedUpByItsText) {
    Load(u"你好", u"", "1");
    EXPECT_EQ(m_data.PhraseId(), FixtureIds::kPhraseNihao);
    EXPECT_EQ(m_data.Cxid(), "CX01");
    EXPECT_EQ(m_data.Pinyin(), u"nǐhǎo");
    EXPECT_EQ(m_data.ContextPinyin(), u"nǐhǎo");
    EXPECT_EQ(m_explanation, u"hello"); // through the phrase's id
    EXPECT_GT(m_pinyinBitmap.width(), 0);
    EXPECT_GT(m_wordBitmap.width(), m_wordBitmap.height()); // two character pictures side by side
    // A real id with an explanation: the phrase table is not asked.
    Load(u"你好", u"", "PE0001");
    EXPECT_EQ(m_explanation, u"hello");
    EXPECT_TRUE(m_data.Cxid().empty());
    // Not in the database: empty fields and the log says so.
    Load(u"学校", u"", "1");
    EXPECT_TRUE(m_data.PhraseId().empty());
    EXPECT_NE(LogSinceStart().find("没有 学校 对应的信息"), std::string::npos);
}

TEST_F(WordDataTest, AMissingCharacterLeavesItsDataEmptyAndIsLeftOutOfThePicture) {
    EXPECT_TRUE(m_data.CharacterId(u"猫").empty());
    EXPECT_EQ(m_data.StrokeCount(u"猫"), 0);
    Load(u"你", u"", "1");
    const int oneCharacter = m_wordBitmap.width();
    EXPECT_EQ(m_strokes, 7);
    EXPECT_EQ(m_data.Pinyin(), u"nǐ");
    m_data.SetWord(u"你猫", u"", u"你猫", "1");
    m_data.WordBitmap();
    EXPECT_EQ(m_data.WordPicture().width(), oneCharacter);
    EXPECT_NE(LogSinceStart().find("输入的汉字在库中不存在！"), std::string::npos);
    Load(u"猫", u"", "1");
    EXPECT_TRUE(m_data.CharacterIdOfWord().empty());
    EXPECT_TRUE(m_data.Pinyin().empty());
    EXPECT_EQ(m_strokes, 0);
}

TEST_F(WordDataTest, ALessonWordKeepsItsPinyin) {
    m_data.SetWord(u"好", u"hào", u"好", "NW1");
    m_data.LoadLessonWord(m_pinyinBitmap, m_wordBitmap, m_strokes, true);
    EXPECT_EQ(m_data.Pinyin(), u"hào");
    EXPECT_EQ(m_data.ContextPinyin(), u"hào");
    EXPECT_EQ(m_strokes, 6);
    EXPECT_FALSE(m_pinyinBitmap.isNull());
    EXPECT_FALSE(m_wordBitmap.isNull());
    m_data.LoadLessonWord(m_pinyinBitmap, m_wordBitmap, m_strokes, false);
    EXPECT_TRUE(m_pinyinBitmap.isNull());
}

TEST_F(WordDataTest, SoundsOfSyllablesAndPhrasesAreWrittenToTheFile) {
    const std::string path = g_strTempLessonDir + "\\7.mp3";
    Load(u"你", u"", "1");
    EXPECT_TRUE(m_data.ExtractSound(true, path));
    EXPECT_NE(LogSinceStart().find("Invalid File Handle. Get Last Error reports 2"), std::string::npos);
    const auto bytes = charstudyfixtures::SoundBytes("nǐ");
    EXPECT_EQ(ReadWholeFile(path), std::string(bytes.begin(), bytes.end()));
    // An apostrophe in the pinyin still finds the phrase; the old file is replaced.
    Load(u"西安", u"xī'ān", "1");
    EXPECT_TRUE(m_data.ExtractSound(false, path));
    const auto phrase = charstudyfixtures::SoundBytes("西安");
    EXPECT_EQ(ReadWholeFile(path), std::string(phrase.begin(), phrase.end()));
    Load(u"学校", u"xué'xiào'", "1");
    EXPECT_FALSE(m_data.ExtractSound(false, path));
    EXPECT_FALSE(FileExists(path));
}

TEST_F(WordDataTest, StrokeDataOfACharacter) {
    m_data.LoadStrokeImages(FixtureIds::kCharacterNi);
    ASSERT_EQ(m_data.StrokeImages().size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(m_data.StrokeImages()[i].strokeNumber, static_cast<int>(i) + 1);
        EXPECT_FALSE(m_data.StrokeImages()[i].bitmap.isNull());
    }
    EXPECT_EQ(m_data.LoadEmptyImage(FixtureIds::kCharacterNi).size(), QSize(190, 190));
    m_data.LoadStrokeImages(charstudyfixtures::kCharacterWo);
    EXPECT_TRUE(m_data.StrokeImages().empty());
    EXPECT_TRUE(m_data.LoadEmptyImage(charstudyfixtures::kCharacterWo).isNull());
}

TEST_F(WordDataTest, TheReferenceStrokesAreCopiedIntoANumberedScratchFile) {
    const std::string path = m_data.WriteStrokeFile(FixtureIds::kCharacterNi);
    EXPECT_TRUE(std::regex_match(path, std::regex(".*templesson\\\\PLineForRead_[0-9]\\.data"))) << path;
    DrawObjectArray strokes;
    std::string error;
    ASSERT_EQ(ReadStrokeFile(path, strokes, error), strokefile::ReadResult::Ok) << error;
    EXPECT_EQ(strokes.size(), 7u);
    EXPECT_TRUE(m_data.WriteStrokeFile(charstudyfixtures::kCharacterWo).empty());
    EXPECT_NE(LogSinceStart().find("There is no pan duan file exist in database!"), std::string::npos);
}

TEST_F(WordDataTest, ExplanationsOfNewWordsAndByWordId) {
    EXPECT_EQ(m_data.NewWordExplanation(FixtureIds::kNewWord), u"student");
    EXPECT_EQ(m_data.ExplanationByWordId(FixtureIds::kPhraseNihao), u"hello");
    EXPECT_TRUE(m_data.NewWordExplanation("nothing").empty());
}

TEST_F(WordDataTest, ALostDatabaseIsLoggedAndGivesNothing) {
    m_wordDb.Close();
    Load(u"你", u"", "1");
    EXPECT_EQ(m_strokes, 0);
    EXPECT_TRUE(m_wordBitmap.isNull());
    EXPECT_TRUE(m_data.WriteStrokeFile(FixtureIds::kCharacterNi).empty());
    EXPECT_NE(
        LogSinceStart().find("打开数据库连接执行SQL：SELECT * FROM tbl_hz_main WHERE hz = '你'  出错！"),
        std::string::npos);
}

} // namespace
