#include "app/FileUtils.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <glob.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

std::string ToSlashes(std::string_view path) {
    std::string out(path);
    for (char& c : out)
        if (c == '\\')
            c = '/';
    return out;
}

static std::string WithoutTrailingSeparators(std::string_view path) {
    std::string p = ToSlashes(path);
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

bool FileExists(const std::string& path) {
    const std::string p = WithoutTrailingSeparators(path);
    if (p.empty())
        return false;
    if (p.find_first_of("*?") == std::string::npos) {
        struct stat st;
        return lstat(p.c_str(), &st) == 0;
    }
    glob_t found{};
    const int rc = glob(p.c_str(), GLOB_NOSORT, nullptr, &found);
    const bool any = rc == 0 && found.gl_pathc > 0;
    globfree(&found);
    return any;
}

static bool IsDirectory(const std::string& p) {
    struct stat st;
    return stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectoryPath(const std::string& path) {
    const std::string p = WithoutTrailingSeparators(path);
    if (p.empty())
        return false;
    if (IsDirectory(p))
        return true;
    for (size_t pos = p.find('/', 1);; pos = p.find('/', pos + 1)) {
        const std::string prefix = pos == std::string::npos ? p : p.substr(0, pos);
        if (!IsDirectory(prefix) && mkdir(prefix.c_str(), 0777) != 0 && !IsDirectory(prefix))
            return false;
        if (pos == std::string::npos)
            return true;
    }
}

static bool RemoveTree(const std::string& p) {
    struct stat st;
    if (lstat(p.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return unlink(p.c_str()) == 0;
    // A read-only folder would keep its entries: make it writable before emptying it.
    if ((st.st_mode & S_IRWXU) != S_IRWXU)
        chmod(p.c_str(), st.st_mode | S_IRWXU);
    bool ok = true;
    if (DIR* dir = opendir(p.c_str())) {
        std::vector<std::string> entries;
        while (const dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..")
                entries.push_back(p + "/" + name);
        }
        closedir(dir);
        for (const std::string& entry : entries)
            ok = RemoveTree(entry) && ok;
    } else {
        ok = false;
    }
    return rmdir(p.c_str()) == 0 && ok;
}

bool DeleteDirectoryTree(const std::string& path) {
    const std::string p = WithoutTrailingSeparators(path);
    if (p.empty() || p == "/")
        return false;
    return RemoveTree(p);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FILE* f = std::fopen(ToSlashes(path).c_str(), "rb");
    if (!f)
        return std::nullopt;
    // Read straight into a buffer of the file's size: growing it by copies cost a large picture
    // more than decoding it. A file that grows meanwhile is still read to its end.
    std::string data;
    struct stat status {};
    if (fstat(fileno(f), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        data.resize(static_cast<size_t>(status.st_size));
        data.resize(std::fread(data.data(), 1, data.size(), f));
    }
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        data.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return data;
}

namespace {

constexpr std::string_view kTempMarker = ".tmp";

// Stores why a file step failed, with the system's reason.
bool Failed(std::string* error, const std::string& step, const std::string& path) {
    if (error)
        *error = step + " " + path + ": " + std::strerror(errno);
    return false;
}

// Flushes a folder's entries, so that a rename inside it survives a power cut.
void SyncFolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

namespace {

enum class Durability { Flushed, Unflushed };

bool ReplaceFile(const std::string& path, std::string_view contents, std::string* error,
                 Durability durability) {
    const std::string target = ToSlashes(path);
    const std::string temp = target + std::string(kTempMarker) + std::to_string(getpid());
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return Failed(error, "Cannot create", temp);
    size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = write(fd, contents.data() + written, contents.size() - written);
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            Failed(error, "Cannot write", temp);
            close(fd);
            unlink(temp.c_str());
            return false;
        }
        written += static_cast<size_t>(n);
    }
    struct stat st;
    if (stat(target.c_str(), &st) == 0)
        fchmod(fd, st.st_mode & 07777);
    if (durability == Durability::Flushed && fsync(fd) != 0) {
        Failed(error, "Cannot write", temp);
        close(fd);
        unlink(temp.c_str());
        return false;
    }
    if (close(fd) != 0 || rename(temp.c_str(), target.c_str()) != 0) {
        Failed(error, "Cannot replace", target);
        unlink(temp.c_str());
        return false;
    }
    if (durability == Durability::Flushed)
        SyncFolderOf(target);
    return true;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error) {
    return ReplaceFile(path, contents, error, Durability::Flushed);
}

bool WriteScratchFile(const std::string& path, std::string_view contents, std::string* error) {
    return ReplaceFile(path, contents, error, Durability::Unflushed);
}

int RemoveLeftoverTemporaryFiles(const std::string& folder) {
    const std::string dirPath = WithoutTrailingSeparators(folder);
    DIR* dir = opendir(dirPath.c_str());
    if (!dir)
        return 0;
    std::vector<std::string> stale;
    while (const dirent* e = readdir(dir)) {
        const std::string_view name = e->d_name;
        const size_t marker = name.rfind(kTempMarker);
        if (marker == std::string_view::npos || marker == 0)
            continue;
        const std::string_view digits = name.substr(marker + kTempMarker.size());
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        // A writer that still runs may be about to rename its file into place.
        const pid_t writer = static_cast<pid_t>(std::stol(std::string(digits)));
        if (writer > 0 && kill(writer, 0) != 0 && errno == ESRCH)
            stale.push_back(dirPath + "/" + std::string(name));
    }
    closedir(dir);
    int removed = 0;
    for (const std::string& file : stale)
        removed += unlink(file.c_str()) == 0 ? 1 : 0;
    return removed;
}

std::string MakeTimeId() {
    static std::mutex counterLock;
    static int counter = 0;
    int value;
    {
        std::lock_guard<std::mutex> guard(counterLock);
        value = counter;
        if (++counter > 999998)
            counter = 0;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char id[40];
    std::snprintf(id, sizeof id, "%4d%02d%02d%d%02d%02d%06d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, value);
    return id;
}
