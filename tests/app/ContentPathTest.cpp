#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(ResolveContentPath, MatchesEachComponentWithoutRegardToCase) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "Lesson_res/lesson_en/English_exp.bmp", "x"));
    EXPECT_EQ(ResolveContentPath(dir.Path() + "lesson_res\\Lesson_EN\\english_exp.BMP"),
              dir / "Lesson_res/lesson_en/English_exp.bmp");
}

TEST(ResolveContentPath, KeepsTheGivenSpellingOfWhatDoesNotExist) {
    TempFolder dir;
    ASSERT_TRUE(MakeDirectoryPath(dir / "Skins"));
    EXPECT_EQ(ResolveContentPath(dir.Path() + "skins\\Lesson\\lesson.bmp"), dir / "Skins/Lesson/lesson.bmp");
    EXPECT_EQ(ResolveContentPath(dir.Path() + "templesson"), dir / "templesson");
}

TEST(ProgramFolder, IsTheExecutablesFolder) {
    const std::string folder = GetProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(GetExecutableBaseName(), "app_tests");
}

} // namespace
