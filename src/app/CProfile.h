#pragma once

#include "app/CIniFile.h"

#include <string>

// The per-user remembered values ("Lastuser", the last lesson per user id), kept in
// $XDG_CONFIG_HOME/Tessalyne/<application>.ini (default ~/.config/Tessalyne/...).
class CProfile {
public:
    // `company` names the folder under the configuration folder, `application` the file.
    void SetRegistryKey(const std::string& company, const std::string& application);
    const std::string& GetPath() const { return m_ini.GetPath(); }

    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = {}) const;
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value);

private:
    bool EnsureFolder();
    CIniFile m_ini;
};

extern CProfile g_profile;
