#pragma once

#include "exercise/CPracticeDlg.h"
#include "exercise/ExerciseSession.h"
#include "exercise/ExerciseTexts.h"
#include "lesson/LessonProgress.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class BitmapButton;
class CChoiceButton;
class CExerciseResultPanel;
class CWritingPad;
class LessonContentService;
class QLabel;
class QProgressBar;
struct LessonMaterial;

// What the exercise window is handed: the lesson, its texts, how a run is made and how a score is
// kept. The window itself reads nothing from the databases but sounds and the pictures of Chinese.
struct ExerciseWindowSetup {
    LessonContentService* content = nullptr;
    const LessonMaterial* lesson = nullptr;
    const ExerciseTexts* texts = nullptr;
    std::function<std::vector<exercise::Question>(std::uint32_t seed)> makeRun;
    std::function<progress::ScoreResult(int score)> keepScore;
    std::uint32_t seed = 0;
    std::string scratchFolder;  // where sounds and stroke files are written
    std::string contentProblem; // what part of the lesson could not be read, or empty
};

// The exercise program's window: one question at a time with its progress, the sound to replay,
// the answers (cards to click or keys 1 to 4, word tiles, or the writing pad), immediate feedback
// with the right answer shown and spoken, and at the end the score and what to review.
class CExerciseDlg : public CPracticeDlg {
public:
    explicit CExerciseDlg(ExerciseWindowSetup setup, QWidget* parent = nullptr);
    ~CExerciseDlg() override;

    const ExerciseSession& Session() const { return *m_session; }
    // The score of the finished run as it was kept, once the result page shows.
    const progress::ScoreResult& KeptScore() const { return m_kept; }
    bool ShowsResult() const;

    // The learner's actions, as the controls and keys trigger them.
    void Choose(int choice);
    void PlaceTile(int tile);
    void TakeBackTile();
    void Check();
    void GiveUp();
    void Next();
    void Replay() override;
    void StartAgain();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    CExerciseResultPanel& ResultPanel();
    void StartRun(std::uint32_t seed);
    void ShowQuestion();
    void ClearAnswers();
    void ShowPrompt(bool answered);
    void ShowChoices();
    void ShowTiles();
    void ShowWritingPad();
    void ArrangeTiles();
    void AfterAnswer(bool right);
    void MarkChoices();
    void ShowFeedback(bool right);
    void ShowAnswerPicture();
    void UpdateCommands();
    void ShowResult();
    void PlaySound(const exercise::SoundSource& source);
    void OnPadReleased();

    QImage WordPicture(const std::u16string& word, const std::u16string& pinyin) const;
    QString Text(ExerciseText which) const;

    ExerciseWindowSetup m_setup;
    std::unique_ptr<ExerciseSession> m_session;
    std::uint32_t m_seed = 0;
    progress::ScoreResult m_kept;

    BitmapButton* m_check = nullptr;
    BitmapButton* m_giveUp = nullptr;
    BitmapButton* m_next = nullptr;
    std::vector<CChoiceButton*> m_choices;
    std::vector<CChoiceButton*> m_placed; // word tiles in the order the learner put them
    CWritingPad* m_pad = nullptr;
    int m_strokesAccepted = 0;
    CExerciseResultPanel* m_result = nullptr;
    std::string m_soundFile;
};
