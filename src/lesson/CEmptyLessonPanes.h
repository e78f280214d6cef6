#pragma once

#include "lesson/LessonPanes.h"

#include <array>

class CShockwaveFlash;

// Panes without content: the movie control for scenes, empty scrolling panels and plain pages.
// The lesson window switches, places and scrolls them as it does the filled panes.
class CEmptyLessonPanes final : public LessonPanes {
public:
    void Create(QWidget* window, LessonWindowServices& services) override;
    QWidget* Selector() override { return m_selector; }
    ScrollPanel* SentencePanel() override { return m_sentences; }
    QWidget* RightPane(Pane pane) override { return m_panes[pane]; }
    ScrollPanel* ScrollTarget(int kind) override;

    // Nothing to read: every panel's content fits.
    void LoadChildLessons(int) override;
    void LoadSentences(int, const std::string&) override {}
    std::vector<SentenceReader*> SentenceReaders() override { return {}; }
    void SetShowTranslations(bool) override {}
    void LoadScene(const std::string&) override {}
    void PlayScene() override;
    void StopScene() override;
    void LoadNewWords(int) override {}
    void LoadNotes(int) override {}
    void LoadLanguagePoints(int) override {}
    void SetNote(const std::string&) override {}
    void ShowWord(const std::u16string&, const std::u16string&, const std::string&) override {}
    void ShowNewWord(const std::u16string&, const std::u16string&, const std::u16string&,
                     CMutiWord*) override {}
    void SetListenSpeakModel(const std::u16string&, const std::string&) override {}
    void ShowTypicalDetail(const std::string&) override {}

private:
    QWidget* m_selector = nullptr;
    ScrollPanel* m_sentences = nullptr;
    CShockwaveFlash* m_scene = nullptr;
    std::array<QWidget*, kPaneCount> m_panes{};
};
