#include "app/CScratchFolder.h"

#include "app/FileUtils.h"
#include "app/UserFolders.h"

CScratchFolder::CScratchFolder(const std::string& application) {
    m_path = MakeScratchFolder(application, m_error);
}

CScratchFolder::~CScratchFolder() {
    if (IsValid())
        DeleteDirectoryTree(m_path);
}

std::string CScratchFolder::Path() const {
    return IsValid() ? m_path : "/dev/null/templesson";
}
