#pragma once

#include "exercise/CPracticeDlg.h"
#include "spell/SpellTexts.h"
#include "spell/SpellingRound.h"

#include <cstdint>
#include <memory>
#include <string>

class CSyllableFeedback;
class LessonContentService;
class QCheckBox;
class QLineEdit;
struct LessonMaterial;

// What the spelling window is handed: the lesson, its texts, where its sounds are read from.
struct SpellWindowSetup {
    LessonContentService* content = nullptr;
    const LessonMaterial* lesson = nullptr;
    const SpellTexts* texts = nullptr;
    std::uint32_t seed = 0;
    std::string scratchFolder;
};

// The spelling program's window: an item of the lesson is heard (its characters shown unless the
// learner listens only), its pinyin is typed and shown live with tone marks, and Enter checks it
// syllable by syllable. At the end of the round, a summary of the tones typed wrong.
class CSpellDlg : public CPracticeDlg {
public:
    explicit CSpellDlg(SpellWindowSetup setup, QWidget* parent = nullptr);
    ~CSpellDlg() override;

    const SpellingRound& Round() const { return *m_round; }
    bool ShowsSummary() const;

    // The learner's actions, as the controls and keys trigger them.
    void Type(const QString& text);
    void Check();
    void GiveUp();
    void Next();
    void Replay() override;
    void SetListenOnly(bool listenOnly);

private:
    void StartRound(std::uint32_t seed);
    void ShowItem();
    void ShowPrompt();
    void ShowLive(const QString& typed);
    void ShowChecked(const spelling::Verdict& verdict);
    void ShowSummary();
    void UpdateCommands();
    void OnEnter();
    // Writes the current item's sound to the scratch folder; false when it has none.
    bool SaveItemSound();
    bool PlayItemSound();
    QString Text(SpellText which) const;

    SpellWindowSetup m_setup;
    std::unique_ptr<SpellingRound> m_round;
    std::string m_soundFile;
    bool m_hasSound = false;
    QCheckBox* m_listenOnly = nullptr;
    QLineEdit* m_typed = nullptr;
    QLabel* m_live = nullptr;
    CSyllableFeedback* m_syllables = nullptr;
    QLabel* m_summary = nullptr;
    BitmapButton* m_check = nullptr;
    BitmapButton* m_giveUp = nullptr;
    BitmapButton* m_next = nullptr;
};
