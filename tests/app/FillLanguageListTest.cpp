#include "app/FillLanguageList.h"
#include "app/LanguageRecord.h"
#include "fixtures/TempFolder.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

TEST(FillLanguageList, AddsDisplayNamesInFileOrderSkippingEmptyOnes) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "LangType.ini",
                              "[a]\nLangString=English\n[b]\nLangString=\n[c]\nLangString=Français\n"));
    QComboBox combo;
    EXPECT_TRUE(FillLanguageList(dir / "LangType.ini", &combo, kLangString));
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("English"));
    EXPECT_EQ(combo.itemText(1), QString::fromUtf8("Français"));
    QComboBox empty;
    EXPECT_FALSE(FillLanguageList(dir / "missing.ini", &empty, kLangString));
    EXPECT_EQ(empty.count(), 0);
}

} // namespace
