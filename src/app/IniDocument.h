#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of one ini file with the rules of Windows profile files: sections and keys compare
// without regard to ASCII case, the first match of a key wins (a section name that appears twice,
// such as "Lesson" and "lesson", reads as one section), lines starting with ';'
// are comments, values are trimmed and lose one pair of enclosing quotes. Edits keep every other
// line of the file as it was.
class IniDocument {
public:
    // Accepts any bytes: UTF-8 (with or without BOM), otherwise decoded as GB18030.
    static IniDocument Parse(std::string_view bytes);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // The value read as a whole number in `base` (leading digits only, as the Windows reader does);
    // the default when the key is missing or empty.
    int IntValue(std::string_view section, std::string_view key, int defaultValue, int base = 10) const;
    std::vector<std::string> SectionNames() const;

    // Sets a value, adding the key or the section when missing. Refuses (false) a section or
    // key that could not be read back, such as one holding '=', ']' or a line break; line
    // breaks inside a value become blanks so that a value never spills into other keys.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        Kind kind = Kind::Other;
        std::string raw;  // the line as stored, without its line break
        std::string name; // section name or key, trimmed
        std::string value;
    };
    static Line ParseLine(std::string raw);
    // Index of the first section header with this name, or npos.
    size_t FindSection(std::string_view section) const;
    // Index of the first entry of the key in any section of this name, or npos.
    size_t FindEntry(std::string_view section, std::string_view key) const;

    std::vector<Line> m_lines;
    std::string m_newline = "\n";
    bool m_endsWithNewline = true;
};
