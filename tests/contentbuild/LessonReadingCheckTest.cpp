// The check of the lessons' pinyin against the dictionary and of their characters against the
// word database.
#include "LessonReadingCheck.h"

#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using namespace lessons;

// A dictionary of the few words the cases use.
ReadingDictionary TinyDictionary() {
    const char* const kEntries[][2] = {
        {"一", "yi1"},
        {"个", "ge4"},
        {"不", "bu4"},
        {"是", "shi4"},
        {"你", "ni3"},
        {"好", "hao3"},
        {"好", "hao4"},
        {"很", "hen3"},
        {"我", "wo3"},
        {"学", "xue2"},
        {"生", "sheng1"},
        {"学生", "xue2 sheng5"},
        {"银", "yin2"},
        {"鬼", "gui3"},
        {"留", "liu2"},
        {"写", "xie3"},
        {"行", "xing2"},
        {"行", "hang2"},
        {"银行", "yin2 hang2"},
        {"点", "dian3"},
        {"儿", "er2"},
        {"一点儿", "yi1 dian3 r5"},
        {"吗", "ma5"},
        {"吗", "ma3"},
        {"北", "bei3"},
        {"京", "jing1"},
        {"北京", "Bei3 jing1"},
        {"水", "shui3"},
        {"果", "guo3"},
        {"水果", "shui3 guo3"},
        {"买", "mai3"},
        {"卖", "mai4"},
        {"东", "dong1"},
        {"西", "xi1"},
        {"东西", "dong1 xi5"},
        {"东西", "dong1 xi1"},
        {"在", "zai4"},
        {"安", "an1"},
        {"好好儿", "hao3 hao1 r5"},
        {"起", "qi3"},
        {"一起", "yi1 qi3"},
        {"第", "di4"},
        {"看", "kan4"},
    };
    ReadingDictionary d;
    for (const auto& [word, reading] : kEntries)
        d.AddWord(word, reading);
    return d;
}

// One lesson whose sentences are the given lines ("zh|py"), each on its own line number.
LessonSource LessonOf(const std::vector<std::string>& lines) {
    LessonSource lesson;
    lesson.childLessons.emplace_back();
    int number = 0;
    for (const std::string& line : lines) {
        Sentence s;
        s.place = {"lesson.txt", ++number};
        s.words = line.substr(0, line.find('|'));
        s.pinyin = line.substr(line.find('|') + 1);
        lesson.childLessons.back().sentences.push_back(s);
    }
    return lesson;
}

std::vector<std::string> Problems(const std::vector<std::string>& lines) {
    return CheckReadings({LessonOf(lines)}, TinyDictionary());
}

TEST(LessonReadingCheck, AllowsTheSpokenTonesTheLessonsWrite) {
    EXPECT_EQ(Problems({
                  "我 是 学生 。|wǒ shì xuésheng .", // dictionary tones, neutral as in the dictionary
                  "学生|xuéshēng",                   // a full tone where the dictionary has the neutral one
                  "一 个|yí ge",                     // 一 as spoken before a fourth tone; 个 toneless
                  "一起|yìqǐ",                       // and before the other tones
                  "第 一|dì yī",                     // and on its own
                  "看 一 看|kàn yi kàn",             // toneless between a repeated verb
                  "不 是|bú shì",                    // 不 as spoken before a fourth tone
                  "不 好|bù hǎo",
                  "你 好 吗|nǐ hǎo ma",             // sandhi not written
                  "你 好|ní hǎo",                   // sandhi written, across words
                  "水果|shuíguǒ",                   // sandhi written inside a word
                  "你 很 好|ní hén hǎo",            // a run of third tones
                  "一点儿|yìdiǎnr",                 // erhua as a final r
                  "好好儿|hǎohāor",                 // the erhua word's own reading in the dictionary
                  "我 在 北京 。|wǒ zài Běijīng .", // names are capitalised in the dictionary
                  "东西|dōngxi",
                  "东西|dōngxī", // either entry of the dictionary
              }),
              std::vector<std::string>{});
}

TEST(LessonReadingCheck, RefusesReadingsTheDictionaryDoesNotGive) {
    const std::vector<std::string> problems = Problems({
        "买|mài",            // 1: the tone of 卖
        "银行|yínxíng",      // 2: a reading of 行, but not the one of 银行
        "你 是|ní shì",      // 3: sandhi before a syllable that cannot be a third tone
        "你 。 好|ní . hǎo", // 4: no sandhi across a pause
        "是|sì",             // 5: a different syllable
        "学生|xuèsheng",     // 6: a wrong tone in a known word
        "不 是|bū shì",      // 7: 不 is never bū
        "一点儿|yìdiánr",    // 8: a wrong tone before erhua
        "西安|Xīān",         // 9: no apostrophe, so no second syllable
        "一 个|yì gè",       // 10: 一 before a fourth tone is yí
        "不 买|bú mǎi",      // 11: 不 is bú only before a fourth tone
        "一起|yíqǐ",         // 12: 一 before a third tone is yì
    });
    ASSERT_EQ(problems.size(), 12u) << testing::PrintToString(problems);
    EXPECT_EQ(problems[0], "lesson.txt:1: \"mài\" is no reading of \"买\" in the dictionary");
    for (size_t i = 0; i < problems.size(); ++i)
        EXPECT_EQ(problems[i].rfind("lesson.txt:" + std::to_string(i + 1) + ": ", 0), 0u) << problems[i];
}

