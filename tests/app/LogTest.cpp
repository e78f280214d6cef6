#include "app/CLog.h"
#include "app/FileUtils.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>
#include <regex>
#include <thread>

namespace {

std::string Contents(const std::string& path) {
    return ReadWholeFile(path).value_or("<missing>");
}

TEST(Log, WritesLinesInTheProgramFormat) {
    TempFolder dir;
    MakeDirectoryPath(dir / "Log");
    {
        CLog log(dir / "Log/app.log", dir / "app_SC");
        log.Write("EnterLesson.%d", 2);
        log.Write("%s", "打开数据库");
    }
    const std::string text = Contents(dir / "Log/app.log");
    const std::regex line(R"(\d+\.\d{3} \d{2}/\d{2}/\d{4} \d{2}:\d{2}:\d{2}  EnterLesson\.2\r\n)"
                          R"(\d+\.\d{3} \d{2}/\d{2}/\d{4} \d{2}:\d{2}:\d{2}  打开数据库\r\n)");
    EXPECT_TRUE(std::regex_match(text, line)) << text;
}

TEST(Log, FirstLoggerRotatesAndLaterOnesAppend) {
    TempFolder dir;
    MakeDirectoryPath(dir / "Log");
    const std::string path = dir / "Log/app.log";
    ASSERT_TRUE(WriteTextFile(path, "run-1\n"));
    ASSERT_TRUE(WriteTextFile(path + "~", "run-0\n"));
    {
        CLog first(path, dir / "none_SC");
        first.Write("first");
        EXPECT_EQ(Contents(path + "~"), "run-1\n");
        EXPECT_EQ(Contents(path + "~~"), "run-0\n");
        // A logger started while the first runs appends and leaves the generations alone.
        CLog second(path, dir / "none_SC");
        second.Write("second");
        EXPECT_EQ(Contents(path + "~"), "run-1\n");
        EXPECT_EQ(Contents(path + "~~"), "run-0\n");
        const std::string now = Contents(path);
        EXPECT_NE(now.find("first"), std::string::npos);
        EXPECT_NE(now.find("second"), std::string::npos);
    }
    CLog third(path, dir / "none_SC");
    third.Write("third");
    EXPECT_NE(Contents(path + "~").find("second"), std::string::npos);
    EXPECT_EQ(Contents(path + "~~"), "run-1\n");
    EXPECT_EQ(Contents(path).find("first"), std::string::npos);
}

TEST(Log, MissingFolderFailsSilently) {
    TempFolder dir;
    CLog log(dir / "NoSuchFolder/app.log", dir / "app_SC");
    log.Write("nowhere");
    EXPECT_FALSE(FileExists(dir / "NoSuchFolder/app.log"));
}

TEST(Log, EchoesToStandardOutputWhileTheMarkerExists) {
    TempFolder dir;
    MakeDirectoryPath(dir / "Log");
    CLog log(dir / "Log/app.log", dir / "app_SC");
    testing::internal::CaptureStdout();
    log.Write("quiet");
    ASSERT_TRUE(WriteTextFile(dir / "app_SC", ""));
    log.Write("loud");
    DeleteDirectoryTree(dir / "app_SC");
    log.Write("quiet again");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("loud"), std::string::npos);
    EXPECT_EQ(out.find("quiet"), std::string::npos);
}

TEST(Log, KeepsLinesWholeUnderConcurrentWriters) {
    TempFolder dir;
    MakeDirectoryPath(dir / "Log");
    {
        CLog log(dir / "Log/app.log", dir / "app_SC");
        std::vector<std::thread> writers;
        for (int t = 0; t < 4; ++t)
            writers.emplace_back([&log, t] {
                for (int i = 0; i < 200; ++i)
                    log.Write("thread %d line %d %s", t, i, std::string(100, 'x').c_str());
            });
        for (auto& w : writers)
            w.join();
    }
    const std::string text = Contents(dir / "Log/app.log");
    const std::regex line(R"(\d+\.\d{3} \S+ \S+  thread \d line \d+ x{100}\r)");
    size_t count = 0, start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1, ++count)
        ASSERT_TRUE(std::regex_match(text.substr(start, end - start), line))
            << text.substr(start, end - start);
    EXPECT_EQ(count, 800u);
}

TEST(Log, CutsLongMessagesWithoutSplittingCharacters) {
    TempFolder dir;
    MakeDirectoryPath(dir / "Log");
    {
        CLog log(dir / "Log/app.log", dir / "app_SC");
        std::string chinese;
        for (int i = 0; i < 500; ++i)
            chinese += "中";
        log.Write("%s", chinese.c_str());
    }
    const std::string text = Contents(dir / "Log/app.log");
    const size_t message = text.find("  ") + 2;
    const std::string body = text.substr(message, text.size() - message - 2);
    EXPECT_EQ(body.size(), 1023u); // 341 whole characters of three bytes
    EXPECT_EQ(body.substr(body.size() - 3), "中");
}

TEST(Log, RefusesShortPaths) {
    CLog log("/tmp/unused.log", "/tmp/unused_SC");
    EXPECT_FALSE(log.SetPath("a/b"));
    EXPECT_TRUE(log.SetPath("/tmp/other.log"));
    EXPECT_EQ(log.GetPath(), "/tmp/other.log");
}

} // namespace
