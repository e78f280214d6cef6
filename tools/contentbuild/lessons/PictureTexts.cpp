#include "PictureTexts.h"

#include "app/FileUtils.h"
#include "app/IniDocument.h"

namespace lessons {
namespace {

// Every text the pictures draw, as section and key.
constexpr const char* kKeys[][2] = {
    {"Lesson", "Head"},
    {"Panes", "Dialog"},
    {"Panes", "Dialog_Hint"},
    {"Panes", "NewWord"},
    {"Panes", "NewWord_Hint"},
    {"Panes", "Note"},
    {"Panes", "Note_Hint"},
    {"Panes", "LanguagePoint"},
    {"Panes", "LanguagePoint_Hint"},
    {"Panes", "Typical"},
    {"Panes", "Typical_Hint"},
    {"Panes", "ListenSpeak"},
    {"Panes", "ListenSpeak_Hint"},
    {"Panes", "WordStudy"},
    {"Panes", "WordStudy_Hint"},
    {"NewWords", "Word"},
    {"NewWords", "Meaning"},
    {"Guide", "Title"},
    {"Guide", "Step1"},
    {"Guide", "Step2"},
    {"Guide", "Step3"},
    {"Guide", "Step4"},
    {"Guide", "Step5"},
    {"Guide", "Step6"},
};

std::string KeyName(const std::string& section, const std::string& key) {
    return section + "/" + key;
}

} // namespace

std::string PictureTextsFile(const std::string& folder, const std::string& language) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + "picture-texts_" + language + ".ini";
}

bool PictureTexts::Load(const std::string& folder, const std::string& language, std::string& error) {
    m_language = language;
    m_texts.clear();
    const std::string path = PictureTextsFile(folder, language);
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        error = "cannot read " + path;
        return false;
    }
    const IniDocument ini = IniDocument::Parse(*bytes);
    for (const auto& [section, key] : kKeys) {
        const std::optional<std::string> value = ini.Value(section, key);
        if (!value || value->empty()) {
            error = path + ": no text for " + section + "/" + key;
            return false;
        }
        m_texts[KeyName(section, key)] = QString::fromStdString(*value);
    }
    return true;
}

QString PictureTexts::Text(const std::string& section, const std::string& key) const {
    const auto found = m_texts.find(KeyName(section, key));
    return found == m_texts.end() ? QString() : found->second;
}

} // namespace lessons
