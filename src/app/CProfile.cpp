#include "app/CProfile.h"

#include "app/FileUtils.h"
#include "app/UserFolders.h"

CProfile g_profile;

void CProfile::SetRegistryKey(const std::string& company, const std::string& application) {
    m_ini.SetPath(ConfigHome() + company + "/" + application + ".ini");
}

bool CProfile::EnsureFolder() {
    const std::string& path = m_ini.GetPath();
    return !path.empty() && MakeDirectoryPath(path.substr(0, path.rfind('/')));
}

std::string CProfile::GetProfileString(const std::string& section, const std::string& entry,
                                       const std::string& defaultValue) const {
    return m_ini.GetPath().empty() ? defaultValue : m_ini.GetString(section, entry, defaultValue);
}

int CProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const {
    return m_ini.GetPath().empty() ? defaultValue : m_ini.GetInt(section, entry, defaultValue);
}

bool CProfile::WriteProfileString(const std::string& section, const std::string& entry,
                                  const std::string& value) {
    return EnsureFolder() && m_ini.WriteString(section, entry, value);
}

bool CProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
    return EnsureFolder() && m_ini.WriteInt(section, entry, value);
}
