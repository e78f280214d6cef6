#include "ProgramSession.h"

#include "app/FileUtils.h"
#include "fixtures/FixtureAlsa.h"
#include "fixtures/TempFolder.h"

#include <QProcessEnvironment>
#include <QThread>
#include <sys/stat.h>

namespace e2e {
namespace {

constexpr int kPollMs = 100;

} // namespace

ProgramSession::ProgramSession(Folders folders, std::string display)
    : ProgramProbe(folders.probe), m_folders(std::move(folders)), m_display(std::move(display)) {}

ProgramSession::~ProgramSession() {
    if (IsRunning()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool ProgramSession::Start() {
    if (!WriteTextFile(m_folders.alsaConfig,
                       m_folders.emptyAlsaConfig
                           ? std::string()
                           : fixtures::AlsaFileDeviceConfig(m_folders.played, m_folders.captured)))
        return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const auto set = [&](const char* name, const std::string& value) {
        env.insert(name, QString::fromStdString(value));
    };
    set("DISPLAY", m_display);
    set("QT_QPA_PLATFORM", "xcb");
    set("HOME", m_folders.home);
    set("XDG_CONFIG_HOME", m_folders.home + "/.config");
    set("XDG_DATA_HOME", m_folders.home + "/.local/share");
    set("XDG_STATE_HOME", m_folders.home + "/.local/state");
    set("XDG_RUNTIME_DIR", m_folders.runtime);
    set("TMPDIR", m_folders.temp);
    set("ALSA_CONFIG_PATH", m_folders.alsaConfig);
    set("JACK_NO_START_SERVER", "1");
    set("TESSALYNE_AUTOMATION_DIR", m_folders.probe);
    // Under AddressSanitizer: the X keyboard library copies atom names with strndup from buffers
    // that are not NUL-terminated (allowed: strndup stops after n bytes), which strict string
    // checks report as an overflow; every other check stays on.
    if (env.contains("ASAN_OPTIONS"))
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":strict_string_checks=0");
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setWorkingDirectory(QString::fromStdString(m_folders.home));
    m_process.start(QString::fromStdString(m_folders.program + "/tessalyne"), {});
    return m_process.waitForStarted(10000);
}

bool ProgramSession::IsRunning() {
    // The state follows the process only when QProcess looks; waiting for no time makes it look.
    return m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(0);
}

std::optional<int> ProgramSession::WaitForExit(int milliseconds) {
    if (!m_process.waitForFinished(milliseconds) && IsRunning())
        return std::nullopt;
    Output();
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

CompanionProgram ProgramSession::Companion(const std::string& executable) const {
    return CompanionProgram(m_folders.program + "/" + executable, m_folders.probe + "/" + executable,
                            m_folders.home + "/.local/state/Tessalyne/Log");
}

bool ProgramSession::WaitForFile(const std::string& path, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += kPollMs) {
        if (FileExists(path))
            return true;
        QThread::msleep(kPollMs);
    }
    return false;
}

std::string ProgramSession::Log() const {
    return ReadWholeFile(m_folders.home + "/.local/state/Tessalyne/Log/tessalyne.log").value_or("");
}

std::string ProgramSession::Output() {
    m_output += m_process.readAll().toStdString();
    return m_output;
}

long long ProgramSession::PlayedBytes() const {
    struct stat info {};
    return stat(m_folders.played.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : 0;
}

} // namespace e2e
