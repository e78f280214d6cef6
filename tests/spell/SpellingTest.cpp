#include "spell/SpellingCheck.h"
#include "spell/SpellingRound.h"
#include "spell/TypedPinyin.h"

#include <QString>
#include <gtest/gtest.h>

#include <set>

namespace {

// The syllables read, numbered: "ni3 hao3".
std::string Numbered(std::u16string_view typed) {
    const typedpinyin::Reading reading = typedpinyin::Read(typed);
    EXPECT_TRUE(reading.ok) << QString::fromStdU16String(std::u16string(typed)).toStdString() << ": "
                            << reading.problem;
    return pinyin::JoinNumbered(reading.syllables);
}

TEST(TypedPinyin, EveryUsualWayOfTypingReadsTheSame) {
    for (const char16_t* typed :
         {u"nǐhǎo", u"ni3hao3", u"ni3 hao3", u"NI3HAO3", u"Nǐ Hǎo", u"ni3'hao3", u"nǐ3hǎo"})
        EXPECT_EQ(Numbered(typed), "ni3 hao3");
    // The neutral tone: 5, 0 or nothing.
    for (const char16_t* typed : {u"xue2sheng5", u"xue2sheng0", u"xue2sheng", u"xuésheng"})
        EXPECT_EQ(Numbered(typed), "xue2 sheng5");
    // ü as ü, v or u:, and as u where pinyin writes it so.
    for (const char16_t* typed : {u"lǜ", u"lv4", u"lu:4", u"LÜ4"})
        EXPECT_EQ(Numbered(typed), "lv4");
    EXPECT_EQ(Numbered(u"nüe4"), Numbered(u"nve4"));
    EXPECT_EQ(Numbered(u"xüe2"), "xue2");
    EXPECT_EQ(Numbered(u"qù"), "qu4");
    // A syllable inside a run never starts with a, o or e; an apostrophe separates them.
    EXPECT_EQ(Numbered(u"xian1"), "xian1");
    EXPECT_EQ(Numbered(u"xi'an1"), "xi5 an1");
    EXPECT_EQ(Numbered(u"Xī'ān"), "xi1 an1");
    EXPECT_EQ(Numbered(u"fang'an4"), "fang5 an4");
    EXPECT_EQ(Numbered(u"kěnéng"), "ke3 neng2");
    EXPECT_EQ(Numbered(u"zhuang4"), "zhuang4");
    EXPECT_EQ(Numbered(u"er2"), "er2");
}

TEST(TypedPinyin, ErhuaIsASyllableRAfterTheOneItJoins) {
    EXPECT_EQ(Numbered(u"yìdiǎnr"), "yi4 dian3 r5");
    EXPECT_EQ(Numbered(u"yi4dian3r"), "yi4 dian3 r5");
    EXPECT_EQ(Numbered(u"yi4dianr3"), "yi4 dian3 r5");
    EXPECT_EQ(typedpinyin::Marked(typedpinyin::Read(u"yi4dianr3").syllables), u"yìdiǎnr");
    EXPECT_EQ(typedpinyin::Marked(typedpinyin::Read(u"xi1an1").syllables), u"xī'ān");
    // Written marked, an erhua word runs on into the next syllable.
    EXPECT_EQ(Numbered(u"yìdiǎnryì'ǎnr"), "yi4 dian3 r5 yi4 an3 r5");
    EXPECT_EQ(Numbered(u"wánrrén"), "wan2 r5 ren2");
    EXPECT_EQ(Numbered(u"e3r"), "er3");
    EXPECT_FALSE(typedpinyin::Read(u"diarr4").ok);
}

TEST(TypedPinyin, WhatIsNotPinyinSaysSoAndNeverMore) {
    for (const char16_t* typed : {u"", u"   ", u"3", u"ni6", u"ni3hao#", u"qwx", u"nǐǎ", u"nǐ4", u"你好",
                                  u"ni3hao3ni3hao3ni3hao3xyz", u"ŭ"}) {
        const typedpinyin::Reading reading = typedpinyin::Read(typed);
        EXPECT_FALSE(reading.ok) << QString::fromStdU16String(typed).toStdString();
        EXPECT_FALSE(reading.problem.empty());
        EXPECT_TRUE(reading.syllables.empty());
    }
    EXPECT_FALSE(typedpinyin::Read(std::u16string(1000, u'a')).ok);
}

TEST(SpellingCheck, EachSyllableIsJudgedByInitialFinalAndTone) {
    spelling::Verdict v = spelling::Check(u"ni3 hao2", u"nǐhǎo", u"你好");
    ASSERT_TRUE(v.readable);
    EXPECT_FALSE(v.right);
    ASSERT_EQ(v.syllables.size(), 2u);
    EXPECT_TRUE(v.syllables[0].Right());
    EXPECT_TRUE(v.syllables[1].initialRight);
    EXPECT_TRUE(v.syllables[1].finalRight);
    EXPECT_FALSE(v.syllables[1].toneRight);

    v = spelling::Check(u"xie2sheng", u"xuésheng", u"学生");
    EXPECT_FALSE(v.syllables[0].finalRight);
    EXPECT_TRUE(v.syllables[0].initialRight && v.syllables[0].toneRight);
    EXPECT_TRUE(v.syllables[1].Right());

    v = spelling::Check(u"xue2", u"xuésheng", u"学生");
    EXPECT_FALSE(v.right);
    EXPECT_FALSE(v.syllables[1].typed);
    v = spelling::Check(u"xue2sheng ma", u"xuésheng", u"学生");
    EXPECT_FALSE(v.right);
    EXPECT_EQ(v.extraSyllables, 1);
    EXPECT_TRUE(spelling::Check(u"XUE2SHENG", u"xuésheng", u"学生").right);
    EXPECT_FALSE(spelling::Check(u"xue#", u"xuésheng", u"学生").readable);
}

TEST(SpellingCheck, TheDictionaryToneOfYiAndBuIsAcceptedWithANote) {
    // The lesson writes them as spoken: yíyàng, búshì.
    spelling::Verdict v = spelling::Check(u"yi1yang4", u"yíyàng", u"一样");
    EXPECT_TRUE(v.right);
    EXPECT_EQ(v.syllables[0].toneChange, u'一');
    v = spelling::Check(u"bu4 shi4", u"búshì", u"不是");
    EXPECT_TRUE(v.right);
    EXPECT_EQ(v.syllables[0].toneChange, u'不');
    v = spelling::Check(u"bu2 shi4", u"búshì", u"不是");
    EXPECT_TRUE(v.right);
    EXPECT_EQ(v.syllables[0].toneChange, 0);
    // Only for 一 and 不: another character's dictionary tone is still wrong.
    EXPECT_FALSE(spelling::Check(u"bu4", u"bú", u"步").right);
    EXPECT_FALSE(spelling::Check(u"bu3shi4", u"búshì", u"不是").right);
}

LessonMaterial Lesson() {
    LessonMaterial m;
    m.number = 2;
    m.newWords = {{"N1", u"学生", u"xuésheng", "", "student"},
                  {"N2", u"老师", u"lǎoshī", "", "teacher"},
                  {"N3", u"一点儿", u"yìdiǎnr", "", "a little"}};
    lesson::Sentence s;
    s.words = u"我 是 学生 。";
    s.pinyin = u"wǒ shì xuésheng .";
    m.dialogues.push_back({{"C1", ""}, {s}});
    return m;
}

TEST(SpellingRound, ItemsAreTheLessonsWordsAndSyllablesEachOnce) {
    const auto items = SpellingRound::ItemsOf(Lesson());
    std::multiset<std::u16string> texts;
    for (const SpellItem& item : items)
        texts.insert(item.characters + u"|" + item.pinyin);
    EXPECT_EQ(texts.count(u"学生|xuésheng"), 1u);
    EXPECT_EQ(texts.count(u"我|wǒ"), 1u);
    EXPECT_EQ(texts.count(u"学|xué"), 1u);
    EXPECT_EQ(texts.count(u"点|diǎn"), 1u);
    EXPECT_EQ(texts.count(u"。|."), 0u);
    EXPECT_EQ(texts.count(u"儿|r"), 0u);
}

TEST(SpellingRound, AMissedItemComesBackLaterAndToneErrorsAreCounted) {
    std::vector<SpellItem> pool;
    for (const char16_t* syllable : {u"mā", u"má", u"mǎ", u"mà", u"bā", u"bá"})
        pool.push_back({SpellItem::Kind::Syllable, u"妈", syllable, {}});
    SpellingRound round(pool, 1, 5);
    EXPECT_EQ(round.Length(), 5);
    const std::u16string missed = round.Current().pinyin;
    // Typed with the wrong tone: the first syllable's tone + 1.
    const auto verdict = round.Answer(missed == u"mā" || missed == u"bā" ? u"ma2" : u"ma1");
    ASSERT_TRUE(verdict.readable);
    EXPECT_FALSE(verdict.right);
    EXPECT_FALSE(round.Answer(u"ma1").readable) << "answered once";
    EXPECT_EQ(round.Length(), 6);
    EXPECT_EQ(round.ToneErrors().size(), 1u);
    EXPECT_FALSE(round.Answer(u"").readable);
    // Text that is not pinyin is no answer: the item waits for one.
    int placeOfReturn = -1;
    while (round.Next() || !round.IsFinished()) {
        if (round.IsComeback() && round.Current().pinyin == missed)
            placeOfReturn = round.Position();
        EXPECT_FALSE(round.Answer(u"x?").readable);
        round.Answer(round.Current().pinyin);
    }
    EXPECT_EQ(placeOfReturn, 4);
    EXPECT_EQ(round.FirstTries(), 5);
    EXPECT_EQ(round.RightFirstTime(), 4);
}

} // namespace
