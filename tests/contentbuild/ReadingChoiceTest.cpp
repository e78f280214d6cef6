// The usual reading of characters with several, chosen from the dictionary and word counts the
// content build reads.
#include "ReadingChoice.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(ReadingChoice, PutsTheReadingMostUsedFirst) {
    const std::string data = OPEN_DATA_DIR;
    if (!std::filesystem::exists(data + "cedict_ts.u8.js"))
        GTEST_SKIP() << "the open data is installed by the content build";
    std::string error;
    const auto dictionary = opendata::LoadDictionary(data + "cedict_ts.u8.js", error);
    const auto counts = opendata::LoadWordFrequency(data + "leidenfreqdata.txt.js", error);
    ASSERT_FALSE(dictionary.empty() || counts.empty()) << error;
    const ReadingChoice choice(dictionary, counts);
    // Each character with its readings in the alphabetical order of the character list.
    const char* const kCases[][3] = {
        {"迹", "ji1 ji4", "ji4"},          {"绩", "ji1 ji4", "ji4"},       {"艘", "sao1 sou1", "sou1"},
        {"召", "shao4 zhao4", "zhao4"},    {"燕", "yan1 yan4", "yan4"},    {"傍", "bang1 bang4", "bang4"},
        {"区", "ou1 qu1", "qu1"},          {"论", "lun2 lun4", "lun4"},    {"的", "de5 di2 di4", "de5"},
        {"了", "le5 liao3", "le5"},        {"着", "zhao2 zhe5", "zhe5"},   {"吗", "ma3 ma5", "ma5"},
        {"么", "ma5 me5", "me5"},          {"子", "zi3 zi5", "zi3"},       {"都", "dou1 du1", "dou1"},
        {"长", "chang2 zhang3", "chang2"}, {"行", "hang2 xing2", "xing2"}, {"傅", "fu4 fu5", "fu4"},
        {"要", "yao1 yao4", "yao4"},       {"觉", "jiao4 jue2", "jue2"},   {"还", "hai2 huan2", "hai2"},
    };
    for (const auto& [character, readings, usual] : kCases) {
        const auto syllables = pinyin::ParseNumberedList(readings);
        ASSERT_TRUE(syllables) << readings;
        EXPECT_EQ(choice.Ordered(QString::fromUtf8(character), *syllables).front(),
                  pinyin::ParseNumbered(usual))
            << character;
    }
}

} // namespace
