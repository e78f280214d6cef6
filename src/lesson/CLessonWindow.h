#pragma once

#include "lesson/LessonPanes.h"
#include "lesson/LessonWindowServices.h"
#include "ui/OlePicture.h"
#include "ui/SkinDialog.h"

#include <map>
#include <memory>
#include <string>

class BitmapButton;
class IClock;
class LessonContentService;
class QLabel;
class ScrollRepeatButton;

// The window in which one lesson is studied: the child-lesson selector and the sentence panel on the
// left, one of the content panes on the right, the buttons that switch panes, read the text aloud,
// toggle translations and start the exercise and spelling programs.
class CLessonWindow : public SkinDialog, public LessonWindowServices {
public:
    // The lesson and its panes are read through `content`.
    CLessonWindow(LessonContentService& content, QWidget* parent, IClock* clock = nullptr);
    ~CLessonWindow() override;

    void SetLessonNumber(int lesson) { m_nLessonNumber = lesson; }
    int exec() override;
    void done(int result) override;
    // Builds the window for its lesson (run by exec; tests call it to look at the window unshown).
    void InitDialog();
    // Tells the learner, once per window, which content could not be read while it loaded and
    // what still works (exec calls it as soon as the window shows).
    void TellContentProblems();

    // LessonWindowServices
    int LessonNumber() const override { return m_nLessonNumber; }
    void SetChildLesson(const std::string& childLessonId) override;
    void SetChildTitle(const std::string& bitmapPath) override;
    void SetSceneChildLesson(const std::string& childLessonId) override;
    bool IsSceneActive() const override { return m_bSceneActive; }
    void PlayChildLessonScene(const std::string& childLessonId) override;
    int TextScrollState() const override;
    void SetTextScrollButtons(int scrollState) override;
    void ShowListenSpeak(const std::u16string& sentence, const std::u16string& pinyin,
                         const std::string& modelMp3Path) override;
    void ShowTypicalDetail(const std::string& typicalId) override;
    void ChooseSpeechSpeed(int percent) override;
    void ShowTypicalSentences() override;
    void ShowNote(const std::string& noteKey) override;
    void ShowWordStudy(const std::u16string& word, const std::u16string& pinyin,
                       const std::string& wordId) override;
    void ShowNewWordStudy(const std::u16string& word, const std::u16string& partOfSpeech,
                          const std::u16string& explanation, CMutiWord* control) override;

    void ShowNewWords();
    void ShowScene();
    void ShowLanguagePoints();
    void ShowNotes();
    void ReadAll();
    void ToggleTranslations();

    LessonPanes& Panes() { return *m_panes; }
    LessonPanes::Pane VisiblePane() const { return m_visiblePane; }
    const std::string& TitlePath() const { return m_strTitlePath; }
    const OlePicture& HeadPicture() const { return m_headPicture; }
    const OlePicture& TitlePicture() const { return m_titlePicture; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowLoading();
    void CreateButtons();
    void CreatePanes();
    void CreateScrollButtons();
    bool LoadHeadPicture();
    void SetTitle(const std::string& titleFile);
    void SetTranslationsShown(bool shown);
    // Shows one right pane, hides the others, sets its title picture and the pane scroll buttons
    // (kind 0: both hidden).
    void SwitchPane(LessonPanes::Pane pane, const std::string& titleFile, int scrollKind);
    void StartCompanion(const char* name, const QStringList& arguments);
    BitmapButton* Button(int id) const;

    LessonContentService& m_content;
    IClock& m_clock;
    int m_nLessonNumber = 0;
    std::unique_ptr<LessonPanes> m_panes;
    std::map<int, BitmapButton*> m_buttons;
    ScrollRepeatButton* m_textUp = nullptr;   // 1079
    ScrollRepeatButton* m_textDown = nullptr; // 1078
    ScrollRepeatButton* m_paneUp = nullptr;   // 1080
    ScrollRepeatButton* m_paneDown = nullptr; // 1081
    QWidget* m_loading = nullptr;
    QLabel* m_childTitle = nullptr;
    OlePicture m_headPicture;
    OlePicture m_titlePicture;
    std::string m_strTitlePath;
    std::string m_strChildLessonId;
    LessonPanes::Pane m_visiblePane = LessonPanes::kScene;
    bool m_bSceneActive = true;
    bool m_bNewWordsLoaded = false;
    bool m_bReading = false;
    bool m_bClosing = false;
    bool m_bInitialised = false;
    bool m_bProblemsTold = false;
};
