#include "app/LanguageRecord.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const char* kLangType = "[English]\nLangID=1033\nShortString=en\nLangString=English\nDesc=E\n"
                        "[Deutsch]\nLangID=1031\nShortString=de\nLangString=Deutsch\nDesc=D\n"
                        "[Short]\nLangID=9\nShortString=x\nLangString=Tiny\n"
                        "[Again]\nLangID=1031\nShortString=at\nLangString=Österreich\n"
                        "[Empty]\nLangID=77\n";

// The suffix rule as start-up applies it to a LangID.
std::string SuffixFor(const std::string& ini, const std::string& langId, std::string* name = nullptr) {
    LanguageRecord record;
    FindLanguage(ini, langId, record, kLangId);
    ApplyShortStringRule(record);
    if (name)
        *name = record.LangString;
    return record.ShortString;
}

TEST(Language, SuffixIsTheShortStringOfTheFirstMatchingSection) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "LangType.ini", kLangType));
    std::string name;
    EXPECT_EQ(SuffixFor(dir / "LangType.ini", "1031", &name), "de");
    EXPECT_EQ(name, "Deutsch");
}

TEST(Language, ShortOrMissingShortStringGivesEn) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "LangType.ini", kLangType));
    std::string name;
    EXPECT_EQ(SuffixFor(dir / "LangType.ini", "9", &name), "En");
    EXPECT_EQ(name, "English");
    EXPECT_EQ(SuffixFor(dir / "LangType.ini", "4242", &name), "En");
    EXPECT_EQ(SuffixFor(dir / "missing.ini", "1031", &name), "En");
    EXPECT_EQ(name, "English");
}

TEST(Language, MatchesWithoutRegardToCaseInEveryKeyMode) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "LangType.ini", kLangType));
    LanguageRecord record;
    ASSERT_TRUE(FindLanguage(dir / "LangType.ini", "DEUTSCH", record, kLangString));
    EXPECT_EQ(record.LangID, "1031");
    ASSERT_TRUE(FindLanguage(dir / "LangType.ini", "EN", record, kShortString));
    EXPECT_EQ(record.Desc, "E");
    ASSERT_TRUE(FindLanguage(dir / "LangType.ini", "d", record, kDesc));
    EXPECT_EQ(record.ShortString, "de");
}

TEST(Language, NoMatchLeavesTheRecordUntouched) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "LangType.ini", kLangType));
    LanguageRecord record{"keep", "kk", "Keep", "k"};
    EXPECT_FALSE(FindLanguage(dir / "LangType.ini", "nobody", record, kLangId));
    EXPECT_EQ(record.LangID, "keep");
    EXPECT_EQ(record.ShortString, "kk");
}

TEST(Language, ListHasEveryNonEmptyValueInFileOrder) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "LangType.ini", kLangType));
    EXPECT_EQ(LanguageList(dir / "LangType.ini", kLangString),
              (std::vector<std::string>{"English", "Deutsch", "Tiny", "Österreich"}));
    EXPECT_TRUE(LanguageList(dir / "none.ini", kLangString).empty());
}

} // namespace
