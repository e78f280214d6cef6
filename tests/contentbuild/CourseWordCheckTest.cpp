// The rules the words of a course keep across its lessons: each check is broken by a small edit of
// a two-lesson course and must name the place.
#include "CourseWordCheck.h"
#include "LessonReadingCheck.h"
#include "LessonSourceParser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace lessons;
using testing::HasSubstr;

const char* const kLessonOne = R"([lesson 1]
title.en: Hello
title.fr: Bonjour
[child]
title.en: In class
title.fr: En classe
[sentence]
zh: 我 是 王 老师 。
py: wǒ shì Wáng lǎoshī .
en: I am Teacher Wang.
fr: Je suis le professeur Wang.
[sentence]
zh: 你 不 是 学生 ， 你 是 一 个 老师 。
py: nǐ bú shì xuésheng , nǐ shì yí ge lǎoshī .
en: You are not a student, you are a teacher.
fr: Tu n'es pas étudiant, tu es professeur.
[word]
zh: 我
py: wǒ
pos: pron
en: I, me
fr: je, moi
[word]
zh: 是
py: shì
pos: v
en: to be
fr: être
[word]
zh: 王
py: Wáng
pos: pn
en: Wang (a family name)
fr: Wang (nom de famille)
[word]
zh: 老师
py: lǎoshī
pos: n
en: teacher
fr: professeur
[word]
zh: 你
py: nǐ
pos: pron
en: you
fr: tu, toi
[word]
zh: 不
py: bù
pos: adv
en: not
fr: ne ... pas
[word]
zh: 学生
py: xuésheng
pos: n
en: student
fr: étudiant
[word]
zh: 一
py: yī
pos: num
en: one
fr: un
[word]
zh: 个
py: ge
pos: m
en: measure word for people and things
fr: classificateur des personnes et des choses
)";

const char* const kLessonTwo = R"([lesson 2]
title.en: Together
title.fr: Ensemble
[child]
title.en: On Monday
title.fr: Lundi
[sentence]
zh: 星期一 我们 一起 去 。
py: xīngqīyī wǒmen yìqǐ qù .
en: On Monday we go together.
fr: Lundi, nous y allons ensemble.
[sentence]
zh: 王 老师 也 去 。
py: Wáng lǎoshī yě qù .
en: Teacher Wang goes too.
fr: Le professeur Wang y va aussi.
[word]
zh: 星期一
py: xīngqīyī
pos: t
en: Monday
fr: lundi
[word]
zh: 我们
py: wǒmen
pos: pron
en: we, us
fr: nous
[word]
zh: 一起
py: yìqǐ
pos: adv
en: together
fr: ensemble
[word]
zh: 去
py: qù
pos: v
en: to go
fr: aller
[word]
zh: 也
py: yě
pos: adv
en: also, too
fr: aussi
)";

struct Edit {
    const char* from = "";
    const char* to = "";
};

struct Fault {
    const char* message; // what the first problem must contain, its place first
    Edit one;            // in lesson 1
    Edit two;            // in lesson 2
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.message;
}

std::string Edited(std::string source, const Edit& edit) {
    if (*edit.from == '\0')
        return source;
    const size_t at = source.find(edit.from);
    EXPECT_NE(at, std::string::npos) << edit.from;
    if (at != std::string::npos)
        source.replace(at, std::string(edit.from).size(), edit.to);
    return source;
}

std::string Joined(const std::vector<std::string>& problems) {
    std::string all;
    for (const std::string& problem : problems)
        all += problem + "\n";
    return all;
}

std::vector<LessonSource> Course(const Edit& one = {}, const Edit& two = {}) {
    std::vector<LessonSource> course(2);
    LessonSourceParser parser;
    EXPECT_TRUE(parser.Parse("lesson01.txt", Edited(kLessonOne, one), course[0]))
        << testing::PrintToString(parser.Errors());
    EXPECT_TRUE(parser.Parse("lesson02.txt", Edited(kLessonTwo, two), course[1]))
        << testing::PrintToString(parser.Errors());
    return course;
}

TEST(CourseWordCheck, FindsNothingWrongInACourseThatKeepsTheRules) {
    EXPECT_THAT(CheckCourseWords(Course()), testing::IsEmpty());
}

class CourseWordCheckFinds : public testing::TestWithParam<Fault> {};

