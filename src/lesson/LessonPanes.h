#pragma once

#include <memory>
#include <string>
#include <vector>

class CMutiWord;
class LessonContentService;
class LessonWindowServices;
class QWidget;
class ScrollPanel;
class SentenceReader;

// The panes of the lesson window: the child-lesson selector and the sentence panel on the left,
// the right panes stacked over one rectangle. The window creates them all through one object, so
// the set of panes is chosen in one place (MakeLessonPanes) and the window only switches them.
class LessonPanes {
public:
    enum Pane {
        kScene,
        kNewWords,
        kLanguagePoints,
        kNotes,
        kSingleNote,
        kTypical,
        kWordStudy,
        kListenSpeak,
        kPaneCount
    };

    virtual ~LessonPanes() = default;

    // Creates every pane as a hidden child of the window, reading through `content`; the window
    // places and shows them.
    virtual void Create(QWidget* window, LessonWindowServices& services, LessonContentService& content) = 0;
    virtual QWidget* Selector() = 0;
    virtual ScrollPanel* SentencePanel() = 0;
    virtual QWidget* RightPane(Pane pane) = 0;
    // The panel a scroll button of this kind moves: 1 sentences, 2 notes, 3 language points, 4 the
    // word list of the new-word pane, 5 typical sentences, 6 the single note; null when none.
    virtual ScrollPanel* ScrollTarget(int kind) = 0;

    // The selector reads the lesson's child lessons and chooses the first (through the services).
    virtual void LoadChildLessons(int lesson) = 0;
    virtual void LoadSentences(int lesson, const std::string& childLessonId) = 0;
    // The reading controls of the sentences shown, in order.
    virtual std::vector<SentenceReader*> SentenceReaders() = 0;
    virtual void SetShowTranslations(bool show) = 0;

    virtual void LoadScene(const std::string& childLessonId) = 0;
    virtual void PlayScene() = 0;
    virtual void StopScene() = 0;
    virtual void LoadNewWords(int lesson) = 0;
    virtual void LoadNotes(int lesson) = 0;
    virtual void LoadLanguagePoints(int lesson) = 0;
    // Fills the typical-sentence pane again each time it is shown.
    virtual void LoadTypicalSentences(int lesson) = 0;
    virtual void SetNote(const std::string& noteKey) = 0;
    virtual void ShowWord(const std::u16string& word, const std::u16string& pinyin,
                          const std::string& wordId) = 0;
    virtual void ShowNewWord(const std::u16string& word, const std::u16string& partOfSpeech,
                             const std::u16string& explanation, CMutiWord* control) = 0;
    virtual void SetListenSpeakModel(const std::u16string& sentence, const std::u16string& pinyin,
                                     const std::string& modelMp3Path) = 0;
    virtual void ShowTypicalDetail(const std::string& typicalId) = 0;
    // The speed (percent) the speaking practice's model is heard at.
    virtual void SetSpeechSpeed(int percent) = 0;
};

// The panes the lesson window is built with.
std::unique_ptr<LessonPanes> MakeLessonPanes();
