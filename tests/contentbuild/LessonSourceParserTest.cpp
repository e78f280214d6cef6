// Reading lesson sources: every field lands where it belongs, and every mistake is reported with
// the file, the line and what is wrong.
#include "LessonSourceParser.h"
#include "TinyLesson.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using lessons::LessonSource;
using lessons::LessonSourceParser;
using testing::HasSubstr;

TEST(LessonSourceParser, ReadsEveryBlockOfTheTinyLesson) {
    LessonSourceParser parser;
    LessonSource lesson;
    ASSERT_TRUE(parser.Parse("tiny.txt", TinyLessonSource(), lesson))
        << testing::PrintToString(parser.Errors());

    EXPECT_EQ(lesson.number, 3);
    EXPECT_EQ(lesson.title.at("fr"), "Les nombres");
    ASSERT_EQ(lesson.speakers.size(), 1u);
    EXPECT_EQ(lesson.speakers[0].words, "王 老师");
    ASSERT_EQ(lesson.childLessons.size(), 2u);
    ASSERT_EQ(lesson.childLessons[1].sentences.size(), 2u);
    const lessons::Sentence& marked = lesson.childLessons[1].sentences[1];
    EXPECT_EQ(marked.speakerKey, "wang");
    EXPECT_EQ(marked.words, "我 是 老师 。 *");
    EXPECT_EQ(marked.pinyin, "wǒ shì lǎoshī . *");
    EXPECT_EQ(marked.noteId, "teacher");
    EXPECT_EQ(marked.place.line, 32);
    EXPECT_TRUE(lesson.childLessons[0].sentences[0].speakerKey.empty());
    ASSERT_EQ(lesson.newWords.size(), 3u);
    EXPECT_EQ(lesson.newWords[2].partOfSpeech, "num");
    ASSERT_EQ(lesson.notes.size(), 2u);
    EXPECT_EQ(lesson.notes[1].text.at("en"), "Say 老师 to a teacher,\nalso after the surname.");
    ASSERT_EQ(lesson.languagePoints.size(), 1u);
    EXPECT_EQ(lesson.languagePoints[0].examples.size(), 1u);
    ASSERT_EQ(lesson.typicalSentences.size(), 1u);
    ASSERT_EQ(lesson.typicalSentences[0].demos.size(), 2u);
    EXPECT_EQ(lesson.typicalSentences[0].demos[1].partPinyin, "Wáng lǎoshī");
    EXPECT_EQ(lesson.typicalSentences[0].demos[1].meaning.at("en"), "Teacher Wang");
}

TEST(LessonSourceParser, AcceptsWindowsLineEndsAByteOrderMarkAndTrailingBlanks) {
    std::string source = "\xEF\xBB\xBF" + TinyLessonSource();
    source.replace(source.find("[child]"), 7, "[child] \t"); // trailing blanks are no content
    for (size_t pos = 0; (pos = source.find('\n', pos)) != std::string::npos; pos += 2)
        source.replace(pos, 1, "\r\n");
    LessonSourceParser parser;
    LessonSource lesson;
    ASSERT_TRUE(parser.Parse("crlf.txt", source, lesson)) << testing::PrintToString(parser.Errors());
    EXPECT_EQ(lesson.title.at("en"), "Numbers");
    EXPECT_EQ(lesson.notes[1].text.at("fr"), "On dit 老师 à un professeur,\naussi après le nom.");
}

struct BadSource {
    const char* source;
    const char* message; // "<line>: <part of the message>"
};

// Test names show the expected message rather than the bytes of the case.
void PrintTo(const BadSource& bad, std::ostream* out) {
    *out << bad.message;
}

class LessonSourceParserRefuses : public testing::TestWithParam<BadSource> {};

