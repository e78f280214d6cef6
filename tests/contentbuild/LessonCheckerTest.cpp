// The structural checks of a lesson: each mistake a learner would notice is found and placed.
#include "LessonChecker.h"
#include "LessonSourceParser.h"
#include "PinyinText.h"
#include "TinyLesson.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace lessons;
using testing::HasSubstr;

const CheckOptions kTinyOptions{{"en", "fr"}, false};

std::vector<std::string> CheckEdited(const std::string& from, const std::string& to,
                                     const CheckOptions& options = kTinyOptions) {
    std::string source = TinyLessonSource();
    const size_t at = source.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        source.replace(at, from.size(), to);
    LessonSourceParser parser;
    LessonSource lesson;
    EXPECT_TRUE(parser.Parse("tiny.txt", source, lesson)) << testing::PrintToString(parser.Errors());
    return CheckLesson(lesson, options);
}

TEST(LessonChecker, FindsNothingWrongInTheTinyLesson) {
    EXPECT_THAT(CheckEdited("# a tiny lesson", "# unchanged"), testing::IsEmpty());
}

struct Fault {
    const char* from;
    const char* to;
    const char* message;
};

// Test names show the expected message rather than the bytes of the case.
void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.message;
}

class LessonCheckerFinds : public testing::TestWithParam<Fault> {};

