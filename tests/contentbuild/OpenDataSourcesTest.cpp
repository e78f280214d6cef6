#include "OpenDataSources.h"

#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(OpenDataSources, LessonSourcesGiveTheirWordsNewWordsFirst) {
    TempFolder folder;
    ASSERT_TRUE(
        WriteTextFile(folder / "lesson01.txt",
                      "# 注释 is a comment\n[speaker mark]\nzh: 马克\npy: Mǎkè\nen: Mark\nfr: Marc\n\n"
                      "[sentence mark]\nzh: 你好 ！ *\npy: nǐhǎo ! *\nnote: hello\nen: Hello!\n\n"
                      "[sentence]\nzh: 我 是 学生\npy: wǒ shì\nen: counts differ\n\n"
                      "[word]\nzh: 学生\npy: xuésheng\npos: n\nen: student\nfr: étudiant\n"));
    const std::vector<ListedWord> words = opendata::LoadLessonWords(folder.Path());
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].word, QStringLiteral("学生"));
    EXPECT_EQ(words[0].pinyin, "xuésheng");
    EXPECT_EQ(words[0].partOfSpeech, "n");
    EXPECT_EQ(words[0].explanations,
              (std::map<std::string, std::string>{{"en", "student"}, {"fr", "étudiant"}}));
    EXPECT_EQ(words[1].word, QStringLiteral("马克"));
    EXPECT_EQ(words[1].explanations.at("fr"), "Marc");
    EXPECT_EQ(words[2].word, QStringLiteral("你好"));
    EXPECT_EQ(words[2].pinyin, "nǐhǎo");
    EXPECT_TRUE(words[2].explanations.empty()); // a sentence's translation is not the word's

    EXPECT_EQ(opendata::CollectHanCharacters(folder.Path()),
              (std::vector<QString>{QStringLiteral("注"), QStringLiteral("释"), QStringLiteral("马"),
                                    QStringLiteral("克"), QStringLiteral("你"), QStringLiteral("好"),
                                    QStringLiteral("我"), QStringLiteral("是"), QStringLiteral("学"),
                                    QStringLiteral("生")}));
}

TEST(OpenDataSources, DictionaryAndFrequencyListsReadFromTheirPackageModules) {
    TempFolder folder;
    ASSERT_TRUE(WriteTextFile(folder / "cedict.js", "module.exports = `# CC-CEDICT\n"
                                                    "你好 你好 [ni3 hao3] /hello/hi/\n"
                                                    "broken line\n"
                                                    "學生 学生 [xue2 sheng5] /student/`;\n"));
    std::string error;
    const auto dictionary = opendata::LoadDictionary(folder / "cedict.js", error);
    ASSERT_EQ(dictionary.size(), 2u);
    const DictionaryEntry& student = dictionary.find("学生")->second;
    EXPECT_EQ(student.traditional, "學生");
    EXPECT_EQ(student.numberedPinyin, "xue2 sheng5");
    EXPECT_EQ(student.glosses, std::vector<std::string>{"student"});

    ASSERT_TRUE(
        WriteTextFile(folder / "words.js", "module.exports = `好,10\n你好,30\nnot a count,x\n学生,20`"));
    const auto words = opendata::LoadWordFrequency(folder / "words.js", error);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].first, QStringLiteral("你好"));
    EXPECT_EQ(words[2].first, QStringLiteral("好"));

    EXPECT_TRUE(opendata::LoadDictionary(folder / "absent.js", error).empty());
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(opendata::LoadStrokeData(folder.Path(), QStringLiteral("你")));
    ASSERT_TRUE(WriteTextFile(folder / "你.json", R"({"strokes": ["M 1 2 Z"], "medians": []})"));
    EXPECT_FALSE(opendata::LoadStrokeData(folder.Path(), QStringLiteral("你")));
}

} // namespace