TEST_P(CourseWordCheckFinds, TheFaultAtItsLine) {
    const std::vector<std::string> problems = CheckCourseWords(Course(GetParam().one, GetParam().two));
    ASSERT_EQ(problems.size(), 1u) << testing::PrintToString(problems);
    EXPECT_THAT(problems.front(), HasSubstr(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CourseWordCheckFinds,
    testing::Values(
        // 一 and 不 as spoken.
        Fault{"lesson01.txt:12: 不 in \"不\" is spoken bú here: write \"bú\", not \"bù\"",
              {"nǐ bú shì", "nǐ bù shì"},
              {}},
        Fault{"lesson01.txt:12: 一 in \"一\" is spoken yí here", {"yí ge", "yī ge"}, {}},
        Fault{"lesson02.txt:7: 一 in \"一起\" is spoken yì here: write \"yì\", not \"yī\"",
              {},
              {"wǒmen yìqǐ qù", "wǒmen yīqǐ qù"}},
        Fault{"lesson02.txt:7: 一 in \"星期一\" is spoken yī here",
              {},
              {"py: xīngqīyī wǒmen", "py: xīngqīyì wǒmen"}},
        // One written form per word.
        Fault{"lesson02.txt:12: \"王\" is written \"wáng\" here but \"Wáng\" at lesson01.txt:7",
              {},
              {"py: Wáng lǎoshī yě", "py: wáng lǎoshī yě"}},
        Fault{"lesson02.txt:12: \"老师\" is written \"lǎoshi\" here but \"lǎoshī\" at lesson01.txt:7",
              {},
              {"py: Wáng lǎoshī yě", "py: Wáng lǎoshi yě"}},
        // Every dialogue word listed, in its lesson or an earlier one.
        Fault{"lesson02.txt:7: \"去\" is a word of the dialogue but no lesson lists it",
              {},
              {"[word]\nzh: 去\npy: qù\npos: v\nen: to go\nfr: aller\n", ""}},
        Fault{
            "lesson01.txt:12: \"个\" is used before lesson 2 lists it",
            {"[word]\nzh: 个\npy: ge\npos: m\nen: measure word for people and things\nfr: classificateur des "
             "personnes et des choses\n",
             ""},
            {"[word]\nzh: 也\n", "[word]\nzh: 个\npy: ge\npos: m\nen: measure word\nfr: classificateur\n"
                                 "[word]\nzh: 也\n"}},
        // No explanation copied from the English one.
        Fault{"lesson01.txt:23: the \"fr\" explanation of \"是\" is the English one word for word",
              {"fr: être", "fr: To be "},
              {}}));

TEST(CourseWordCheck, NamesTheEarlierListingOfAWordListedAgainWithTheSameSense) {
    const std::vector<std::string> problems = CheckCourseWords(
        Course({}, {"[word]\nzh: 也\n", "[word]\nzh: 老师\npy: lǎoshī\npos: n\nen: the teacher; tutor\nfr: "
                                        "enseignant\n[word]\nzh: 也\n"}));
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_THAT(problems.front(),
                HasSubstr("\"老师\" is listed again with the sense \"teacher\" it has at lesson01.txt:35"));
    // Another part of speech or no shared gloss is a new sense.
    EXPECT_THAT(CheckCourseWords(
                    Course({}, {"[word]\nzh: 也\n", "[word]\nzh: 老师\npy: lǎoshī\npos: n\nen: "
                                                    "master (of a craft)\nfr: maître\n[word]\nzh: 也\n"})),
                testing::IsEmpty());
}

TEST(CourseWordCheck, CapitalisesNamesAsTheListingOrTheDictionaryDoes) {
    ReadingDictionary dictionary;
    dictionary.AddWord("王", "wang2");
    dictionary.AddWord("王", "Wang2");
    dictionary.AddWord("北京", "Bei3 jing1");
    dictionary.AddWord("我们", "wo3 men5");
    EXPECT_THAT(CheckCapitals(Course(), dictionary), testing::IsEmpty());

    // A listed name in lower case, in the listing and in the dialogue.
    std::string all = Joined(CheckCapitals(Course({"py: Wáng\npos: pn", "py: wáng\npos: pn"}), dictionary));
    EXPECT_THAT(all,
                HasSubstr("lesson01.txt:7: \"王\" (\"Wáng\"): a name (pos: pn) is capitalised, also in its "
                          "listing at lesson01.txt:29"));
    // A common word capitalised against its listing.
    all = Joined(CheckCapitals(Course({}, {"py: xīngqīyī wǒmen", "py: xīngqīyī Wǒmen"}), dictionary));
    EXPECT_THAT(all,
                HasSubstr("lesson02.txt:7: \"我们\" (\"Wǒmen\"): capitalised, but listed in lower case"));
    // An unlisted word the dictionary knows only as a name.
    all = Joined(CheckCapitals(Course({}, {"zh: 王 老师 也 去 。\npy: Wáng lǎoshī yě qù .",
                                           "zh: 北京 也 去 。\npy: běijīng yě qù ."}),
                               dictionary));
    EXPECT_THAT(all, HasSubstr("lesson02.txt:12: \"北京\" (\"běijīng\"): the dictionary has it only as a "
                               "name: capitalise it"));
}

TEST(CourseWordCheck, FindsLessonWordsWithoutAnEntryInTheWordDatabase) {
    const std::set<std::string> entries = {"我", "是", "王",     "老师", "你", "不", "学生",
                                           "一", "个", "星期一", "我们", "去", "也"};
    const std::vector<std::string> problems = CheckWordEntries(Course(), entries);
    ASSERT_EQ(problems.size(), 1u) << testing::PrintToString(problems);
    EXPECT_THAT(problems.front(), HasSubstr("lesson02.txt:7: \"一起\" has no entry in the word database"));
}

} // namespace
