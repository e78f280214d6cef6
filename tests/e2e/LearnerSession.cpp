#include "LearnerSession.h"

#include "app/FileUtils.h"
#include "data/CADORecordset.h"
#include "data/Queries.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <set>
#include <sys/stat.h>

using namespace e2e;

namespace {

namespace fs = std::filesystem;

// The executables of the build, by their names in the program folder.
const std::pair<const char*, const char*> kExecutables[] = {
    {"tessalyne", TESSALYNE_EXECUTABLE},
    {"exercise", EXERCISE_EXECUTABLE},
    {"spell", SPELL_EXECUTABLE},
    {"newword", NEWWORD_EXECUTABLE},
};

bool IsExecutableName(const std::string& name) {
    for (const auto& [executable, built] : kExecutables)
        if (name == executable)
            return true;
    return false;
}

// Copies the program folder of the build (skins, pictures, settings files, sounds, executables)
// and the course's databases into a fresh folder, as an installation would lay them out.
bool InstallProgram(const std::string& folder, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (const auto& entry : fs::directory_iterator(TESSALYNE_PROGRAM_DIR, ec)) {
        const std::string name = entry.path().filename().string();
        if (name == "db" || name == "Log" || name == "templesson" || IsExecutableName(name))
            continue;
        fs::copy(entry.path(), fs::path(folder) / name, fs::copy_options::recursive, ec);
        if (ec) {
            error = "cannot copy " + entry.path().string() + ": " + ec.message();
            return false;
        }
    }
    fs::create_directories(fs::path(folder) / "db");
    for (const char* file : {"lesson.dll", "word.dll"})
        fs::copy_file(fs::path(E2E_COURSE_DB_DIR) / file, fs::path(folder) / "db" / file, ec);
    for (const auto& [executable, built] : kExecutables)
        if (!ec)
            fs::copy_file(built, fs::path(folder) / executable, ec);
    if (ec)
        error = "cannot install the databases or the executables: " + ec.message();
    return !ec;
}

// Installs the build with `cmake --install` under the default prefix into `destdir`, puts the
// course's databases into the installed program folder `folder` (test builds have no content of
// their own) and makes the program folder read-only, as a package installs it.
bool InstallPackage(const std::string& destdir, const std::string& folder, std::string& error) {
    QProcess install;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DESTDIR", QString::fromStdString(destdir));
    install.setProcessEnvironment(env);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(CMAKE_COMMAND, {"--install", TESSALYNE_BINARY_DIR});
    if (!install.waitForFinished(120000) || install.exitStatus() != QProcess::NormalExit ||
        install.exitCode() != 0) {
        error = "cmake --install failed: " + install.readAll().toStdString();
        return false;
    }
    std::error_code ec;
    for (const char* file : {"lesson.dll", "word.dll"})
        fs::copy_file(fs::path(E2E_COURSE_DB_DIR) / file, fs::path(folder) / "db" / file,
                      fs::copy_options::overwrite_existing, ec);
    if (ec) {
        error = "cannot put the course into " + folder + ": " + ec.message();
        return false;
    }
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
        fs::permissions(entry.path(), write, fs::perm_options::remove, ec);
    fs::permissions(folder, write, fs::perm_options::remove, ec);
    if (ec)
        error = "cannot make " + folder + " read-only: " + ec.message();
    return !ec;
}

// The "microphone": eight seconds at 8 kHz, 16-bit mono: a short pause, then two seconds of a
// voiced sound with syllable-like swells, then silence.
std::string MicrophoneSamples() {
    std::string bytes;
    for (int i = 0; i < 8 * 8000; ++i) {
        const double t = i / 8000.0;
        const bool voiced = t > 0.3 && t < 2.3;
        const double swell = 0.5 + 0.5 * std::sin(2 * M_PI * 3 * t);
        const auto sample =
            static_cast<std::int16_t>(voiced ? 9000 * swell * std::sin(2 * M_PI * 180 * t) : 0);
        bytes.push_back(static_cast<char>(sample & 0xFF));
        bytes.push_back(static_cast<char>((sample >> 8) & 0xFF));
    }
    return bytes;
}

} // namespace

LearnerSession::LearnerSession(bool installed)
    : m_program(installed ? m_root / "dest/opt/tessalyne" : m_root / "program"), m_installed(installed) {}

