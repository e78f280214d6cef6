#include "app/UserFolders.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

const char* const kFolderName = "Tessalyne/";

// An XDG base folder: the variable when it holds an absolute path (the rule of the base directory
// specification), else the default under the home folder.
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
    const char* const parents[] = {std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"), "/tmp"};
    for (const char* parent : parents) {
        if (!UsableParent(parent))
            continue;
        const std::string pattern = std::string(parent) + "/" + application + "-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (mkdtemp(buffer.data()))
            return buffer.data();
        error += (error.empty() ? "" : "; ") + std::string(parent) + ": " + std::strerror(errno);
    }
    error =
        "no scratch folder could be made (" + (error.empty() ? std::string("no usable folder") : error) + ")";
    return {};
}
