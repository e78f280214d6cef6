// The sounds of the lesson database: what is spoken for a line, and the MP3s a tiny lesson gets,
// decoded the way the program decodes them.
#include "LessonSounds.h"
#include "LessonDatabaseWriter.h"
#include "LessonSourceParser.h"
#include "TinyLesson.h"

#include "audio/CWaveFileView.h"
#include "audio/ConvertMp3ToWav.h"
#include "fixtures/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using namespace lessons;

TEST(LessonSpeech, LinesAreSpokenAsNumberedPinyinWithPausesForPunctuation) {
    EXPECT_EQ(SpeechOfLine("你好 ！", "nǐhǎo !"), "ni3 hao3");
    EXPECT_EQ(SpeechOfLine("我 是 老师 。 *", "wǒ shì lǎoshī . *"), "wo3 shi4 lao3 shi1");
    EXPECT_EQ(SpeechOfLine("一 ， 二 ， 三 。", "yī , èr , sān ."), "yi1, er4, san1");
    // Sentences end with a full stop the engine does not take for a decimal point.
    EXPECT_EQ(SpeechOfLine("你好 。 我 是 老师 ？", "nǐhǎo . wǒ shì lǎoshī ?"),
              "ni3 hao3。 wo3 shi4 lao3 shi1");
    EXPECT_EQ(SpeechOfLine("好 ！ 对 吗 ？ 对 。", "hǎo ! duì ma ? duì ."), "hao3! dui4 ma5? dui4");
    // Quotation marks are not spoken; the neutral tone is 5; ü is written v.
    EXPECT_EQ(SpeechOfLine("他 说 ： “ 去 吧 ！ ”", "tā shuō : \" qù ba ! \""), "ta1 shuo1, qu4 ba5");
    EXPECT_EQ(SpeechOfLine("绿 的", "lǜ de"), "lv4 de5");
    // Erhua joins the syllable before 儿; names keep their capital in the source only.
    EXPECT_EQ(SpeechOfLine("一点儿 。", "yìdiǎnr ."), "yi4 dian3r");
    EXPECT_EQ(SpeechOfLine("西安", "Xī'ān"), "xi1 an1");
    // The slot of a sentence pattern is a pause where it stands between words, and one pause is
    // enough where marks meet.
    EXPECT_EQ(SpeechOfLine("我 是 …… 。", "wǒ shì …… ."), "wo3 shi4");
    EXPECT_EQ(SpeechOfLine("…… 是 老师 。", "…… shì lǎoshī ."), "shi4 lao3 shi1");
    EXPECT_EQ(SpeechOfLine("我 叫 …… ， 你 呢 ？", "wǒ jiào …… , nǐ ne ?"), "wo3 jiao4, ni3 ne5");
}

TEST(LessonSpeech, LinesThatCannotBeSpokenAreRefused) {
    EXPECT_FALSE(SpeechOfLine("你好", "nǐ hǎo ma")); // groups differ in number
    EXPECT_FALSE(SpeechOfLine("你好", "nǐhǎoma"));   // three syllables for two characters
    EXPECT_FALSE(SpeechOfLine("老师", "laoxyz"));    // no pinyin
    EXPECT_FALSE(SpeechOfLine("。 *", ". *"));       // nothing to say
    EXPECT_FALSE(SpeechOfLine("A 是", "A shì"));     // no Chinese word
}

TEST(LessonSpeech, LessonTitlesSayTheLessonNumber) {
    EXPECT_EQ(SpeechOfLessonTitle(1), "di4 yi1 ke4");
    EXPECT_EQ(SpeechOfLessonTitle(10), "di4 shi2 ke4");
    EXPECT_EQ(SpeechOfLessonTitle(12), "di4 shi2 er4 ke4");
    EXPECT_EQ(SpeechOfLessonTitle(20), "di4 er4 shi2 ke4");
    EXPECT_EQ(SpeechOfLessonTitle(35), "di4 san1 shi2 wu3 ke4");
}

// Seconds of sound an MP3 decodes to, through the program's own decoder; -1 when it does not
// decode.
double DecodedSeconds(const TempFolder& folder, const std::vector<unsigned char>& mp3,
                      const std::string& name) {
    const std::string path = folder / (name + ".mp3");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(mp3.data()), static_cast<std::streamsize>(mp3.size()));
    const std::string wav = ConvertMp3ToWav(path);
    CWaveFileView view;
    try {
        if (wav.empty() || !view.Load(wav))
            return -1;
    } catch (...) {
        return -1;
    }
    return static_cast<double>(view.SampleCount()) / view.Format().samplesPerSec;
}

TEST(LessonSounds, EverySpokenRowOfATinyLessonGetsAnMp3OfAPlausibleLength) {
    LessonSourceParser parser;
    LessonSource lesson;
    ASSERT_TRUE(parser.Parse("tiny.txt", TinyLessonSource(), lesson));
    TempFolder folder;
    const std::string path = folder / "lesson.dll";
    LessonDatabaseWriter writer({"en", "fr"});
    writer.AddStep(FillLessonSounds);
    ASSERT_TRUE(writer.Write(path, {lesson})) << writer.Error();

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const char* const kRows = "SELECT 'title' || id, sound FROM tbl_lesson_main "
                              "UNION ALL SELECT id, sound FROM tbl_lesson_sentence "
                              "UNION ALL SELECT id, sound FROM tbl_lesson_typical "
                              "UNION ALL SELECT ID, sound FROM tbl_lesson_typical_demo";
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, kRows, -1, &stmt, nullptr), SQLITE_OK);
    int rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ++rows;
        const std::string id = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(stmt, 1));
        ASSERT_NE(bytes, nullptr) << id << " has no sound";
        const std::vector<unsigned char> mp3(bytes, bytes + sqlite3_column_bytes(stmt, 1));
        const double seconds = DecodedSeconds(folder, mp3, id);
        EXPECT_GT(seconds, 0.5) << id;
        EXPECT_LT(seconds, 6.0) << id;
        if (id == "title3") {
            // 第三课: three syllables, a quarter to half a second each plus a little silence.
            EXPECT_GT(seconds, 0.6);
            EXPECT_LT(seconds, 2.5);
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    EXPECT_EQ(rows, 1 + 3 + 1 + 2);
}

} // namespace
