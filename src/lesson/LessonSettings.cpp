#include "lesson/LessonSettings.h"

#include "app/CIniFile.h"
#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/IniDocument.h"
#include "app/TextEncoding.h"
#include "app/UserFolders.h"
#include "app/UserNotice.h"
#include "audio/SpeechSpeed.h"
#include "render/GlyphScale.h"
#include "render/WordColours.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

LessonSettings g_lessonSettings;

namespace {

const char* const kTextKeys[] = {"btnClose",
                                 "btnHelp",
                                 "btnMin",
                                 "btnReadText",
                                 "btnExercise",
                                 "btnBack",
                                 "btnPinYin",
                                 "btnDXJ",
                                 "btnZhuShi",
                                 "btnTextScene",
                                 "btnNewWord",
                                 "btnLangePoint",
                                 "land_WinText",
                                 nullptr,
                                 "Zhushi",
                                 "DXJ",
                                 "LanguagePoint",
                                 "NewWord",
                                 "NewWord_NewWord",
                                 "NewWord_PinYin",
                                 "NewWord_Translate",
                                 "NewWord_Cixin",
                                 "ListenSpeak",
                                 "learnWord",
                                 "btnPageDonw",
                                 "btnPageUp",
                                 "Item_ListenRepeat",
                                 "Item_ReadOrSilence",
                                 "Item_ReadOrSilence1",
                                 "Item_ShowHideMeaning",
                                 "Item_ShowHideMeaning1",
                                 "Word_Read",
                                 "Word_AutoWrite",
                                 "Word_ItemWrite",
                                 "Word_PanDuan",
                                 "Item_ReadSentence",
                                 "LanguageQuestion",
                                 "Item_Speed",
                                 "ChineseTextSize_Label"};
static_assert(std::size(kTextKeys) == static_cast<size_t>(LessonText::Count));

const char* const kErrorText =
    "The lesson content could not be read. Please reinstall the program's content.";

// The integer keys in the order they are written, with the field each one fills.
struct IntKey {
    const char* name;
    int DisplaySettings::*field;
    const char* defaultSection; // where the default comes from
};
const IntKey kIntKeys[] = {
    {"CharSet", &DisplaySettings::charSet, "Lesson"},
    {"FontWidth", &DisplaySettings::fontWidth, "Lesson"},
    {"FontHeight", &DisplaySettings::fontHeight, "Lesson"},
    {"iMeaingR", &DisplaySettings::meaningR, "lesson"},
    {"iMeaingG", &DisplaySettings::meaningG, "lesson"},
    {"iMeaingB", &DisplaySettings::meaningB, "lesson"},
    {"iNewWordR", &DisplaySettings::newWordR, "lesson"},
    {"iNewWordG", &DisplaySettings::newWordG, "lesson"},
    {"iNewWordB", &DisplaySettings::newWordB, "lesson"},
    {"iWordR", &DisplaySettings::wordR, "lesson"},
    {"iWordG", &DisplaySettings::wordG, "lesson"},
    {"iWordB", &DisplaySettings::wordB, "lesson"},
    {"iPinYinR", &DisplaySettings::pinyinR, "lesson"},
    {"iPinYinG", &DisplaySettings::pinyinG, "lesson"},
    {"iPinYinB", &DisplaySettings::pinyinB, "lesson"},
    {"iSentenceDis", &DisplaySettings::sentenceDistance, "lesson"},
    {"iHangDis", &DisplaySettings::lineDistance, "lesson"},
    {"ChineseTextSize", &DisplaySettings::chineseTextSize, "lesson"},
};

DisplaySettings ReadDisplay(const IniDocument& ini, const std::string& section,
                            const DisplaySettings* defaults) {
    DisplaySettings s;
    for (const IntKey& key : kIntKeys) {
        const std::string from = defaults ? section : key.defaultSection;
        s.*key.field = ini.IntValue(from, key.name, defaults ? defaults->*key.field : 0);
    }
    s.fontName =
        ini.Value(defaults ? section : "Lesson", "FontName").value_or(defaults ? defaults->fontName : "");
    // A hand-edited file may hold any number; the text is drawn only at the offered sizes.
    s.chineseTextSize = glyphscale::NormalTextSize(s.chineseTextSize);
    return s;
}

bool HasSection(const IniDocument& ini, const std::string& section) {
    for (const std::string& name : ini.SectionNames())
        if (text::EqualsNoCase(name, section))
            return true;
    return false;
}

} // namespace

bool ParseSettingsBool(const std::string& value, bool defaultValue) {
    const std::string t = text::Trim(value);
    if (t.empty())
        return defaultValue;
    if (text::EqualsNoCase(t, "true") || text::EqualsNoCase(t, "yes"))
        return true;
    char* end = nullptr;
    const long number = std::strtol(t.c_str(), &end, 10);
    return end && *end == '\0' && number != 0;
}

