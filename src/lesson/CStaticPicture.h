#pragma once

#include "lesson/LessonWindowServices.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

class LessonContentService;
class QMenu;

// What a sentence's reading control asks of the panel it sits in: the visibility of its sentence's
// translation.
class TranslationSwitch {
public:
    virtual ~TranslationSwitch() = default;
    virtual bool IsTranslationShown(int sentenceIndex) const = 0;
    // Flips the translation of this sentence and lays the panel out again.
    virtual void ToggleTranslation(int sentenceIndex) = 0;
};

// The speaker control beside a sentence: its icon shows the reading state; a click opens a menu
// to hear the sentence, repeat it in the speaking practice, make it silent for the reading of the
// whole text, or show and hide its translation. The sound comes from the lesson database.
class CStaticPicture : public QWidget, public SentenceReader {
public:
    // Menu commands.
    static constexpr int kReadSentence = 32771;
    static constexpr int kListenRepeat = 32773;
    static constexpr int kReadOrSilence = 32774;
    static constexpr int kShowHideMeaning = 32776;
    // The speed items: this plus the speed in percent.
    static constexpr int kSpeedCommandBase = 32800;
    static constexpr int kIconSize = 35;

    CStaticPicture(LessonContentService& content, QWidget* parent);

    // Places the control and loads its icons; index and id name its sentence.
    void Create(const QRect& rect, int sentenceIndex, const std::string& sentenceId);
    void SetSentence(int sentenceIndex, const std::string& sentenceId);
    // The sentence's words and their pinyin (one group per word), for the speaking practice.
    void SetSentenceText(const std::u16string& text, const std::u16string& pinyin) {
        m_sentenceText = text;
        m_sentencePinyin = pinyin;
    }

    // Writes the sentence's MP3 into the scratch folder; false when no row was found.
    bool FetchSound();
    void ReadSentence() override;
    int PrepareSoundSeconds() override;
    int ReadingStateOf() const override { return m_state; }
    void PrepareSound();

    // Runs one of the menu commands.
    void OnCommand(int command);
    // The popup menu as shown on a click (owned by the caller).
    QMenu* BuildMenu(QWidget* parent) const;

    int SentenceIndex() const { return m_index; }
    const std::string& SentenceId() const { return m_sentenceId; }
    const std::string& SoundPath() const { return m_soundPath; }
    int MeaningState() const { return m_meaningState; }
    void SetState(int state);

    // How the sentence is played: synchronously by default through the sound player.
    using Player = std::function<void(const std::string& wavPath)>;
    void SetPlayer(Player player) { m_play = std::move(player); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ListenAndRepeat();
    void ToggleMeaning();
    void ConvertSound();
    static void AddSpeedMenu(QMenu& menu);
    void ChooseSpeed(int percent);

    LessonContentService& m_content;
    int m_index = 0;
    std::string m_sentenceId;
    std::u16string m_sentenceText;
    std::u16string m_sentencePinyin;
    std::string m_soundPath;
    int m_state = kNormal;
    int m_meaningState = 0;
    std::array<QImage, 3> m_icons;
    Player m_play;
};
