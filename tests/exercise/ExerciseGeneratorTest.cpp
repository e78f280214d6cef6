#include "exercise/ExerciseGenerator.h"
#include "exercise/ToneVariants.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <map>
#include <set>

namespace {

using exercise::Question;
using exercise::QuestionKind;

struct WordSpec {
    const char16_t* word;
    const char16_t* pinyin;
    const char* meaning;
};

lesson::Sentence MakeSentence(const std::string& id, const std::u16string& words,
                              const std::u16string& pinyin, const std::string& translation) {
    lesson::Sentence s;
    s.id = id;
    s.words = words;
    s.pinyin = pinyin;
    s.explain = translation;
    return s;
}

// A lesson with enough of everything for a full run of every kind.
LessonMaterial RichLesson(int number = 3) {
    LessonMaterial m;
    m.number = number;
    m.title = "What Time Is It?";
    LessonMaterial::Dialogue d;
    d.childLesson = {"CL1", "At the station"};
    d.sentences = {
        MakeSentence("S1", u"现在 几 点 ？", u"xiànzài jǐ diǎn ?", "What time is it now?"),
        MakeSentence("S2", u"现在 八 点 半 。", u"xiànzài bā diǎn bàn .", "It is half past eight."),
        MakeSentence("S3", u"我们 几 点 去 学校 ？", u"wǒmen jǐ diǎn qù xuéxiào ?",
                     "When do we go to school?"),
        MakeSentence("S4", u"我 九 点 上课 。", u"wǒ jiǔ diǎn shàngkè .", "I have class at nine."),
        MakeSentence("S5", u"你 明天 有 时间 吗 ？", u"nǐ míngtiān yǒu shíjiān ma ?",
                     "Do you have time tomorrow?"),
        MakeSentence("S6", u"好 ， 明天 见 ！", u"hǎo , míngtiān jiàn !", "OK, see you tomorrow!"),
    };
    m.dialogues.push_back(d);
    const WordSpec words[] = {{u"现在", u"xiànzài", "now"},
                              {u"点", u"diǎn", "o'clock"},
                              {u"半", u"bàn", "half"},
                              {u"学校", u"xuéxiào", "school"},
                              {u"上课", u"shàngkè", "to attend class"},
                              {u"明天", u"míngtiān", "tomorrow"},
                              {u"时间", u"shíjiān", "time"},
                              {u"见", u"jiàn", "to see"}};
    for (const WordSpec& w : words) {
        lesson::NewWord nw;
        nw.id = "NW" + std::to_string(m.newWords.size());
        nw.word = w.word;
        nw.pinyin = w.pinyin;
        nw.explanation = w.meaning;
        m.newWords.push_back(nw);
        if (nw.word.size() == 1)
            m.writableCharacters.push_back(nw);
    }
    return m;
}

std::u16string WithoutTones(const std::u16string& pinyin) {
    std::u16string plain;
    for (char16_t c : pinyin)
        plain.push_back(tones::WithTone(c, 0));
    return plain;
}

QString Folded(const std::string& text) {
    return QString::fromStdString(text).toCaseFolded();
}

// Every offer differs from the answer and from each other in Chinese text and in meaning.
void ExpectFairChoices(const Question& q) {
    ASSERT_EQ(q.choices.size(), 4u);
    ASSERT_GE(q.answer, 0);
    ASSERT_LT(q.answer, 4);
    for (size_t i = 0; i < q.choices.size(); ++i)
        for (size_t j = i + 1; j < q.choices.size(); ++j) {
            const auto& a = q.choices[i];
            const auto& b = q.choices[j];
            if (!a.text.empty())
                EXPECT_NE(Folded(a.text), Folded(b.text)) << a.text;
            if (!a.chinese.empty())
                EXPECT_NE(a.chinese, b.chinese);
            if (a.chinese.empty() && a.text.empty())
                EXPECT_NE(a.pinyin, b.pinyin);
        }
}

TEST(ExerciseGenerator, ARichLessonGivesTwentyQuestionsOfEveryKindTheSameForTheSameSeed) {
    const LessonMaterial lesson = RichLesson();
    const auto run = exercise::GenerateExercise(lesson, {}, 42);
    ASSERT_EQ(run.size(), 20u);
    std::set<QuestionKind> kinds;
    for (const Question& q : run)
        kinds.insert(q.kind);
    EXPECT_EQ(kinds.size(), 7u);
    // No item is asked twice in the same way.
    std::set<std::pair<int, std::u16string>> asked;
    for (const Question& q : run)
        EXPECT_TRUE(asked.insert({static_cast<int>(q.kind), q.chinese}).second);

    const auto again = exercise::GenerateExercise(lesson, {}, 42);
    const auto other = exercise::GenerateExercise(lesson, {}, 43);
    bool sameAsOther = true;
    for (size_t i = 0; i < run.size(); ++i) {
        EXPECT_EQ(run[i].chinese, again[i].chinese);
        EXPECT_EQ(run[i].answer, again[i].answer);
        sameAsOther = sameAsOther && run[i].chinese == other[i].chinese && run[i].answer == other[i].answer;
    }
    EXPECT_FALSE(sameAsOther);
}

TEST(ExerciseGenerator, ChoicesNeverRepeatNorEqualTheAnswerInTextOrMeaning) {
    LessonMaterial lesson = RichLesson();
    // A second word with the meaning of another, and a sentence translated like another.
    lesson::NewWord same = lesson.newWords[3];
    same.id = "NWX";
    same.word = u"学堂";
    same.explanation = "School";
    lesson.newWords.push_back(same);
    lesson.dialogues[0].sentences.push_back(
        MakeSentence("S7", u"现在 几 点 了 ？", u"xiànzài jǐ diǎn le ?", "What time is it now"));
    for (std::uint32_t seed = 1; seed <= 40; ++seed)
        for (const Question& q : exercise::GenerateExercise(lesson, {}, seed)) {
            if (!q.IsChoice())
                continue;
            ExpectFairChoices(q);
            const auto& answer = q.choices[static_cast<size_t>(q.answer)];
            switch (q.kind) {
            case QuestionKind::Listening:
                EXPECT_EQ(answer.text, q.text);
                break;
            case QuestionKind::Meaning:
                EXPECT_EQ(answer.text, q.text);
                for (const auto& c : q.choices)
                    if (&c != &answer)
                        EXPECT_NE(Folded(c.text), Folded(q.text));
                break;
            case QuestionKind::WordFromMeaning:
                EXPECT_EQ(answer.chinese, q.chinese);
                // 学校 and 学堂 share a meaning: never offered together.
                if (q.chinese == u"学校" || q.chinese == u"学堂")
                    for (const auto& c : q.choices)
                        EXPECT_TRUE(&c == &answer || (c.chinese != u"学校" && c.chinese != u"学堂"));
                break;
            case QuestionKind::Tones:
                EXPECT_EQ(answer.pinyin, q.pinyin);
                for (const auto& c : q.choices)
                    EXPECT_EQ(WithoutTones(c.pinyin), WithoutTones(q.pinyin));
                break;
            case QuestionKind::Reading: {
                const auto words = exercise::SplitWords(q.chinese);
                ASSERT_GE(q.blank, 0);
                EXPECT_TRUE(exercise::IsWordToken(words[static_cast<size_t>(q.blank)]));
                EXPECT_EQ(answer.chinese, words[static_cast<size_t>(q.blank)]);
                break;
            }
            default:
                break;
            }
        }
}

TEST(ExerciseGenerator, WordOrderTilesAreTheSentencesWordsShuffled) {
    const LessonMaterial lesson = RichLesson();
    int seen = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed)
        for (const Question& q : exercise::GenerateExercise(lesson, {}, seed)) {
            if (q.kind != QuestionKind::WordOrder)
                continue;
            ++seen;
            std::vector<std::u16string> words;
            for (const auto& token : exercise::SplitWords(q.chinese))
                if (exercise::IsWordToken(token))
                    words.push_back(token);
            ASSERT_EQ(q.order.size(), words.size());
            ASSERT_EQ(q.choices.size(), words.size());
            std::vector<std::u16string> shown;
            for (size_t i = 0; i < words.size(); ++i) {
                EXPECT_EQ(q.choices[static_cast<size_t>(q.order[i])].chinese, words[i]);
                shown.push_back(q.choices[i].chinese);
            }
            EXPECT_NE(shown, words) << "the tiles must not already stand in order";
            EXPECT_TRUE(std::is_permutation(shown.begin(), shown.end(), words.begin()));
        }
    EXPECT_GT(seen, 0);
}

