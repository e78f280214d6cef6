#include "app/UserFolders.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const kFolderName = "Tessalyne/";

// An XDG base folder: the variable when it holds an absolute path (freedesktop.org's base directory
// rules), else the default under the home folder.
std::string BaseFolder(const char* variable, const char* defaultUnderHome) {
    const char* value = std::getenv(variable);
    if (value && *value == '/')
        return std::string(value) + "/";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/" + defaultUnderHome + "/";
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('/'));
}

bool UsableParent(const char* path) {
    return path && *path == '/' && access(path, W_OK | X_OK) == 0;
}

// Where scratch folders are made, in the order tried.
std::vector<std::string> ScratchParents() {
    std::vector<std::string> parents;
    for (const char* parent : {std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR")})
        if (UsableParent(parent))
            parents.emplace_back(parent);
    parents.emplace_back("/tmp");
    return parents;
}

} // namespace

std::string UserDataFolder() {
    return BaseFolder("XDG_DATA_HOME", ".local/share") + kFolderName;
}

std::string ConfigHome() {
    return BaseFolder("XDG_CONFIG_HOME", ".config");
}

std::string UserConfigFolder() {
    return ConfigHome() + kFolderName;
}

std::string UserStateFolder() {
    return BaseFolder("XDG_STATE_HOME", ".local/state") + kFolderName;
}

std::string LearnerDatabasePath() {
    return UserDataFolder() + "learners.db";
}

std::string UserSettingsPath(const std::string& relative) {
    return UserConfigFolder() + ToSlashes(relative);
}

std::string SettingsPathToRead(const std::string& relative) {
    const std::string own = UserSettingsPath(relative);
    return FileExists(own) ? own : GetProgramFolder() + relative;
}

bool MakeUserSettingsFolder(const std::string& relative) {
    return MakeDirectoryPath(FolderOf(UserSettingsPath(relative)));
}

void LogToUserStateFolder() {
    const std::string folder = UserStateFolder() + "Log";
    MakeDirectoryPath(folder);
    g_log.SetPath(folder + "/" + GetExecutableBaseName() + ".log");
}

std::string MakeScratchFolder(const std::string& application, std::string& error) {
    error.clear();
    for (const std::string& parent : ScratchParents()) {
        const std::string pattern = parent + "/" + application + "-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (mkdtemp(buffer.data()))
            return buffer.data();
        error += (error.empty() ? "" : "; ") + parent + ": " + std::strerror(errno);
    }
    error =
        "no scratch folder could be made (" + (error.empty() ? std::string("no usable folder") : error) + ")";
    return {};
}

int RemoveLeftoverScratchFolders(const std::string& application) {
    // Only where this instance makes its own: the instance lock covers the same place.
    const std::string parent = ScratchParents().front();
    DIR* dir = opendir(parent.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    const std::string prefix = application + "-";
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        const std::string path = parent + "/" + name;
        struct stat info {};
        // mkdtemp's names: the prefix and six characters; only this user's folders.
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
            lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
            DeleteDirectoryTree(path))
            ++removed;
    }
    closedir(dir);
    return removed;
}