TEST_P(LessonSourceParserRefuses, NamingFileLineAndFault) {
    LessonSourceParser parser;
    LessonSource lesson;
    EXPECT_FALSE(parser.Parse("bad.txt", GetParam().source, lesson));
    EXPECT_THAT(parser.Errors(), testing::Contains(HasSubstr(std::string("bad.txt:") + GetParam().message)));
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, LessonSourceParserRefuses,
    testing::Values(BadSource{"", "1: the file has no [lesson <number>] block"},
                    BadSource{"[child]\n", "1: the file must begin with a [lesson <number>] block"},
                    BadSource{"[lesson x]\n", "1: the lesson number must be a number from 1 to 99"},
                    BadSource{"[lesson 100]\n", "1: the lesson number must be a number from 1 to 99"},
                    BadSource{"[lesson 1]\n[lesson 2]\n", "2: a second [lesson] block"},
                    BadSource{"[lesson 1]\n[chapter]\n", "2: unknown block [chapter]"},
                    BadSource{"[lesson 1]\n[child\n", "2: a block header must end with ']'"},
                    BadSource{"[lesson 1]\n[child 2]\n", "2: [child] takes nothing after it"},
                    BadSource{"[lesson 1]\n[note]\n", "2: [note] needs a name or number after it"},
                    BadSource{"[lesson 1]\n[note a-b]\n", "2: \"a-b\" is no valid name"},
                    BadSource{"[lesson 1]\n[sentence]\n", "2: a [sentence] before the first [child] block"},
                    BadSource{"[lesson 1]\n[example]\n", "2: an [example] before the first [point] block"},
                    BadSource{"[lesson 1]\n[demo]\n", "2: a [demo] before the first [pattern] block"},
                    BadSource{"[lesson 1]\n[speaker a]\n[speaker a]\n", "3: speaker \"a\" is defined twice"},
                    BadSource{"[lesson 1]\n[note 1]\n[note 1]\n", "3: note \"1\" is defined twice"},
                    BadSource{"[lesson 1]\ntitle.en: A\ntitle.en: B\n", "3: the \"en\" text is given twice"},
                    BadSource{"[lesson 1]\n[word]\nzh: 我\nzh: 你\n",
                              "4: \"zh\" is given twice in this block"},
                    BadSource{"[lesson 1]\n[word]\nnote: 1\n", "3: \"note\" does not belong in this block"},
                    BadSource{"[lesson 1]\nzh: 我\n", "2: \"zh\" does not belong in this block"},
                    BadSource{"[lesson 1]\ntitle.en:\n", "2: \"title.en\" has no value"},
                    BadSource{"[lesson 1]\nTitle: x\n", "2: expected \"key: value\""},
                    BadSource{"[lesson 1]\njust words\n", "2: expected \"key: value\""},
                    BadSource{"[lesson 1]\n\n  more\n", "3: an indented line continues a value"},
                    BadSource{"[lesson 1]\n[word]\nzh: 我\n  们\n", "4: an indented line continues a value"},
                    BadSource{"[lesson 1]\n[x]\nen: a\n", "3: \"en\" outside a block"},
                    BadSource{"[lesson 1]\ntitle.en: \xC3\x28\n", "2: the line is not UTF-8 text"}));

TEST(LessonSourceParser, ReportsEveryMistakeOfAFileInOneRun) {
    LessonSourceParser parser;
    LessonSource lesson;
    EXPECT_FALSE(parser.Parse("two.txt", "[lesson 1]\nfoo\n[bar]\n", lesson));
    ASSERT_EQ(parser.Errors().size(), 2u);
    EXPECT_THAT(parser.Errors()[0], HasSubstr("two.txt:2:"));
    EXPECT_THAT(parser.Errors()[1], HasSubstr("two.txt:3:"));
}

TEST(LessonSourceParser, ReportsAFileThatCannotBeRead) {
    LessonSourceParser parser;
    LessonSource lesson;
    EXPECT_FALSE(parser.ParseFile("/nonexistent/lesson01.txt", lesson));
    ASSERT_EQ(parser.Errors().size(), 1u);
    EXPECT_THAT(parser.Errors()[0], HasSubstr("/nonexistent/lesson01.txt: cannot read the file"));
}

} // namespace
