#include "app/IniDocument.h"

#include "app/TextEncoding.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::string StripQuotes(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool IsUsableName(std::string_view name) {
    return !text::Trim(name).empty() && name.find_first_of("=[]\r\n") == std::string_view::npos;
}

} // namespace

IniDocument::Line IniDocument::ParseLine(std::string raw) {
    Line line;
    line.raw = std::move(raw);
    const std::string trimmed = text::Trim(line.raw);
    if (trimmed.empty() || trimmed.front() == ';')
        return line;
    if (trimmed.front() == '[') {
        const size_t close = trimmed.find(']');
        if (close != std::string::npos) {
            line.kind = Kind::Section;
            line.name = text::Trim(std::string_view(trimmed).substr(1, close - 1));
        }
        return line;
    }
    const size_t eq = trimmed.find('=');
    if (eq == std::string::npos)
        return line;
    line.kind = Kind::Entry;
    line.name = text::Trim(std::string_view(trimmed).substr(0, eq));
    line.value = StripQuotes(text::Trim(std::string_view(trimmed).substr(eq + 1)));
    return line;
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    const std::string decoded = text::DecodeExternalText(bytes);
    std::string_view rest(decoded);
    bool newlineSeen = false;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view raw = rest.substr(0, end);
        if (end != std::string_view::npos && !newlineSeen) {
            doc.m_newline = (!raw.empty() && raw.back() == '\r') ? "\r\n" : "\n";
            newlineSeen = true;
        }
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        doc.m_lines.push_back(ParseLine(std::string(raw)));
        if (end == std::string_view::npos) {
            doc.m_endsWithNewline = false;
            break;
        }
        rest.remove_prefix(end + 1);
    }
    return doc;
}

size_t IniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Section && text::EqualsNoCase(m_lines[i].name, section))
            return i;
    return std::string::npos;
}

int IniDocument::IntValue(std::string_view section, std::string_view key, int defaultValue, int base) const {
    std::string value = Value(section, key).value_or(std::string());
    if (value.empty())
        return defaultValue;
    value.resize(std::min<size_t>(value.size(), 63));
    return static_cast<int>(std::strtol(value.c_str(), nullptr, base));
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    const size_t index = FindEntry(section, key);
    if (index == std::string::npos)
        return std::nullopt;
    return m_lines[index].value;
}

size_t IniDocument::FindEntry(std::string_view section, std::string_view key) const {
    const std::string wantedSection = text::Trim(section);
    const std::string wantedKey = text::Trim(key);
    bool inSection = false;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Section)
            inSection = text::EqualsNoCase(line.name, wantedSection);
        else if (inSection && line.kind == Kind::Entry && text::EqualsNoCase(line.name, wantedKey))
            return i;
    }
    return std::string::npos;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : m_lines)
        if (line.kind == Kind::Section)
            names.push_back(line.name);
    return names;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsUsableName(section) || !IsUsableName(key))
        return false;
    const std::string sectionName = text::Trim(section);
    const std::string keyName = text::Trim(key);
    std::string flatValue(value);
    for (char& c : flatValue)
        if (c == '\r' || c == '\n')
            c = ' ';

    const size_t existing = FindEntry(sectionName, keyName);
    if (existing != std::string::npos) {
        m_lines[existing] = ParseLine(m_lines[existing].name + "=" + flatValue);
        return true;
    }
    const size_t start = FindSection(sectionName);
    if (start == std::string::npos) {
        if (!m_lines.empty() && !text::Trim(m_lines.back().raw).empty())
            m_lines.push_back(Line{});
        m_lines.push_back(ParseLine("[" + sectionName + "]"));
        m_lines.push_back(ParseLine(keyName + "=" + flatValue));
        m_endsWithNewline = true;
        return true;
    }
    size_t insertAt = start + 1;
    for (size_t i = start + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i) {
        if (!text::Trim(m_lines[i].raw).empty())
            insertAt = i + 1;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                   ParseLine(keyName + "=" + flatValue));
    if (insertAt == m_lines.size() - 1)
        m_endsWithNewline = true;
    return true;
}

std::string IniDocument::Serialize() const {
    std::string out;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        out += m_lines[i].raw;
        if (i + 1 < m_lines.size() || m_endsWithNewline)
            out += m_newline;
    }
    return out;
}
