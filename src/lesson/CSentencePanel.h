#pragma once

#include "lesson/CStaticPicture.h"
#include "lesson/LessonContent.h"
#include "lesson/MeaningRecord.h"
#include "lesson/SpeakerTitleFit.h"
#include "ui/ScrollPanel.h"

#include <QTimer>

#include <array>
#include <string>

class CMeaningDia;
class CMeaningText;
class CMutiWord;
class LessonContentService;
class LessonWindowServices;

// The text of one child lesson: per sentence a reading control, an optional speaker title with its
// colon, the sentence as rows of clickable words with pinyin, and the translation underneath, which
// the lesson window's translation button hides and shows again.
class CSentencePanel : public ScrollPanel, public TranslationSwitch {
public:
    static constexpr int kTextLeft = 45;
    static constexpr int kFirstY = 10;
    static constexpr int kBottomMargin = 10;
    static constexpr int kIndentWithoutTitle = 30;
    static constexpr int kColonGap = 5;
    static constexpr int kColonWidth = 13;
    static constexpr int kTranslationRight = 234;
    static constexpr int kSceneDelayMs = 500;

    CSentencePanel(LessonContentService& content, QWidget* parent);
    ~CSentencePanel() override;

    // The rectangle the panel returns to after sizing.
    void SetFrame(const QRect& frame);
    void SetLesson(int lessonNumber, const std::string& childLessonId);
    // Loads and lays out the child lesson's sentences; the content height.
    int SetLessonData();
    // Lays the controls out again after the translation flags changed.
    void Relayout(bool repaint);
    // Lays out again, keeping the sentence at the top of the view there as far as the text reaches.
    void RelayoutInPlace();
    // Every sentence's translation on or off (the translation button).
    void ShowAllTranslations(bool show);

    bool IsTranslationShown(int sentenceIndex) const override;
    void ToggleTranslation(int sentenceIndex) override;

    int SentenceCount() const { return m_count; }
    // The reading controls in sentence order, for the reading of the whole text.
    std::vector<SentenceReader*> Readers() const;
    CStaticPicture* ReadingControl(int index) const;
    CMeaningDia* SentenceRow(int index) const;
    CMeaningDia* TitleRow(int index) const;
    CMeaningText* Translation(int index) const;
    bool IsLoaded() const { return m_loaded; }
    const std::string& LastNoteId() const { return m_lastNoteId; }
    bool IsSceneTimerActive() const { return m_sceneTimer.isActive(); }
    // The scene timer's expiry: the scene pane, when it is showing, plays the child lesson's scene.
    void OnSceneTimer();
    void SetServices(LessonWindowServices* services) { m_services = services; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Slot {
        CStaticPicture* reader = nullptr;
        CMeaningDia* sentenceRow = nullptr;
        CMeaningDia* titleRow = nullptr;
        CMutiWord* titleColon = nullptr;
        CMeaningText* titleTranslation = nullptr;
        CMeaningText* titleTranslationColon = nullptr;
        CMeaningText* translation = nullptr;
        bool showTranslation = true;
    };

    void DestroySlots();
    MeaningRecord WordRowTemplate() const;
    void ShowSentence(const lesson::Sentence& sentence, int index, MeaningRecord record, int& y);
    speaker_title::Fit ShowSpeakerTitle(Slot& slot, const lesson::Sentence& sentence, MeaningRecord record,
                                        int y);
    // A block's height is that of its taller part: a wrapped speaker title can outgrow the sentence.
    static int WordsHeight(const Slot& slot);
    static int TranslationHeight(const Slot& slot);
    CMeaningDia* NewRow();
    CMeaningText* NewText();
    void FinishLayout(int contentWidth, int y);
    LessonWindowServices* Services() const;

    LessonContentService& m_content;
    int m_lessonNumber = 0;
    std::string m_childLessonId;
    QRect m_frame;
    int m_count = 0;
    int m_y = 0;
    std::array<Slot, lesson::kMaxSentences> m_slots;
    bool m_loaded = false;
    std::string m_lastNoteId;
    QTimer m_sceneTimer;
    LessonWindowServices* m_services = nullptr;
};
