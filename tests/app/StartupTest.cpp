// Starts the real executable from a program folder made of fixture content.
#include "app/CInstanceLock.h"
#include "app/FileUtils.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

namespace {

struct RunResult {
    int exitCode = -1;
    bool finished = false;
    std::string output;
};

class Startup : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(fixtures::BuildProgramFolder(m_folder.Path(), error)) << error;
        ASSERT_TRUE(MakeDirectoryPath(m_runtime.Path()));
        const auto exe = ReadWholeFile(TESSALYNE_EXECUTABLE);
        ASSERT_TRUE(exe.has_value());
        ASSERT_TRUE(WriteTextFile(m_folder / "tessalyne", *exe));
        ASSERT_EQ(chmod((m_folder / "tessalyne").c_str(), 0755), 0);
    }

    // Runs the program; when it reaches the login of the catalogue, it is asked to end the way a
    // desktop session asks (SIGTERM) and closes its windows through their ordinary exit path.
    RunResult Run() {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(m_runtime.Path()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(m_runtime / "config"));
        env.insert("XDG_DATA_HOME", QString::fromStdString(m_runtime / "data"));
        env.insert("XDG_STATE_HOME", QString::fromStdString(m_runtime / "state"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QString::fromStdString(m_folder / "tessalyne"), {});
        RunResult result;
        for (int waited = 0; waited < 600 && !result.finished; ++waited) {
            result.finished = process.waitForFinished(100);
            if (!result.finished && Log().find("OnPaint.2") != std::string::npos) {
                m_reachedLogin = true;
                process.terminate();
                result.finished = process.waitForFinished(60000);
            }
        }
        result.exitCode = process.exitCode();
        result.output = process.readAll().toStdString();
        return result;
    }

    std::string Log() { return ReadWholeFile(m_runtime / "state/Tessalyne/Log/tessalyne.log").value_or(""); }

    // The scratch folders ("tessalyne-XXXXXX") in the runtime folder.
    std::vector<std::string> ScratchFolders() {
        std::vector<std::string> found;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(m_runtime.Path(), ec))
            if (entry.is_directory() && entry.path().filename().string().rfind("tessalyne-", 0) == 0)
                found.push_back(entry.path().string());
        return found;
    }

    TempFolder m_folder;
    TempFolder m_runtime;
    bool m_reachedLogin = false;
};

TEST_F(Startup, OpensTheDatabasesReadsTheLanguageAndCleansUp) {
    ASSERT_TRUE(WriteTextFile(m_folder / "TSSet.ini", "[General]\nLangID=1036\n"));
    // What a killed earlier run left behind goes as well.
    ASSERT_TRUE(WriteTextFile(m_runtime / "tessalyne-Zz9Yy8/S010101.wav", "sound"));
    const RunResult run = Run();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string log = Log();
    EXPECT_NE(log.find("InitInstance: databases open"), std::string::npos) << log;
    EXPECT_NE(log.find("interface language Français, suffix fr"), std::string::npos) << log;
    EXPECT_TRUE(m_reachedLogin) << log;
    EXPECT_NE(log.find("ExitInstance: status 0"), std::string::npos) << log;
    EXPECT_EQ(ScratchFolders(), std::vector<std::string>{});
    EXPECT_FALSE(FileExists(m_folder / "templesson"));
    EXPECT_TRUE(FileExists(m_runtime / "data/Tessalyne/learners.db"));
}

TEST_F(Startup, EndingAtTheLoginSavesTheSettingsUnderSectionZeroInTheUsersOwnFile) {
    const std::string defaults = "[lesson]\niWordR=7\n";
    ASSERT_TRUE(WriteTextFile(m_folder / "lesson_res/lessonres_en.ini", defaults));
    const RunResult run = Run();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string settings =
        ReadWholeFile(m_runtime / "config/Tessalyne/Lesson_res/lessonres_en.ini").value_or("");
    EXPECT_NE(settings.find("[0]"), std::string::npos) << settings;
    EXPECT_NE(settings.find("iWordR=7"), std::string::npos) << settings;
    EXPECT_EQ(ReadWholeFile(m_folder / "lesson_res/lessonres_en.ini"), defaults)
        << "the program folder was written";
}

TEST_F(Startup, WithoutSettingsTheLanguageIsNoneAndTheSuffixStaysEn) {
    const RunResult run = Run();
    ASSERT_TRUE(run.finished);
    EXPECT_NE(Log().find("interface language none, suffix en"), std::string::npos) << Log();
}

TEST_F(Startup, MissingLessonDatabaseIsReportedAndEndsWithAnError) {
    ASSERT_TRUE(DeleteDirectoryTree(m_folder / "db/lesson.dll"));
    const RunResult run = Run();
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("db/lesson.dll could not be opened"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("does not exist"), std::string::npos) << run.output;
    EXPECT_NE(Log().find("Connection String = Provider=Microsoft.Jet.OLEDB.4.0;"), std::string::npos)
        << Log();
    EXPECT_EQ(ScratchFolders(), std::vector<std::string>{});
}

TEST_F(Startup, DamagedWordDatabaseIsReported) {
    ASSERT_TRUE(WriteTextFile(m_folder / "db/word.dll", std::string(4096, 'x')));
    const RunResult run = Run();
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("db/word.dll could not be opened"), std::string::npos) << run.output;
}

TEST_F(Startup, SecondInstanceEndsAtOnceAndLeavesTheScratchFolderAlone) {
    // This test process plays the running instance: it holds the lock and owns a scratch folder.
    setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1);
    CInstanceLock running("tessalyne");
    ASSERT_TRUE(running.Acquire());
    ASSERT_TRUE(WriteTextFile(m_runtime / "tessalyne-Ab12Cd/title.mp3", "sound"));
    const RunResult run = Run();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(FileExists(m_runtime / "tessalyne-Ab12Cd/title.mp3"));
    EXPECT_EQ(ScratchFolders().size(), 1u);
    EXPECT_EQ(Log().find("InitInstance"), std::string::npos);
}

} // namespace
