#pragma once

#include "app/IniDocument.h"

#include <string>
#include <utility>
#include <vector>

// Reads and writes one ini file. Nothing is cached: every call reads the file again, so edits
// made by another program or another object are seen at once. A missing file reads as empty;
// a write creates it.
class CIniFile {
public:
    CIniFile() = default;
    explicit CIniFile(std::string path) : m_path(std::move(path)) {}

    void SetPath(const std::string& path) { m_path = path; }
    const std::string& GetPath() const { return m_path; }

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue = {}) const;
    int GetInt(const std::string& section, const std::string& key, int defaultValue, int base = 10) const;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInt(const std::string& section, const std::string& key, int value, int base = 10);
    bool WriteBool(const std::string& section, const std::string& key, bool flag);
    // Sets every key of `values` in the section and writes the file once, so that a crash leaves
    // either all of the new values or none of them.
    bool WriteValues(const std::string& section,
                     const std::vector<std::pair<std::string, std::string>>& values);
    std::vector<std::string> GetSectionNames() const;
    // The whole file as it is now, read once, for a reader of many keys.
    IniDocument Read() const;

    // Why the last write failed (which step, which file, the system's reason).
    const std::string& LastError() const { return m_lastError; }

private:
    std::string m_path;
    std::string m_lastError;
};
