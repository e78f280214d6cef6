#include "app/CLog.h"

#include "app/ContentPath.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

CLog g_log;

namespace {

bool MarkerExists(const std::string& path) {
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0;
}

// Cuts a formatted message to at most `limit` bytes without splitting a UTF-8 sequence.
void CutUtf8(std::string& s, size_t limit) {
    if (s.size() <= limit)
        return;
    size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80)
        --cut;
    s.resize(cut);
}

} // namespace

CLog::CLog()
    : CLog(GetProgramFolder() + "Log/" + GetExecutableBaseName() + ".log",
           GetProgramFolder() + GetExecutableBaseName() + "_SC") {}

CLog::CLog(std::string logPath, std::string consoleMarkerPath)
    : m_logPath(std::move(logPath)), m_consoleMarkerPath(std::move(consoleMarkerPath)) {
    m_consoleOn = MarkerExists(m_consoleMarkerPath);
}

CLog::~CLog() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_fd >= 0)
        close(m_fd);
    if (m_rotationLockFd >= 0)
        close(m_rotationLockFd);
    m_fd = m_rotationLockFd = -1;
}

bool CLog::SetPath(const std::string& path) {
    if (path.size() <= 3)
        return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_opened)
        m_logPath = path;
    return true;
}

std::string CLog::GetPath() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_logPath;
}

void CLog::OpenLocked() {
    m_opened = true;
    m_tickBase = std::chrono::steady_clock::now();
    // Whoever takes the rotation lock exclusively first rotates; it then keeps a shared hold so
    // that processes started meanwhile see a running logger and only append.
    m_rotationLockFd = open((m_logPath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_rotationLockFd >= 0) {
        if (flock(m_rotationLockFd, LOCK_EX | LOCK_NB) == 0) {
            rename((m_logPath + "~").c_str(), (m_logPath + "~~").c_str());
            rename(m_logPath.c_str(), (m_logPath + "~").c_str());
            const int fresh = open(m_logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fresh >= 0)
                close(fresh);
        }
        flock(m_rotationLockFd, LOCK_SH);
    }
    m_fd = open(m_logPath.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (m_consoleOn)
        m_consoleOn = false, UpdateConsoleLocked();
}

void CLog::UpdateConsoleLocked() {
    const bool markerPresent = MarkerExists(m_consoleMarkerPath);
    if (markerPresent && !m_consoleOn) {
        m_consoleOn = true;
        if (isatty(STDOUT_FILENO))
            std::printf("\033]0;LogFilePath - %s\007", m_logPath.c_str());
    } else if (!markerPresent && m_consoleOn) {
        m_consoleOn = false;
    }
}

void CLog::WriteLineLocked(const std::string& line) {
    if (m_fd >= 0) {
        size_t written = 0;
        while (written < line.size()) {
            const ssize_t n = write(m_fd, line.data() + written, line.size() - written);
            if (n <= 0)
                break;
            written += static_cast<size_t>(n);
        }
    }
    UpdateConsoleLocked();
    if (m_consoleOn) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fflush(stdout);
    }
}

void CLog::Write(const char* format, ...) {
    // Formatted into a roomier buffer, then cut to the log's 1024 bytes at a character boundary.
    char buffer[4096];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::string message = n < 0 ? std::string() : std::string(buffer);
    CutUtf8(message, 1024);

    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_opened)
        OpenLocked();
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_tickBase)
            .count();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char prefix[96];
    std::snprintf(prefix, sizeof prefix, "%d.%03d %02d/%02d/%02d %02d:%02d:%02d  ",
                  static_cast<int>(elapsed / 1000), static_cast<int>(elapsed % 1000), local.tm_mon + 1,
                  local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    WriteLineLocked(prefix + message + "\r\n");
}

void CLog::WriteLastError() {
    const int code = errno;
    if (code == 0)
        return;
    std::string textOfError = std::strerror(code);
    while (!textOfError.empty() && (textOfError.back() == '\r' || textOfError.back() == '\n'))
        textOfError.pop_back();
    if (!textOfError.empty())
        Write("GetLastError(): %s", textOfError.c_str());
}
