#pragma once

#include "exercise/CPracticeDlg.h"
#include "trainer/TrainerCards.h"
#include "trainer/TrainerTexts.h"

#include <QDate>

#include <functional>
#include <string>
#include <vector>

class CChoiceButton;
class CDueChart;
class CWritingPad;
class LessonContentService;

// What the trainer window is handed: the learner's cards, how a grade is stored, today's date.
struct TrainerWindowSetup {
    LessonContentService* content = nullptr;
    const TrainerTexts* texts = nullptr;
    std::vector<TrainerCard>* cards = nullptr;
    const Fsrs* fsrs = nullptr;
    // Stores a grade given to the card; false with the reason when it could not be stored.
    std::function<bool(TrainerCard& card, Fsrs::Grade grade, std::string& error)> review;
    std::function<QDate()> today;
    QString userName;
    std::string scratchFolder;
    int lessonForPictures = 0;
};

// The new-word trainer's window: the cards due today one at a time (recognise: the characters
// with their sound; recall: the meaning and sound, the character written on the pad or the word
// picked), the answer shown with Space, the grade given with 1 to 4 (each with the interval it
// leads to), and at the end the next practice day with a chart of the coming two weeks.
class CTrainerDlg : public CPracticeDlg {
public:
    explicit CTrainerDlg(TrainerWindowSetup setup, QWidget* parent = nullptr);

    // Index of the card shown, or -1 at the end.
    int CurrentCard() const { return m_current; }
    bool IsRevealed() const { return m_revealed; }
    bool ShowsEnd() const { return m_current < 0; }
    int Reviewed() const { return m_reviewed; }

    // The learner's actions, as the controls and keys trigger them.
    void Reveal();
    void Pick(int choice);
    void Grade(Fsrs::Grade grade);
    void Replay() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowNextCard();
    void ShowCard();
    void ShowRecallChoices();
    void ShowGrades();
    void ShowEnd();
    void ClearAnswers();
    void UpdateProgress();
    void UpdateCommands();
    QString Text(TrainerText which) const;
    TrainerCard& Card() { return (*m_setup.cards)[static_cast<size_t>(m_current)]; }
    // Days until the next review should the card get `grade` now.
    int IntervalFor(const TrainerCard& card, Fsrs::Grade grade) const;
    QImage WordPicture(const std::u16string& word, const std::u16string& pinyin) const;

    TrainerWindowSetup m_setup;
    int m_current = -1;
    bool m_revealed = false;
    int m_reviewed = 0;
    int m_dueAtStart = 0;
    std::vector<CChoiceButton*> m_choices;
    std::vector<std::u16string> m_choiceWords;
    CWritingPad* m_pad = nullptr;
    CDueChart* m_chart = nullptr;
    BitmapButton* m_show = nullptr;
    std::string m_soundFile;
};
