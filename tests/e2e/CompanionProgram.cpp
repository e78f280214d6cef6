#include "CompanionProgram.h"

#include "app/FileUtils.h"

#include <QThread>
#include <filesystem>

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr int kPollMs = 100;

bool Poll(int milliseconds, const std::function<bool()>& done) {
    for (int waited = 0; waited <= milliseconds; waited += kPollMs) {
        if (done())
            return true;
        QThread::msleep(kPollMs);
    }
    return false;
}

} // namespace

CompanionProgram::CompanionProgram(std::string executable, std::string probeFolder, std::string logFolder)
    : ProgramProbe(std::move(probeFolder)), m_executable(std::move(executable)),
      m_logFolder(std::move(logFolder)) {}

bool CompanionProgram::IsRunning() {
    // The main program starts it detached, so it is no child of ours: look for it among all processes.
    std::error_code ec;
    const fs::path executable = fs::canonical(m_executable, ec);
    if (ec)
        return false;
    for (const auto& entry : fs::directory_iterator("/proc", ec)) {
        std::error_code linkError;
        const fs::path running = fs::read_symlink(entry.path() / "exe", linkError);
        if (!linkError && running == executable)
            return true;
    }
    return false;
}

bool CompanionProgram::WaitForStart(int milliseconds) {
    return Poll(milliseconds, [this] { return IsRunning(); });
}

bool CompanionProgram::WaitForEnd(int milliseconds) {
    return Poll(milliseconds, [this] { return !IsRunning(); });
}

std::string CompanionProgram::Output() {
    const fs::path executable(m_executable);
    return ReadWholeFile((fs::path(m_logFolder) / executable.filename()).string() + ".log").value_or("");
}

std::vector<std::string> CompanionProgram::LoggedValues(const std::string& marker) {
    const std::string log = Output();
    std::vector<std::string> values;
    for (size_t at = log.find(marker); at != std::string::npos; at = log.find(marker, at + 1)) {
        const size_t start = at + marker.size();
        values.push_back(log.substr(start, log.find_first_of(" ,\r\n", start) - start));
    }
    return values;
}

std::vector<std::string> CompanionProgram::AwaitLoggedValues(const std::string& marker, size_t count,
                                                             int milliseconds) {
    std::vector<std::string> values;
    Poll(milliseconds, [&] {
        values = LoggedValues(marker);
        return values.size() >= count;
    });
    return values;
}

std::string CompanionProgram::LanguageSuffix() {
    const std::vector<std::string> suffixes = LoggedValues("suffix ");
    return suffixes.empty() ? std::string() : suffixes.back();
}

} // namespace e2e
