#include "ProgramSession.h"

#include "app/FileUtils.h"
#include "fixtures/FixtureAlsa.h"
#include "fixtures/TempFolder.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <QThread>
#include <sys/stat.h>

namespace e2e {
namespace {

constexpr int kPollMs = 100;

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

std::vector<QPoint> ParsePoints(const std::string& text) {
    std::vector<QPoint> points;
    for (const QString& pair : QString::fromStdString(text).split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(',');
        if (xy.size() == 2)
            points.emplace_back(xy[0].toInt(), xy[1].toInt());
    }
    return points;
}

Widgets ParseWidgets(const std::string& text) {
    Widgets widgets;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::vector<std::string> f = SplitTabs(text.substr(start, end - start));
        start = end + 1;
        if (f.size() == 2 && f[0] == "stroke" && !widgets.empty())
            widgets.back().strokes.push_back(ParsePoints(f[1]));
        else if (f.size() == 6 && f[0] == "action" && !widgets.empty())
            widgets.back().actions.emplace_back(
                f[1], QRect(std::stoi(f[2]), std::stoi(f[3]), std::stoi(f[4]), std::stoi(f[5])));
        else if (f.size() == 8)
            widgets.push_back({f[0],
                               f[1],
                               QRect(std::stoi(f[2]), std::stoi(f[3]), std::stoi(f[4]), std::stoi(f[5])),
                               f[6],
                               f[7],
                               {},
                               {}});
    }
    return widgets;
}

} // namespace

Widgets Find(const Widgets& all, const std::string& type, const std::string& name,
             const std::string& window) {
    Widgets found;
    for (const Widget& w : all)
        if (w.type == type && (name.empty() || w.name == name) && (window.empty() || w.window == window))
            found.push_back(w);
    return found;
}

ProgramSession::ProgramSession(Folders folders, std::string display)
    : m_folders(std::move(folders)), m_display(std::move(display)) {}

ProgramSession::~ProgramSession() {
    if (IsRunning()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool ProgramSession::Start() {
    MakeDirectoryPath(m_folders.probe);
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

Widgets ProgramSession::Describe() {
    const std::string request = m_folders.probe + "/request";
    const std::string answer = m_folders.probe + "/widgets.txt";
    std::remove(answer.c_str());
    WriteTextFile(request, "");
    for (int waited = 0; waited < 10000 && FileExists(request) && IsRunning(); waited += 20)
        QThread::msleep(20);
    return ParseWidgets(ReadWholeFile(answer).value_or(""));
}

std::optional<Widgets> ProgramSession::WaitFor(const std::function<bool(const Widgets&)>& ready,
                                               int milliseconds) {
    for (int waited = 0; waited <= milliseconds && IsRunning(); waited += kPollMs) {
        Widgets widgets = Describe();
        if (ready(widgets))
            return widgets;
        QThread::msleep(kPollMs);
    }
    return std::nullopt;
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
    return ReadWholeFile(m_folders.program + "/Log/tessalyne.log").value_or("");
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
