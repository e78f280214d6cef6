#include "app/FileUtils.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sys/stat.h>

namespace {

TEST(MakeDirectoryPath, CreatesEveryMissingLevel) {
    TempFolder dir;
    ASSERT_TRUE(MakeDirectoryPath(dir / "a"));
    ASSERT_TRUE(MakeDirectoryPath(dir / "a\\b\\c\\"));
    EXPECT_TRUE(FileExists(dir / "a/b"));
    EXPECT_TRUE(FileExists(dir / "a/b/c"));
    EXPECT_TRUE(MakeDirectoryPath(dir / "a/b/c")); // exists already
}

TEST(MakeDirectoryPath, FailsWhenALevelIsAFile) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "file", "x"));
    EXPECT_FALSE(MakeDirectoryPath(dir / "file/sub"));
}

TEST(DeleteDirectoryTree, RemovesReadOnlyFilesAndFolders) {
    TempFolder dir;
    const std::string root = dir / "templesson";
    ASSERT_TRUE(WriteTextFile(root + "/a.mp3", "x"));
    ASSERT_TRUE(WriteTextFile(root + "/sub/deeper/b.wav", "y"));
    chmod((root + "/a.mp3").c_str(), 0444);
    chmod((root + "/sub/deeper").c_str(), 0555);
    EXPECT_TRUE(DeleteDirectoryTree(root + "/"));
    EXPECT_FALSE(FileExists(root));
    EXPECT_FALSE(DeleteDirectoryTree(root));
}

TEST(DeleteDirectoryTree, RemovesLinksWithoutFollowingThem) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "keep/precious.txt", "data"));
    ASSERT_TRUE(MakeDirectoryPath(dir / "scratch"));
    ASSERT_EQ(symlink((dir / "keep").c_str(), (dir / "scratch/link").c_str()), 0);
    EXPECT_TRUE(DeleteDirectoryTree(dir / "scratch"));
    EXPECT_TRUE(FileExists(dir / "keep/precious.txt"));
}

TEST(FileExists, HonoursWildcards) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "S0101.mp3", "x"));
    EXPECT_TRUE(FileExists(dir / "S0101.mp3"));
    EXPECT_TRUE(FileExists(dir / "*.mp3"));
    EXPECT_TRUE(FileExists(dir / "S01??.mp3"));
    EXPECT_FALSE(FileExists(dir / "*.wav"));
    EXPECT_TRUE(FileExists(dir.Path())); // a folder is an entry too
}

TEST(WriteFileAtomically, ReplacesContentsAndKeepsPermissions) {
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "f.ini", "old"));
    chmod((dir / "f.ini").c_str(), 0600);
    ASSERT_TRUE(WriteFileAtomically(dir / "f.ini", "new"));
    EXPECT_EQ(ReadWholeFile(dir / "f.ini"), "new");
    struct stat st;
    ASSERT_EQ(stat((dir / "f.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_FALSE(WriteFileAtomically(dir / "missing/f.ini", "x"));
}

TEST(MakeTimeId, IdsOfOneSecondDifferOnlyInTheCounter) {
    std::set<std::string> ids;
    std::string previous = MakeTimeId();
    for (int i = 0; i < 1000; ++i) {
        const std::string id = MakeTimeId();
        ASSERT_TRUE(std::regex_match(id, std::regex(R"(\d{19,20})"))) << id;
        if (id.substr(0, id.size() - 6) == previous.substr(0, previous.size() - 6)) {
            EXPECT_EQ(std::stoi(id.substr(id.size() - 6)),
                      std::stoi(previous.substr(previous.size() - 6)) + 1);
        }
        EXPECT_TRUE(ids.insert(id).second) << "duplicate " << id;
        previous = id;
    }
}

} // namespace
