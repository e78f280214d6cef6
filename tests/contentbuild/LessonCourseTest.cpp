// The lesson sources of the course itself: every lesson file reads and passes the checks, so a
// broken lesson fails the test run.
#include "LessonCourse.h"
#include "LessonSummary.h"

#include "fixtures/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace lessons;
using testing::HasSubstr;

TEST(LessonCourse, EveryLessonOfTheCoursePassesTheChecks) {
    LessonCourse course;
    std::vector<std::string> problems;
    EXPECT_TRUE(LoadCourse(LESSON_SOURCES_DIR, course, problems)) << testing::PrintToString(problems);
    ASSERT_FALSE(course.lessons.empty());
    EXPECT_EQ(course.languages, (std::vector<std::string>{"en", "fr"}));
    EXPECT_EQ(course.lessons.front().number, 1);
    EXPECT_LE(course.lessons.size(), 35u);
}

TEST(LessonCourse, ReportsMissingLanguagesAndLessons) {
    TempFolder dir;
    LessonCourse course;
    std::vector<std::string> problems;
    EXPECT_FALSE(LoadCourse(dir.Path(), course, problems));
    const std::string all = testing::PrintToString(problems);
    EXPECT_THAT(all, HasSubstr("languages.txt: cannot read the list of languages"));
    EXPECT_THAT(all, HasSubstr("no lessonNN.txt files"));
}

TEST(LessonCourse, ReportsABadLanguageSuffixAtItsLine) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "languages.txt", "# list\nen\nFrench\n"));
    ASSERT_TRUE(WriteTextFile(dir / "lesson01.txt", "[lesson 1]\ntitle.en: A\n"));
    LessonCourse course;
    std::vector<std::string> problems;
    EXPECT_FALSE(LoadCourse(dir.Path(), course, problems, false));
    EXPECT_THAT(testing::PrintToString(problems),
                HasSubstr("languages.txt:3: \\\"French\\\" is no language suffix"));
}

TEST(LessonSummary, CountsEachLessonAndTheCharactersItIsFirstToUse) {
    LessonSource one;
    one.number = 1;
    one.title["en"] = "Hello";
    one.childLessons.push_back(
        {{}, {}, {{{}, "", "你好 ！", "nǐhǎo !", "", {}}, {{}, "", "我 好 。", "wǒ hǎo .", "", {}}}});
    one.newWords.push_back({{}, "你好", "nǐhǎo", "phr", {}});
    LessonSource two;
    two.number = 2;
    two.childLessons.push_back({{}, {}, {{{}, "", "你 是 学生 。", "nǐ shì xuésheng .", "", {}}}});
    two.typicalSentences.push_back({{}, "我 是 …… 。", "wǒ shì …… .", {}, {{}, {}}});

    const std::vector<LessonCounts> counts = CountLessons({one, two}, "en");
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_EQ(counts[0].sentences, 2);
    EXPECT_EQ(counts[0].newWords, 1);
    EXPECT_EQ(counts[0].characters, 3); // 你 好 我
    EXPECT_EQ(counts[0].newCharacters, 3);
    EXPECT_EQ(counts[1].characters, 5); // 你 是 学 生 我
    EXPECT_EQ(counts[1].newCharacters, 3);
    EXPECT_EQ(counts[1].typicalSentences, 1);
    EXPECT_EQ(counts[1].examples, 2);
    const std::string table = FormatSummary(counts);
    EXPECT_THAT(table, HasSubstr("Hello"));
    EXPECT_THAT(table, testing::ContainsRegex("total +2 +3 +1 +0 +0 +1 +2 +6 +6  2 lessons"));
}

} // namespace
