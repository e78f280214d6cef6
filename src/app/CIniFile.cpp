#include "app/CIniFile.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/IniDocument.h"

#include <cstdlib>

namespace {

IniDocument ReadDocument(const std::string& path) {
    const auto bytes = ReadWholeFile(ResolveContentPath(path));
    return IniDocument::Parse(bytes ? *bytes : std::string());
}

std::string ToBase(int value, int base) {
    if (base == 10 || base < 2 || base > 36)
        return std::to_string(value);
    const char* digits = "0123456789abcdefghijklmnopqrstuvwxyz";
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    std::string out;
    do {
        out.insert(out.begin(), digits[magnitude % static_cast<unsigned>(base)]);
        magnitude /= static_cast<unsigned>(base);
    } while (magnitude != 0);
    return value < 0 ? "-" + out : out;
}

} // namespace

IniDocument CIniFile::Read() const {
    return ReadDocument(m_path);
}

std::string CIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return ReadDocument(m_path).Value(section, key).value_or(defaultValue);
}

int CIniFile::GetInt(const std::string& section, const std::string& key, int defaultValue, int base) const {
    return ReadDocument(m_path).IntValue(section, key, defaultValue, base);
}

bool CIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    return WriteValues(section, {{key, value}});
}

bool CIniFile::WriteValues(const std::string& section,
                           const std::vector<std::pair<std::string, std::string>>& values) {
    m_lastError.clear();
    const std::string path = ResolveContentPath(m_path);
    IniDocument doc = ReadDocument(path);
    for (const auto& [key, value] : values)
        if (!doc.Set(section, key, value)) {
            m_lastError = "The key \"" + key + "\" of section \"" + section + "\" cannot be stored.";
            return false;
        }
    return WriteFileAtomically(path, doc.Serialize(), &m_lastError);
}

bool CIniFile::WriteInt(const std::string& section, const std::string& key, int value, int base) {
    return WriteString(section, key, ToBase(value, base));
}

bool CIniFile::WriteBool(const std::string& section, const std::string& key, bool flag) {
    return WriteString(section, key, flag ? "1" : "0");
}

std::vector<std::string> CIniFile::GetSectionNames() const {
    return ReadDocument(m_path).SectionNames();
}
