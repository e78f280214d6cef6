#include "app/CIniFile.h"
#include "app/FileUtils.h"
#include "app/IniDocument.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase) {
    TempFolder dir;
    ASSERT_TRUE(
        WriteTextFile(dir / "a.ini", "; comment\n[General]\nLangID = 1033 \nName=\"quoted value\"\n"));
    CIniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.GetString("general", "langid"), "1033");
    EXPECT_EQ(ini.GetString("GENERAL", "NAME"), "quoted value");
    EXPECT_EQ(ini.GetString("General", "missing", "fallback"), "fallback");
    EXPECT_EQ(ini.GetString("Nowhere", "LangID"), "");
}

TEST(IniFile, FirstKeyWinsAndSectionsOfOneNameReadAsOne) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "a.ini", "[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nonly=5\n"));
    CIniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.GetString("a", "K"), "1");
    EXPECT_EQ(ini.GetString("A", "only"), "5");
    ASSERT_TRUE(ini.WriteString("A", "only", "6"));
    EXPECT_EQ(*ReadWholeFile(dir / "a.ini"), "[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nonly=6\n");
    EXPECT_EQ(ini.GetSectionNames(), (std::vector<std::string>{"A", "B", "a"}));
}

TEST(IniFile, MissingFileReadsAsDefaultsAndWriteCreatesIt) {
    TempFolder dir;
    CIniFile ini(dir / "new.ini");
    EXPECT_EQ(ini.GetInt("S", "n", 42), 42);
    EXPECT_TRUE(ini.GetSectionNames().empty());
    ASSERT_TRUE(ini.WriteInt("S", "n", -7));
    ASSERT_TRUE(ini.WriteBool("S", "flag", true));
    EXPECT_EQ(ini.GetInt("S", "n", 0), -7);
    EXPECT_EQ(ini.GetString("S", "flag"), "1");
    EXPECT_TRUE(FileExists(dir / "new.ini"));
}

TEST(IniFile, ReturnsLongValuesWhole) {
    TempFolder dir;
    const std::string longValue(2000, 'x');
    CIniFile ini(dir / "long.ini");
    ASSERT_TRUE(ini.WriteString("Texts", "tip", longValue + "end"));
    EXPECT_EQ(ini.GetString("Texts", "tip"), longValue + "end");
}

TEST(IniFile, GetIntConvertsLeadingDigitsAndEmptyGivesDefault) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "n.ini", "[S]\nempty=\nmixed=12px\nword=abc\nhex=ff\n"));
    CIniFile ini(dir / "n.ini");
    EXPECT_EQ(ini.GetInt("S", "empty", 5), 5);
    EXPECT_EQ(ini.GetInt("S", "mixed", 5), 12);
    EXPECT_EQ(ini.GetInt("S", "word", 5), 0);
    EXPECT_EQ(ini.GetInt("S", "hex", 0, 16), 255);
}

TEST(IniFile, WritesKeepTheRestOfTheFile) {
    TempFolder dir;
    const std::string original = "; settings\r\n[One]\r\na=1\r\n\r\n[Two]\r\nb=2\r\n";
    ASSERT_TRUE(WriteTextFile(dir / "k.ini", original));
    CIniFile ini(dir / "k.ini");
    ASSERT_TRUE(ini.WriteString("one", "A", "10"));
    ASSERT_TRUE(ini.WriteString("One", "c", "3"));
    ASSERT_TRUE(ini.WriteString("Three", "d", "4"));
    EXPECT_EQ(*ReadWholeFile(dir / "k.ini"),
              "; settings\r\n[One]\r\na=10\r\nc=3\r\n\r\n[Two]\r\nb=2\r\n\r\n[Three]\r\nd=4\r\n");
}

TEST(IniFile, RefusesNamesThatCouldNotBeReadBackAndFlattensLineBreaks) {
    TempFolder dir;
    CIniFile ini(dir / "x.ini");
    EXPECT_FALSE(ini.WriteString("S", "a=b", "v"));
    EXPECT_FALSE(ini.WriteString("S]x", "k", "v"));
    ASSERT_TRUE(ini.WriteString("S", "k", "line1\n[Evil]\nk=2"));
    EXPECT_EQ(ini.GetString("S", "k"), "line1 [Evil] k=2");
    EXPECT_EQ(ini.GetSectionNames(), std::vector<std::string>{"S"});
}

TEST(IniFile, ReadsGb18030FilesAndUtf8WithBom) {
    TempFolder dir;
    // "中文" in GB18030 is D6 D0 CE C4.
    ASSERT_TRUE(WriteTextFile(dir / "gb.ini", "[S]\nname=\xD6\xD0\xCE\xC4\n"));
    ASSERT_TRUE(WriteTextFile(dir / "bom.ini", "\xEF\xBB\xBF[S]\nname=中文\n"));
    EXPECT_EQ(CIniFile(dir / "gb.ini").GetString("S", "name"), "中文");
    EXPECT_EQ(CIniFile(dir / "bom.ini").GetString("S", "name"), "中文");
}

TEST(IniFile, SeesChangesMadeByAnotherWriter) {
    TempFolder dir;
    CIniFile reader(dir / "shared.ini");
    CIniFile writer(dir / "shared.ini");
    ASSERT_TRUE(writer.WriteString("S", "k", "first"));
    EXPECT_EQ(reader.GetString("S", "k"), "first");
    ASSERT_TRUE(writer.WriteString("S", "k", "second"));
    EXPECT_EQ(reader.GetString("S", "k"), "second");
}

TEST(IniDocument, KeepsAFileWithoutFinalLineBreakIntact) {
    IniDocument doc = IniDocument::Parse("[S]\nk=v");
    EXPECT_EQ(doc.Serialize(), "[S]\nk=v");
    ASSERT_TRUE(doc.Set("S", "n", "1"));
    EXPECT_EQ(doc.Serialize(), "[S]\nk=v\nn=1\n");
}

} // namespace