TEST(ExerciseGenerator, EarlierLessonsGiveTheOffersAThinLessonLacksNewestFirst) {
    LessonMaterial thin;
    thin.number = 5;
    thin.dialogues.push_back({{"CL5", "Hi"}, {MakeSentence("S51", u"你好 ！", u"nǐhǎo !", "Hello!")}});
    thin.newWords.push_back({"NW51", u"你好", u"nǐhǎo", "", "hello"});
    const LessonMaterial lesson4 = RichLesson(4);
    std::vector<int> asked;
    const auto earlier = [&](int n) -> const LessonMaterial* {
        asked.push_back(n);
        return n == 4 ? &lesson4 : nullptr;
    };
    const auto run = exercise::GenerateExercise(thin, earlier, 7);
    ASSERT_FALSE(run.empty());
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), 4);
    bool hasListening = false;
    for (const Question& q : run) {
        if (q.IsChoice())
            ExpectFairChoices(q);
        hasListening = hasListening || q.kind == QuestionKind::Listening;
    }
    EXPECT_TRUE(hasListening);

    // Without earlier lessons only questions that need no wrong offers from elsewhere remain:
    // the tones of 你好 (its pinyin has two marks).
    const auto alone = exercise::GenerateExercise(thin, {}, 7);
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_EQ(alone[0].kind, QuestionKind::Tones);
    EXPECT_TRUE(exercise::GenerateExercise(LessonMaterial(), {}, 7).empty());
}

TEST(ToneVariants, ChangeOnlyTheMarkedVowels) {
    EXPECT_EQ(tones::ToneVariants(u"mā"), (std::vector<std::u16string>{u"má", u"mǎ", u"mà"}));
    EXPECT_EQ(tones::ToneVariants(u"nǚ").size(), 3u);
    EXPECT_EQ(tones::ToneVariants(u"xuésheng").size(), 3u);
    EXPECT_EQ(tones::ToneVariants(u"nǐhǎo").size(), 15u);
    EXPECT_TRUE(tones::ToneVariants(u"ma").empty());
    EXPECT_EQ(tones::ToneOfLetter(u'Ǎ'), 3);
}

} // namespace
