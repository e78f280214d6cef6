#pragma once

#include <string>

// Admits one running instance per user and application: an exclusive lock on
// $XDG_RUNTIME_DIR/<application>.lock (or /tmp/<application>-<uid>.lock). The kernel drops the
// lock when the process ends, however it ends.
class CInstanceLock {
public:
    explicit CInstanceLock(const std::string& application);
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // True when this process now holds the lock; false when another instance holds it.
    bool Acquire();
    bool IsHeld() const { return m_fd >= 0; }
    const std::string& GetPath() const { return m_path; }

private:
    std::string m_path;
    int m_fd = -1;
};
