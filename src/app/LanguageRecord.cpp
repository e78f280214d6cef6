#include "app/LanguageRecord.h"

#include "app/CIniFile.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/TextEncoding.h"

namespace {

const char* KeyName(int keyMode) {
    switch (keyMode) {
    case kShortString:
        return "ShortString";
    case kLangString:
        return "LangString";
    case kDesc:
        return "Desc";
    default:
        return "LangID";
    }
}

} // namespace

bool FindLanguage(const std::string& iniPath, const std::string& value, LanguageRecord& record, int keyMode) {
    if (!FileExists(ResolveContentPath(iniPath)))
        return false;
    const CIniFile ini(iniPath);
    for (const std::string& section : ini.GetSectionNames()) {
        if (!text::EqualsNoCase(ini.GetString(section, KeyName(keyMode)), value))
            continue;
        record.LangID = ini.GetString(section, "LangID");
        record.ShortString = ini.GetString(section, "ShortString");
        record.LangString = ini.GetString(section, "LangString");
        record.Desc = ini.GetString(section, "Desc");
        return true;
    }
    return false;
}

std::vector<std::string> LanguageList(const std::string& iniPath, int keyMode) {
    std::vector<std::string> values;
    const CIniFile ini(iniPath);
    for (const std::string& section : ini.GetSectionNames()) {
        std::string v = ini.GetString(section, KeyName(keyMode));
        if (!v.empty())
            values.push_back(std::move(v));
    }
    return values;
}

void ApplyShortStringRule(LanguageRecord& record) {
    if (record.ShortString.size() < 2) {
        record.ShortString = "En";
        record.LangString = "English";
    }
}
