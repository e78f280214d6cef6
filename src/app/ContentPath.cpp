#include "app/ContentPath.h"

#include "app/FileUtils.h"
#include "app/TextEncoding.h"

#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Exists(const std::string& p) {
    struct stat st;
    return lstat(p.c_str(), &st) == 0;
}

// The name of an entry of `folder` equal to `name` without regard to case, or empty.
std::string FindNoCase(const std::string& folder, const std::string& name) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return {};
    std::string match;
    while (const dirent* e = readdir(dir)) {
        if (text::EqualsNoCase(e->d_name, name)) {
            match = e->d_name;
            break;
        }
    }
    closedir(dir);
    return match;
}

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<size_t>(n));
}

} // namespace

std::string ResolveContentPath(std::string_view path) {
    std::string wanted = ToSlashes(path);
    if (wanted.empty() || Exists(wanted))
        return wanted;
    std::string resolved = wanted.front() == '/' ? "/" : "";
    size_t pos = wanted.front() == '/' ? 1 : 0;
    bool matching = true;
    while (pos <= wanted.size()) {
        size_t end = wanted.find('/', pos);
        if (end == std::string::npos)
            end = wanted.size();
        std::string component = wanted.substr(pos, end - pos);
        if (!component.empty()) {
            const std::string base = resolved;
            const std::string candidate = base + component;
            if (matching && !Exists(candidate)) {
                const std::string found =
                    component == "." || component == ".." ? "" : FindNoCase(base, component);
                if (found.empty())
                    matching = false;
                else
                    component = found;
            }
            resolved = base + component;
            if (end < wanted.size())
                resolved += '/';
        } else if (end < wanted.size() && !resolved.empty() && resolved.back() != '/') {
            resolved += '/';
        }
        pos = end + 1;
    }
    return resolved;
}

namespace {
std::string g_programFolderOverride;
}

void OverrideProgramFolder(const std::string& folder) {
    g_programFolderOverride = folder;
}

std::string GetProgramFolder() {
    if (!g_programFolderOverride.empty())
        return g_programFolderOverride;
    const std::string exe = ExecutablePath();
    const size_t slash = exe.rfind('/');
    return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
}

std::string GetExecutableBaseName() {
    const std::string exe = ExecutablePath();
    std::string name = exe.substr(exe.rfind('/') + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

std::string LanguagePicturePath(const std::string& path, const std::string& languageSuffix) {
    const size_t dot = path.find_last_of('.');
    const size_t folder = path.find_last_of("\\/");
    if (languageSuffix.empty() || dot == std::string::npos || (folder != std::string::npos && dot < folder))
        return path;
    const std::string own = path.substr(0, dot) + "_" + languageSuffix + path.substr(dot);
    return FileExists(ResolveContentPath(own)) ? own : path;
}