TEST(LessonReadingCheck, RefusesToneMarksOnTheWrongVowel) {
    EXPECT_EQ(Problems({"好|haǒ", "鬼|gǔi", "留|líu", "写|xǐe", "你好|nǐhǎo", "学生|Xuésheng"}),
              (std::vector<std::string>{
                  "lesson.txt:1: the tone mark of \"haǒ\" goes on another vowel: \"hǎo\"",
                  "lesson.txt:2: the tone mark of \"gǔi\" goes on another vowel: \"guǐ\"",
                  "lesson.txt:3: the tone mark of \"líu\" goes on another vowel: \"liú\"",
                  "lesson.txt:4: the tone mark of \"xǐe\" goes on another vowel: \"xiě\"",
              }));
}

TEST(LessonReadingCheck, ChecksEveryChineseLineOfALesson) {
    LessonSource lesson;
    lesson.speakers.push_back(Speaker{{"l.txt", 1}, "a", "卖", "mǎi", {}});
    lesson.newWords.push_back(NewWord{{"l.txt", 2}, "卖", "mǎi", "v", {}});
    lesson.notes.push_back(Note{{"l.txt", 3}, "n", "卖", "mǎi", {}});
    lesson.typicalSentences.push_back(TypicalSentence{{"l.txt", 4}, "卖 ……", "mǎi ……", {}, {}});
    lesson.typicalSentences.back().demos.push_back(
        TypicalDemo{{"l.txt", 5}, "卖", "mǎi", "卖", "mǎi", {}, {}});
    lesson.languagePoints.push_back(
        LanguagePoint{{"l.txt", 6}, {}, {}, {Example{{"l.txt", 7}, "卖", "mǎi", {}}}});
    EXPECT_EQ(CheckReadings({lesson}, TinyDictionary()).size(), 6u);
}

TEST(LessonReadingCheck, ReportsCharactersWithoutDataInTheWordDatabase) {
    const LessonSource lesson = LessonOf({"你 好 。|nǐ hǎo .", "你们 好 ！|nǐmen hǎo !"});
    EXPECT_TRUE(CheckCharacterData({lesson}, {"你", "好", "们"}).empty());
    EXPECT_EQ(CheckCharacterData({lesson}, {"你", "好"}),
              std::vector<std::string>{
                  "lesson.txt:2: the character 们 has no character data in the word database"});

    TempFolder folder;
    const std::string path = folder / "word.dll";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(db,
                     "CREATE TABLE tbl_hz_main (hz TEXT, id TEXT);"
                     "CREATE TABLE tbl_hz_image_song (id TEXT);"
                     "INSERT INTO tbl_hz_main VALUES ('你', 'HZ04f60'), ('好', 'HZ0597d'), ('们', 'HZ04eec');"
                     "INSERT INTO tbl_hz_image_song VALUES ('HZ04f60'), ('HZ0597d');",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
    std::set<std::string> characters;
    std::string error;
    ASSERT_TRUE(LoadCharactersWithData(path, characters, error)) << error;
    EXPECT_EQ(characters, (std::set<std::string>{"你", "好"})); // 们 has no glyph picture
    EXPECT_FALSE(LoadCharactersWithData(folder / "missing.dll", characters, error));
    EXPECT_FALSE(error.empty());
}

TEST(LessonReadingCheck, LoadsTheDictionaryAndCharacterListTheWordDatabaseIsBuiltFrom) {
    ReadingDictionary dictionary;
    std::string error;
    ASSERT_TRUE(dictionary.Load(CONTENT_TEST_DATA "cedict.u8", CONTENT_TEST_DATA "junda.txt", error))
        << error;
    const std::vector<std::string> problems =
        CheckReadings({LessonOf({"你好 ！|nǐhǎo !", "你好|níhǎo", "三|Sān", "你好|nìhǎo"})}, dictionary);
    EXPECT_EQ(problems, std::vector<std::string>{
                            "lesson.txt:4: \"nìhǎo\" is no reading of \"你好\" in the dictionary"});

    EXPECT_FALSE(
        ReadingDictionary().Load(CONTENT_TEST_DATA "missing.u8", CONTENT_TEST_DATA "junda.txt", error));
    EXPECT_NE(error.find("missing.u8"), std::string::npos) << error;
    EXPECT_FALSE(
        ReadingDictionary().Load(CONTENT_TEST_DATA "cedict.u8", CONTENT_TEST_DATA "missing.txt", error));
    EXPECT_NE(error.find("missing.txt"), std::string::npos) << error;
}

} // namespace
