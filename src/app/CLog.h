#pragma once

#include <chrono>
#include <mutex>
#include <string>

// The trace log: one line per event, "<seconds>.<ms> MM/DD/YYYY hh:mm:ss  <message>", appended to
// <program folder>/Log/<executable>.log, or where SetPath says (the programs log into the user's
// state folder, LogToUserStateFolder). The first process to log rotates the file into "~" and
// "~~"; others started meanwhile append to the same file. While the file <executable>_SC exists
// beside the program every line is echoed to standard output. Every failure is silent.
class CLog {
public:
    CLog();
    CLog(std::string logPath, std::string consoleMarkerPath);
    ~CLog();
    CLog(const CLog&) = delete;
    CLog& operator=(const CLog&) = delete;

    void Write(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Appends "GetLastError(): <text>" for the calling thread's errno.
    void WriteLastError();
    // Chooses the file opened by the first write; a path of 3 characters or fewer is refused.
    bool SetPath(const std::string& path);
    std::string GetPath() const;

private:
    void OpenLocked();
    void UpdateConsoleLocked();
    void WriteLineLocked(const std::string& line);

    mutable std::mutex m_lock;
    std::string m_logPath;
    std::string m_consoleMarkerPath;
    bool m_opened = false;
    bool m_consoleOn = false;
    int m_fd = -1;
    int m_rotationLockFd = -1;
    std::chrono::steady_clock::time_point m_tickBase;
};

extern CLog g_log;
