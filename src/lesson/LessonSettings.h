#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <array>
#include <string>

// Interface texts of the lesson window, keyed in the file's section "Lesson" (in this order).
// ErrorText is not read from the file: it holds the program's own fixed text.
enum class LessonText {
    btnClose,
    btnHelp,
    btnMin,
    btnReadText,
    btnExercise,
    btnBack,
    btnPinYin,
    btnDXJ,
    btnZhuShi,
    btnTextScene,
    btnNewWord,
    btnLangePoint,
    land_WinText,
    ErrorText,
    Zhushi,
    DXJ,
    LanguagePoint,
    NewWord,
    NewWord_NewWord,
    NewWord_PinYin,
    NewWord_Translate,
    NewWord_Cixin,
    ListenSpeak,
    learnWord,
    btnPageDonw,
    btnPageUp,
    Item_ListenRepeat,
    Item_ReadOrSilence,
    Item_ReadOrSilence1,
    Item_ShowHideMeaning,
    Item_ShowHideMeaning1,
    Word_Read,
    Word_AutoWrite,
    Word_ItemWrite,
    Word_PanDuan,
    Item_ReadSentence,
    LanguageQuestion,
    Item_Speed,
    ChineseTextSize_Label,
    Count
};

// Font, colours and spacing of the lesson texts.
struct DisplaySettings {
    std::string fontName;
    int charSet = 0;
    int fontWidth = 0;
    int fontHeight = 0;
    int meaningR = 0, meaningG = 0, meaningB = 0;
    int newWordR = 0, newWordG = 0, newWordB = 0;
    int wordR = 0, wordG = 0, wordB = 0;
    int pinyinR = 0, pinyinG = 0, pinyinB = 0;
    int sentenceDistance = 0;
    int lineDistance = 0;
    int chineseTextSize = 100; // percent of the base size of characters and pinyin: 100, 150 or 200

    QColor MeaningColor() const { return Rgb(meaningR, meaningG, meaningB); }
    QColor NewWordColor() const { return Rgb(newWordR, newWordG, newWordB); }
    QColor WordColor() const { return Rgb(wordR, wordG, wordB); }
    QColor PinyinColor() const { return Rgb(pinyinR, pinyinG, pinyinB); }
    // Each component counts with its low 8 bits.
    static QColor Rgb(int r, int g, int b) { return QColor(r & 0xFF, g & 0xFF, b & 0xFF); }
    bool operator==(const DisplaySettings&) const = default;
};

// The interface texts and display settings of one interface language, read from
// Lesson_res/lessonres_<suffix>.ini: defaults from the sections "Lesson"/"lesson", and each user's
// own settings in a section named after the user id.
class LessonSettings {
public:
    // Reads the whole file; false (and everything empty or 0) when it does not exist. With a
    // `userPath`, the learners' own sections are read there first (the program's file keeps those
    // of older, writable program folders) and saved there.
    bool Load(const std::string& path, const std::string& userPath = {});
    // The program folder's file of an interface language with the user's copy over it.
    bool LoadFor(const std::string& languageSuffix);
    // Writes the effective settings and the resume flag into the current user's section, all in
    // one atomic write of the file. False when nobody is logged in or the write failed.
    bool SaveUser();
    // Why the last save failed; empty after a save that worked.
    const std::string& SaveError() const { return m_saveError; }
    // The message that tells the learner about a failed save, with its reason: given once in the
    // program's run, so that repeated saves do not repeat it; empty otherwise.
    std::string SaveFailureToTell();

    const std::string& Path() const { return m_path; }
    const std::string& Text(LessonText which) const { return m_texts[static_cast<size_t>(which)]; }
    QString QText(LessonText which) const { return QString::fromStdString(Text(which)); }

    // A text of the file, or `english` where the file has none (keys the first files lacked).
    QString QTextOr(LessonText which, const char* english) const {
        return Text(which).empty() ? QString::fromLatin1(english) : QText(which);
    }
    // The file of an interface language: Lesson_res/lessonres_<suffix>.ini beside the program.
    static std::string PathFor(const std::string& languageSuffix);

    // The font the lesson texts are drawn with.
    QFont Font() const;
    // Width of a text as the sentence panel measures it: its length in double-byte units (a
    // Chinese character counts twice) times the width of a blank.
    static int TextWidth(const QString& text, const QFont& font);

    DisplaySettings m_default;
    DisplaySettings m_effective;
    bool m_resumePrompt = true; // the key "Tip": ask about resuming the last lesson after login
    int m_speechSpeed = 100;    // the key "SpeechSpeed": percent speed of the sentences heard

private:
    std::string m_path;
    std::string m_userPath;
    std::string m_saveError;
    bool m_saveFailureTold = false;
    std::array<std::string, static_cast<size_t>(LessonText::Count)> m_texts;
};

extern LessonSettings g_lessonSettings;

// Saves the display settings in effect for the current user; a failure is told to the learner
// once in the program's run, with its reason.
void SaveDisplaySettingsOrTell();

// Makes word controls draw in the colours and at the Chinese text size of the display settings in
// effect.
void DrawWordsInDisplayColours();

// The file's rule for booleans: "true", "yes" (any case) or a non-zero number are true; any other
// non-empty text is false; empty text gives the default.
bool ParseSettingsBool(const std::string& text, bool defaultValue);
