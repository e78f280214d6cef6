#pragma once

#include <string>
#include <vector>

// One interface language as listed by a section of LangType.ini.
struct LanguageRecord {
    std::string LangID;
    std::string ShortString; // the language suffix of table and file names
    std::string LangString;  // display name
    std::string Desc;
};

// Which key of a LangType.ini section a search or list uses.
enum LanguageKey { kLangId = 0, kShortString = 1, kLangString = 2, kDesc = 3 };

// Searches the sections of the ini file in order for the first whose chosen key equals `value`
// without regard to case, and fills `record` from it. False (record untouched) when the file is
// missing or nothing matches.
bool FindLanguage(const std::string& iniPath, const std::string& value, LanguageRecord& record, int keyMode);

// The chosen key of every section in file order, empty values skipped.
std::vector<std::string> LanguageList(const std::string& iniPath, int keyMode);

// The suffix rule: the record's ShortString, or "En" (display name "English") when it is shorter
// than two characters, which is also the case when no language was found.
void ApplyShortStringRule(LanguageRecord& record);