std::string LessonSettings::PathFor(const std::string& languageSuffix) {
    return GetProgramFolder() + "Lesson_res\\lessonres_" + languageSuffix + ".ini";
}

bool LessonSettings::LoadFor(const std::string& languageSuffix) {
    const std::string relative = "Lesson_res\\lessonres_" + languageSuffix + ".ini";
    return Load(PathFor(languageSuffix), UserSettingsPath(relative));
}

bool LessonSettings::Load(const std::string& path, const std::string& userPath) {
    m_path = path;
    m_userPath = userPath;
    m_texts.fill({});
    m_texts[static_cast<size_t>(LessonText::ErrorText)] = kErrorText;
    m_default = m_effective = DisplaySettings{};
    m_resumePrompt = true;
    m_speechSpeed = 100;
    if (!FileExists(ResolveContentPath(path)))
        return false;
    // Each file is read once for all its keys.
    const IniDocument ini = CIniFile(path).Read();
    for (size_t i = 0; i < m_texts.size(); ++i)
        if (kTextKeys[i])
            m_texts[i] = ini.Value("Lesson", kTextKeys[i]).value_or(std::string());
    m_default = ReadDisplay(ini, "Lesson", nullptr);
    m_effective = m_default;
    if (!g_strUserId.empty()) {
        const IniDocument own = userPath.empty() ? IniDocument() : CIniFile(userPath).Read();
        const IniDocument& user = !userPath.empty() && HasSection(own, g_strUserId) ? own : ini;
        m_effective = ReadDisplay(user, g_strUserId, &m_default);
        m_resumePrompt = ParseSettingsBool(user.Value(g_strUserId, "Tip").value_or(std::string()), true);
        m_speechSpeed = speech::ValidSpeed(
            std::atoi(user.Value(g_strUserId, "SpeechSpeed").value_or(std::string()).c_str()));
    }
    return true;
}

bool LessonSettings::SaveUser() {
    if (m_path.empty() || g_strUserId.empty())
        return false;
    std::vector<std::pair<std::string, std::string>> values = {
        {"CharSet", std::to_string(m_effective.charSet)}, {"FontName", m_effective.fontName}};
    for (const IntKey& key : kIntKeys)
        if (std::string(key.name) != "CharSet")
            values.emplace_back(key.name, std::to_string(m_effective.*key.field));
    values.emplace_back("Tip", m_resumePrompt ? "1" : "0");
    values.emplace_back("SpeechSpeed", std::to_string(m_speechSpeed));
    if (!m_userPath.empty() && !MakeDirectoryPath(m_userPath.substr(0, m_userPath.rfind('/')))) {
        m_saveError = "cannot make the folder of " + m_userPath;
        g_log.Write("LessonSettings: display settings not saved: %s", m_saveError.c_str());
        return false;
    }
    CIniFile ini(m_userPath.empty() ? m_path : m_userPath);
    if (ini.WriteValues(g_strUserId, values)) {
        m_saveError.clear();
        return true;
    }
    m_saveError = ini.LastError();
    g_log.Write("LessonSettings: display settings not saved: %s", m_saveError.c_str());
    return false;
}

void SaveDisplaySettingsOrTell() {
    if (g_lessonSettings.SaveUser())
        return;
    const std::string failure = g_lessonSettings.SaveFailureToTell();
    if (!failure.empty())
        GetUserNotice().Show(UserNotice::Kind::Warning, "Display settings", failure);
}

std::string LessonSettings::SaveFailureToTell() {
    if (m_saveError.empty() || m_saveFailureTold)
        return {};
    m_saveFailureTold = true;
    return "Your display settings could not be saved, so they will be lost when the program ends.\n\n"
           "Reason: " +
           m_saveError;
}

// The normal weight is used: the lightest weight would pick the hairline faces that Linux CJK
// fonts really have, which are hard to read.
QFont LessonSettings::Font() const {
    QFont font(QString::fromStdString(m_effective.fontName));
    font.setStyleHint(QFont::SansSerif);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    const int height = std::abs(m_effective.fontHeight);
    if (height > 0) {
        font.setPixelSize(height);
        if (m_effective.fontWidth > 0)
            font.setStretch(std::clamp(m_effective.fontWidth * 200 / height, 50, 200));
    }
    return font;
}

int LessonSettings::TextWidth(const QString& text, const QFont& font) {
    int units = 0;
    for (const QChar c : text)
        units += c.unicode() < 0x80 ? 1 : 2;
    return units * QFontMetrics(font).horizontalAdvance(QLatin1Char(' '));
}

void DrawWordsInDisplayColours() {
    SetWordColoursSource([] {
        const DisplaySettings& d = g_lessonSettings.m_effective;
        return WordColours{d.WordColor().rgb(), d.NewWordColor().rgb(), d.PinyinColor().rgb()};
    });
    SetChineseTextSizeSource([] { return g_lessonSettings.m_effective.chineseTextSize; });
}
