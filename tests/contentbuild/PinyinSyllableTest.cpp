#include "render/PinyinSyllable.h"

#include <gtest/gtest.h>

namespace {

PinyinSyllable S(const char* initial, const char* final, int tone) {
    return PinyinSyllable{initial, final, tone};
}

TEST(PinyinSyllable, NumberedSyllablesSplitIntoInitialFinalAndTone) {
    EXPECT_EQ(pinyin::ParseNumbered("zhong1"), S("zh", "ong", 1));
    EXPECT_EQ(pinyin::ParseNumbered("lu:4"), S("l", "ü", 4));
    EXPECT_EQ(pinyin::ParseNumbered("nv3"), S("n", "ü", 3));
    EXPECT_EQ(pinyin::ParseNumbered("xue2"), S("x", "ue", 2));
    EXPECT_EQ(pinyin::ParseNumbered("wo3"), S("w", "o", 3));
    EXPECT_EQ(pinyin::ParseNumbered("yuan2"), S("y", "uan", 2));
    EXPECT_EQ(pinyin::ParseNumbered("er2"), S("", "er", 2));
    EXPECT_EQ(pinyin::ParseNumbered("Zhang1"), S("zh", "ang", 1));
    EXPECT_EQ(pinyin::ParseNumbered("de5"), S("d", "e", 5));
    EXPECT_EQ(pinyin::ParseNumbered("ma"), S("m", "a", 5));
    // lüe and nüe as sources write them; syllables Mandarin does not have are refused.
    EXPECT_EQ(pinyin::ParseNumbered("lue4"), S("l", "üe", 4));
    EXPECT_EQ(pinyin::ParseNumbered("nue4"), S("n", "üe", 4));
    EXPECT_EQ(pinyin::ParseNumbered("nu:e4"), S("n", "üe", 4));
    EXPECT_EQ(pinyin::ParseNumbered("ju:3"), S("j", "u", 3));
    EXPECT_FALSE(pinyin::ParseNumbered("yai2"));
    // Interjections without a vowel.
    EXPECT_EQ(pinyin::ParseNumbered("m2"), S("", "m", 2));
    EXPECT_EQ(pinyin::ParseNumbered("hm5"), S("h", "m", 5));
    EXPECT_EQ(pinyin::ParseNumbered("hng4"), S("h", "ng", 4));
    EXPECT_EQ(S("h", "ng", 3).Marked(), "hňg");
    EXPECT_EQ(pinyin::SplitMarked("hňg", 1, {"hng"}), (std::vector{S("h", "ng", 3)}));
    EXPECT_FALSE(pinyin::ParseNumbered("r5"));
    EXPECT_FALSE(pinyin::ParseNumbered(""));
    EXPECT_FALSE(pinyin::ParseNumberedList("ni3 xx"));
}

TEST(PinyinSyllable, ToneMarksSitWherePinyinPutsThem) {
    EXPECT_EQ(pinyin::MarkFinal("ao", 3), "ǎo");
    EXPECT_EQ(pinyin::MarkFinal("iu", 2), "iú");
    EXPECT_EQ(pinyin::MarkFinal("ui", 4), "uì");
    EXPECT_EQ(pinyin::MarkFinal("ou", 3), "ǒu");
    EXPECT_EQ(pinyin::MarkFinal("iong", 1), "iōng");
    EXPECT_EQ(pinyin::MarkFinal("üe", 4), "üè");
    EXPECT_EQ(pinyin::MarkFinal("ü", 3), "ǚ");
    EXPECT_EQ(pinyin::MarkFinal("ing", 5), "ing");
    EXPECT_EQ(S("l", "ü", 4).Numbered(), "lv4");
    EXPECT_EQ(S("zh", "ong", 1).Marked(), "zhōng");
    // Every final has a tone-marked form in each of the four tones.
    for (const std::string& final : pinyin::AllFinals())
        for (int tone = 1; tone <= 4; ++tone)
            EXPECT_NE(pinyin::MarkFinal(final, tone), final) << final << tone;
}

TEST(PinyinSyllable, WordsJoinWithApostrophesAndMarkedPinyinSplitsBack) {
    const std::vector<PinyinSyllable> xian = {S("x", "i", 1), S("", "an", 1)};
    EXPECT_EQ(pinyin::JoinMarked(xian), "xī'ān");
    EXPECT_EQ(pinyin::JoinNumbered(xian), "xi1 an1");

    const std::set<std::string> known = {"xi", "an",  "xian", "xue",  "sheng", "ni",  "hao",  "ha",  "o",
                                         "ke", "ken", "e",    "neng", "eng",   "dan", "dang", "gao", "ao"};
    EXPECT_EQ(pinyin::SplitMarked("xuésheng", 2, known), (std::vector{S("x", "ue", 2), S("sh", "eng", 5)}));
    EXPECT_EQ(pinyin::SplitMarked("Xī'ān", 2, known), xian);
    EXPECT_EQ(pinyin::SplitMarked("xiān", 1, known), (std::vector{S("x", "ian", 1)}));
    EXPECT_EQ(pinyin::SplitMarked("nǐ hǎo", 2, known), (std::vector{S("n", "i", 3), S("h", "ao", 3)}));
    EXPECT_EQ(pinyin::SplitMarked("nǐhǎo", 2, known), (std::vector{S("n", "i", 3), S("h", "ao", 3)}));
    EXPECT_FALSE(pinyin::SplitMarked("nǐhǎo", 4, known));
    // A syllable inside a group never starts with a vowel letter: n and g begin the next one.
    EXPECT_EQ(pinyin::SplitMarked("kěnéng", 2, known), (std::vector{S("k", "e", 3), S("n", "eng", 2)}));
    EXPECT_EQ(pinyin::SplitMarked("dàngāo", 2, known), (std::vector{S("d", "an", 4), S("g", "ao", 1)}));
    EXPECT_FALSE(pinyin::SplitMarked("Xīān", 2, known));
    EXPECT_FALSE(pinyin::SplitMarked("qù", 1, known));
}

TEST(PinyinSyllable, DictionaryWordsKeepTheirCapitalsAndErhua) {
    const auto beijing = pinyin::ReadNumberedWord("Bei3 jing1", QStringLiteral("北京"));
    ASSERT_TRUE(beijing);
    EXPECT_EQ(beijing->marked, "Běijīng");
    EXPECT_EQ(pinyin::ReadNumberedWord("Xi1 an1", QStringLiteral("西安"))->marked, "Xī'ān");

    const auto yidianr = pinyin::ReadNumberedWord("yi1 dian3 r5", QStringLiteral("一点儿"));
    ASSERT_TRUE(yidianr);
    EXPECT_EQ(yidianr->marked, "yīdiǎnr");
    EXPECT_EQ(yidianr->speechText, "yi1 dian3r");
    EXPECT_EQ(yidianr->syllables, (std::vector{S("y", "i", 1), S("d", "ian", 3), S("", "er", 5)}));

    EXPECT_FALSE(pinyin::ReadNumberedWord("r5 yi1", QStringLiteral("儿一")));
    EXPECT_FALSE(pinyin::ReadNumberedWord("ni3", QStringLiteral("你好")));
}

} // namespace
