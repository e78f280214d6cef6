#include "app/CInstanceLock.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CInstanceLock::CInstanceLock(const std::string& application) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/' && access(runtime, W_OK) == 0)
        m_path = std::string(runtime) + "/" + application + ".lock";
    else
        m_path = "/tmp/" + application + "-" + std::to_string(getuid()) + ".lock";
}

CInstanceLock::~CInstanceLock() {
    if (m_fd >= 0)
        close(m_fd);
}

bool CInstanceLock::Acquire() {
    if (m_fd >= 0)
        return true;
    const int fd = open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no place for a lock: better to run than to refuse every start
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
