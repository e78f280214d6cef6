#pragma once

#include "audio/CListenSpeakDlg.h"
#include "lesson/LessonPanes.h"

#include <array>

class CLessonTitle;
class CNewWordPane;
class CNotePage;
class CNotesPane;
class CScenePane;
class CSentencePanel;
class CTypicalDialog;
class CTypicalPanel;
class CWordStudyDlg;

// The speaking-practice pane the lesson window is built with.
using ListenSpeakPane = CListenSpeakDlg;

// The lesson window's panes with their content: the child-lesson selector, the sentence panel, the
// scene, new words, notes, language points, the single note, typical sentences with their detail
// dialog, the word-study page and the speaking practice.
class CLessonPanes final : public LessonPanes {
public:
    void Create(QWidget* window, LessonWindowServices& services, LessonContentService& content) override;
    QWidget* Selector() override;
    ScrollPanel* SentencePanel() override;
    QWidget* RightPane(Pane pane) override { return m_panes[pane]; }
    ScrollPanel* ScrollTarget(int kind) override;

    void LoadChildLessons(int lesson) override;
    void LoadSentences(int lesson, const std::string& childLessonId) override;
    std::vector<SentenceReader*> SentenceReaders() override;
    void SetShowTranslations(bool show) override;

    void LoadScene(const std::string& childLessonId) override;
    void PlayScene() override;
    void StopScene() override;
    void LoadNewWords(int lesson) override;
    void LoadNotes(int lesson) override;
    void LoadLanguagePoints(int lesson) override;
    void LoadTypicalSentences(int lesson) override;
    void SetNote(const std::string& noteKey) override;
    void ShowWord(const std::u16string& word, const std::u16string& pinyin,
                  const std::string& wordId) override;
    void ShowNewWord(const std::u16string& word, const std::u16string& partOfSpeech,
                     const std::u16string& explanation, CMutiWord* control) override;
    void SetListenSpeakModel(const std::u16string& sentence, const std::u16string& pinyin,
                             const std::string& modelMp3Path) override;
    void ShowTypicalDetail(const std::string& typicalId) override;
    void SetSpeechSpeed(int percent) override;

    CLessonTitle* Title() const { return m_title; }
    CSentencePanel* Sentences() const { return m_sentences; }
    CNewWordPane* NewWords() const { return m_newWords; }
    CWordStudyDlg* WordStudy() const { return m_wordStudy; }
    ListenSpeakPane* ListenSpeak() const { return m_listenSpeak; }
    // Null until the first typical sentence is opened.
    CTypicalDialog* TypicalDialog() const { return m_typicalDialog; }

private:
    void CreateRightPanes(QWidget* window, LessonContentService& content);

    QWidget* m_window = nullptr;
    LessonContentService* m_content = nullptr;
    CLessonTitle* m_title = nullptr;
    CSentencePanel* m_sentences = nullptr;
    CScenePane* m_scene = nullptr;
    CNewWordPane* m_newWords = nullptr;
    CTypicalPanel* m_typical = nullptr;
    CWordStudyDlg* m_wordStudy = nullptr;
    ListenSpeakPane* m_listenSpeak = nullptr;
    CNotesPane* m_notes = nullptr;
    CNotePage* m_languagePoints = nullptr;
    CNotePage* m_singleNote = nullptr;
    CTypicalDialog* m_typicalDialog = nullptr;
    std::array<QWidget*, kPaneCount> m_panes{};
};