TEST_P(LessonCheckerFinds, TheFaultAtItsLine) {
    const std::vector<std::string> problems = CheckEdited(GetParam().from, GetParam().to);
    ASSERT_FALSE(problems.empty());
    EXPECT_THAT(problems.front(), HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LessonCheckerFinds,
    testing::Values(
        Fault{"py: nǐhǎo !\nen: Hello!", "py: nǐ hǎo !\nen: Hello!",
              "tiny.txt:26: the sentence has 2 word(s) but 3 pinyin group(s)"},
        Fault{"py: yī , èr , sān .", "py: yī , èr , sān", "tiny.txt:16: the sentence has 6 word(s) but 5"},
        Fault{"zh: 一 ， 二 ， 三 。", "zh: 一 ， 二  三 。", "the sentence has an empty word"},
        Fault{"py: yī , èr , sān .", "py: yī , èr , sān ?", "the pinyin of \"。\" must be \".\", not \"?\""},
        Fault{"py: yī , èr , sān .", "py: yī , èr , sāngg .", "word 5 \"三\": \"sāngg\" is not 1 pinyin"},
        Fault{"zh: 你好 ！\npy: nǐhǎo !\nen: Hello!", "zh: 你好 ！\npy: nǐhǎu !\nen: Hello!",
              "\"nǐhǎu\" is not 2 pinyin syllable(s)"},
        Fault{"zh: 你好 ！\npy: nǐhǎo !\nen: Hello!", "zh: 你好 ！\npy: nǐhǎoo !\nen: Hello!", "\"nǐhǎoo\""},
        Fault{"zh: 一 ， 二 ， 三 。", "zh: 一 ， 2 ， 三 。",
              "\"2\" is neither Chinese characters nor a punctuation mark"},
        Fault{"fr: Un, deux, trois.\n", "", "tiny.txt:16: the sentence translation has no \"fr\" text"},
        Fault{"title.fr: Compter\n", "title.fr: Compter\ntitle.de: Zählen\n",
              "\"de\" is not one of the course's languages"},
        Fault{"note: teacher", "note: techer", "tiny.txt:32: note \"techer\" has no [note] block"},
        Fault{"zh: 我 是 老师 。 *\npy: wǒ shì lǎoshī . *", "zh: 我 是 老师 。\npy: wǒ shì lǎoshī .",
              "names note \"teacher\" but has no \"*\" mark"},
        Fault{"note: teacher\n", "", "has a note mark \"*\" but no \"note:\" id"},
        Fault{"[sentence wang]\nzh: 你好", "[sentence li]\nzh: 你好",
              "speaker \"li\" has no [speaker] block"},
        Fault{"pos: num", "pos: numeral", "new word \"二\" has no known part of speech"},
        Fault{"zh: 二\npy: èr", "zh: 四\npy: sì", "new word \"四\" is not a word of any sentence"},
        Fault{"zh: 二\npy: èr", "zh: 老师\npy: lǎoshī", "new word \"老师\" is listed twice"},
        Fault{"zh: 二\npy: èr", "zh: 二\npy: èrr", "new word \"二\": \"èrr\""},
        Fault{"part: 王 老师", "part: 老师 王", "the part \"老师 王\" is not a run of words"},
        Fault{"partpy: Wáng lǎoshī", "partpy: Wáng lǎoshi", "the part's pinyin \"Wáng lǎoshi\" differs"},
        Fault{"partpy: Wáng lǎoshī", "partpy: Wánglǎoshī", "the part has 2 word(s) but 1 pinyin group(s)"},
        Fault{"meaning.fr: professeur\n", "", "the example meaning has no \"fr\" text"},
        Fault{"[example]\nzh: 一 ， 二 。\npy: yī , èr .\nen: One, two.\nfr: Un, deux.\n", "",
              "a language point needs at least one [example]"}));

TEST(LessonChecker, KeepsTextsWithinWhatTheProgramReads) {
    std::string longWords, longPinyin;
    for (int i = 0; i < 60; ++i) {
        longWords += "老师 ";
        longPinyin += "lǎoshī ";
    }
    const std::vector<std::string> sentence =
        CheckEdited("zh: 你好 ！\npy: nǐhǎo !\nen: Hello!",
                    "zh: " + longWords + "！\npy: " + longPinyin + "!\nen: Hello!");
    EXPECT_THAT(testing::PrintToString(sentence), HasSubstr("longer than the 500 bytes the program reads"));
    std::string hundredCharacters;
    for (int i = 0; i < 100; ++i)
        hundredCharacters += "二";
    const std::vector<std::string> word =
        CheckEdited("zh: 二\npy: èr", "zh: " + hundredCharacters + "\npy: èr");
    EXPECT_THAT(testing::PrintToString(word), HasSubstr("too long for one word"));
    EXPECT_THAT(CheckPinyinGroup(std::string(120, 'a'), 120), HasSubstr("too long for one word"));
}

TEST(LessonChecker, HoldsAFullLessonToTheSizesOfTheCourse) {
    const std::vector<std::string> problems = CheckEdited("# a tiny lesson", "#", {{"en", "fr"}, true});
    const std::string all = testing::PrintToString(problems);
    EXPECT_THAT(all, HasSubstr("has 1 sentences; the course needs 8 to 15"));
    EXPECT_THAT(all, HasSubstr("has 3 new words; the course needs 10 to 40"));
    EXPECT_THAT(all, HasSubstr("has 1 typical sentences; the course needs 3 to 5"));
    EXPECT_THAT(all, testing::Not(HasSubstr("notes;")));
}

TEST(LessonChecker, NumbersLessonsWithoutGapsInFilesNamedAfterThem) {
    LessonSourceParser parser;
    std::vector<LessonSource> course(2);
    ASSERT_TRUE(parser.Parse("dir/lesson01.txt", "[lesson 1]\ntitle.en: A\n", course[0]));
    ASSERT_TRUE(parser.Parse("dir/lesson02.txt", "[lesson 3]\ntitle.en: B\n", course[1]));
    const std::string all = testing::PrintToString(CheckCourse(course, {{"en"}, false}));
    EXPECT_THAT(all, HasSubstr("dir/lesson02.txt:1: lesson 3 belongs in lesson03.txt"));
    EXPECT_THAT(all, HasSubstr("lesson 3 found where lesson 2 should come"));
    EXPECT_THAT(all, testing::Not(HasSubstr("lesson01.txt")));
}

TEST(PinyinText, AcceptsRealSyllablesOnePerCharacter) {
    EXPECT_EQ(CheckPinyinGroup("nǐhǎo", 2), "");
    EXPECT_EQ(CheckPinyinGroup("Xī'ān", 2), "");
    EXPECT_EQ(CheckPinyinGroup("yìdiǎnr", 3), "");
    EXPECT_EQ(CheckPinyinGroup("nǚ'ér", 2), "");
    EXPECT_EQ(CheckPinyinGroup("lǜsè", 2), "");
    EXPECT_EQ(CheckPinyinGroup("xuésheng", 2), "");
    EXPECT_EQ(CheckPinyinGroup("Zhōngguó", 2), "");
    EXPECT_THAT(CheckPinyinGroup("wǒ", 2), HasSubstr("is not 2 pinyin syllable(s)"));
    EXPECT_THAT(CheckPinyinGroup("nǐ3", 1), HasSubstr("no pinyin letter"));
    EXPECT_THAT(CheckPinyinGroup("nǐ'", 2), HasSubstr("apostrophe without a syllable"));
    EXPECT_THAT(CheckPinyinGroup("bǎì", 1), HasSubstr("at most one tone mark"));
}

} // namespace
