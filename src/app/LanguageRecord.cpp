#include "app/LanguageRecord.h"

#include "app/CIniFile.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/IniDocument.h"
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
    const IniDocument ini = CIniFile(iniPath).Read();
    const auto get = [&ini](const std::string& section, std::string_view key) {
        return ini.Value(section, key).value_or(std::string());
    };
    for (const std::string& section : ini.SectionNames()) {
        if (!text::EqualsNoCase(get(section, KeyName(keyMode)), value))
            continue;
        record.LangID = get(section, "LangID");
        record.ShortString = get(section, "ShortString");
        record.LangString = get(section, "LangString");
        record.Desc = get(section, "Desc");
        return true;
    }
    return false;
}

std::vector<std::string> LanguageList(const std::string& iniPath, int keyMode) {
    std::vector<std::string> values;
    const IniDocument ini = CIniFile(iniPath).Read();
    for (const std::string& section : ini.SectionNames()) {
        std::string v = ini.Value(section, KeyName(keyMode)).value_or(std::string());
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