void LearnerSession::SetUp() {
    ASSERT_TRUE(m_desktop.IsRunning()) << "Xvfb did not start";
    std::string error;
    ASSERT_TRUE(m_installed ? InstallPackage(m_root / "dest", Program(), error)
                            : InstallProgram(Program(), error))
        << error;
    for (const std::string& folder : {m_root / "home/.config", m_root / "runtime", m_root / "tmp"})
        ASSERT_TRUE(MakeDirectoryPath(folder));
    ASSERT_EQ(chmod((m_root / "runtime").c_str(), 0700), 0);
    ASSERT_TRUE(WriteTextFile(m_root / "microphone.raw", MicrophoneSamples()));
    fs::create_directories(E2E_SCREENSHOT_DIR);
}

void LearnerSession::TearDown() {
    std::error_code ec;
    for (const char* name :
         {"tessalyne.log", "tessalyne.log~", "exercise.log", "spell.log", "newword.log", "newword.log~"})
        fs::copy_file(LogFolder() + "/" + name, std::string(E2E_SCREENSHOT_DIR) + "/" + name,
                      fs::copy_options::overwrite_existing, ec);
}

std::unique_ptr<ProgramSession> LearnerSession::StartProgram(bool emptyAlsaConfig) {
    ProgramSession::Folders folders{
        Program(),        m_root / "home",       m_root / "runtime",        m_root / "tmp",
        m_root / "probe", m_root / "played.raw", m_root / "microphone.raw", m_root / "alsa.conf",
        emptyAlsaConfig};
    auto session = std::make_unique<ProgramSession>(folders, m_desktop.Display());
    EXPECT_TRUE(session->Start());
    return session;
}

void LearnerSession::Shoot(const std::string& name) {
    QThread::msleep(300); // lets the last paint reach the screen
    EXPECT_TRUE(m_desktop.Screenshot(std::string(E2E_SCREENSHOT_DIR) + "/" + name + ".png")) << name;
}

Widget LearnerSession::Await(ProgramProbe& program, const std::string& type, const std::string& name,
                             const std::string& window, int milliseconds) {
    const auto found = program.WaitFor(
        [&](const Widgets& all) { return !Find(all, type, name, window).empty(); }, milliseconds);
    if (!found) {
        std::set<std::string> seen;
        for (const Widget& w : program.Describe())
            seen.insert(w.type + " in " + w.window);
        ADD_FAILURE() << "no " << type << " " << name << " in " << window << "; the screen shows "
                      << testing::PrintToString(seen)
                      << (program.IsRunning() ? std::string() : "; the program ended:\n" + program.Output());
        return {};
    }
    return Find(*found, type, name, window).front();
}

void LearnerSession::ClickWidget(ProgramProbe& program, const std::string& type, const std::string& name,
                                 const std::string& window) {
    m_desktop.Click(Await(program, type, name, window).Centre());
}

void LearnerSession::LogInAsNewUser(ProgramSession& program, bool shoot) {
    Await(program, "CUser");
    if (shoot)
        Shoot("01_login");
    const Widget nameBox = Await(program, "QComboBox", "1035", "CUser");
    m_desktop.DoubleClick(nameBox.Centre());
    m_desktop.Key("ctrl+a");
    m_desktop.Type(kUser);
    ClickWidget(program, "QLineEdit", "1008", "CUser");
    m_desktop.Type(kPassword);
    ClickWidget(program, "BitmapButton", "1", "CUser");
    Await(program, "CTipDlg");
    if (shoot)
        Shoot("02_new_user_question");
    ClickWidget(program, "BitmapButton", "1", "CTipDlg"); // yes
    ASSERT_TRUE(program.WaitFor([](const Widgets& all) {
        return Find(all, "CUser").empty() && Find(all, "CTipDlg").empty() &&
               !Find(all, "CLessonCatalogDlg").empty();
    }));
}

Widget LearnerSession::OpenFirstLesson(ProgramSession& program) {
    Widgets lessonButtons;
    for (const Widget& b : Find(program.Describe(), "BitmapButton", "", "CLessonCatalogDlg"))
        if (b.rect.size() == QSize(80, 80))
            lessonButtons.push_back(b);
    if (lessonButtons.empty()) {
        ADD_FAILURE() << "no lesson buttons";
        return {};
    }
    const auto first = std::min_element(lessonButtons.begin(), lessonButtons.end(), [](auto& a, auto& b) {
        return std::pair(a.rect.y(), a.rect.x()) < std::pair(b.rect.y(), b.rect.x());
    });
    m_desktop.Click(first->Centre());
    const Widget panel = Await(program, "CSentencePanel", "", "CLessonWindow");
    EXPECT_TRUE(program.WaitForFile(ScratchFolder() + "/lessontitle.mp3")) << "no spoken title";
    return panel;
}

