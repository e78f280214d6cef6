#pragma once

#include <string>
#include <string_view>

// Conversions between the program's narrow text (UTF-8) and its wide text (UTF-16).
namespace text {

bool IsValidUtf8(std::string_view bytes);

// Bytes from an outside file: returned as they are when they are UTF-8 (a leading BOM is
// dropped), otherwise read as GB18030, the encoding of older Chinese Windows files.
std::string DecodeExternalText(std::string_view bytes);

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// ASCII-only case folding, as used for ini keys, table names and path components.
std::string AsciiLower(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

std::string Trim(std::string_view s);

} // namespace text