void LearnerSession::OpenLessonOne(ProgramSession& program) {
    ClickWidget(program, "BitmapButton", kLessonOneButton, "CLessonCatalogDlg");
    Await(program, "CSentencePanel", "", "CLessonWindow");
}

void LearnerSession::StartFromLessonOne(ProgramSession& program, CompanionProgram& companion,
                                        const std::string& button, const std::string& window) {
    OpenLessonOne(program);
    ClickWidget(program, "BitmapButton", button, "CLessonWindow");
    ASSERT_TRUE(companion.WaitForStart(20000)) << "the " << window << " program did not start";
    Await(companion, window);
}

void LearnerSession::CloseLesson(ProgramSession& program) {
    ClickWidget(program, "BitmapButton", kCloseLessonButton, "CLessonWindow");
    ASSERT_TRUE(program.WaitFor([](const Widgets& all) {
        return Find(all, "CLessonWindow").empty() && !Find(all, "CLessonCatalogDlg").empty();
    })) << "the lesson window did not close";
}

void LearnerSession::CloseCompanion(CompanionProgram& companion, const std::string& window) {
    ClickWidget(companion, "BitmapButton", "2", window);
    EXPECT_TRUE(companion.WaitForEnd(20000)) << "the " << window << " program did not end";
}

std::string LearnerSession::StoredUserId() {
    return CourseText(SqlQuery::Format(sql::kUserByName, {kUser}), "id");
}

void LearnerSession::PickSentenceMenuItem(ProgramSession& program, const std::string& item) {
    Widgets icons = Find(program.Describe(), "CStaticPicture", "", "CLessonWindow");
    ASSERT_FALSE(icons.empty()) << "no sentence icons";
    const auto top = std::min_element(icons.begin(), icons.end(),
                                      [](auto& a, auto& b) { return a.rect.y() < b.rect.y(); });
    m_desktop.Click(top->Centre());
    const Widget menu = Await(program, "QMenu");
    for (const auto& [text, rect] : menu.actions)
        if (text == item)
            return m_desktop.Click(rect.center());
    ADD_FAILURE() << "the sentence menu has no item " << item;
}

void LearnerSession::OpenSettings(ProgramSession& program) {
    for (const Widget& b : Find(program.Describe(), "BitmapButton", "4", "CLessonCatalogDlg"))
        m_desktop.Click(b.Centre());
    Await(program, "CSystemSettingDlg");
}

void LearnerSession::Exit(ProgramSession& program) {
    for (const Widget& b : Find(program.Describe(), "BitmapButton", "2", "CLessonCatalogDlg"))
        if (b.text == "Exit")
            m_desktop.Click(b.Centre());
    const auto status = program.WaitForExit(30000);
    ASSERT_TRUE(status.has_value()) << "the program did not end";
    EXPECT_EQ(*status, 0) << program.Output();
}

void LearnerSession::ExpectPlayed(ProgramSession& program, size_t soundBytes) {
    long long played = -1;
    for (int waited = 0; waited < 20000 && played != program.PlayedBytes(); waited += 500) {
        played = program.PlayedBytes();
        QThread::msleep(500);
    }
    EXPECT_NEAR(played / static_cast<double>(soundBytes), 1.0, 0.15)
        << "played " << played << " bytes of a sound of " << soundBytes << " bytes";
}

std::string LearnerSession::ScratchFolder() const {
    for (const std::string& folder : ScratchFolders())
        if (fs::path(folder).filename().string().rfind("tessalyne-", 0) == 0)
            return folder;
    return {};
}

std::vector<std::string> LearnerSession::ScratchFolders() const {
    std::vector<std::string> folders;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(m_root / "runtime", ec))
        if (entry.is_directory())
            folders.push_back(entry.path().string());
    return folders;
}

CADODatabase* LearnerSession::CourseDb() {
    if (!m_courseDb.IsOpen())
        EXPECT_TRUE(
            m_courseDb.OpenWithLearnerFile("Data Source=" + Program() + "/db/lesson.dll", LearnerFile()))
            << m_courseDb.GetLastErrorString();
    return &m_courseDb;
}

std::string LearnerSession::CourseText(const SqlQuery& query, const char* column) {
    CADORecordset rs;
    std::string value;
    if (rs.Open(CourseDb(), query) && !rs.IsEOF())
        rs.GetFieldValue(column, value);
    return value;
}
