#pragma once

#include "ui/SkinDialog.h"

#include <QImage>
#include <QString>

#include <functional>
#include <initializer_list>
#include <string>

class BitmapButton;
class CWritingPad;
class QLabel;
class QProgressBar;

// The window every practice program runs in: the skinned frame with a title and progress in its
// header, a line of instruction, the prompt area with its replay button, the answer area, a
// feedback line and command buttons along the bottom right, and the close button. The programs
// fill the areas; what each command does is theirs.
class CPracticeDlg : public SkinDialog {
public:
    static constexpr const char* kReplayId = "replay";
    static constexpr const char* kCheckId = "check";
    static constexpr const char* kNextId = "next";
    static constexpr const char* kGiveUpId = "giveup";

    // The colours the feedback is written in.
    static const QColor kInk;
    static const QColor kRightInk;
    static const QColor kWrongInk;

    CPracticeDlg(const QString& replayTooltip, const QString& closeTooltip, QWidget* parent);

    // The skin every practice window wears.
    static std::string SkinPath();

    // Writes the widget's text in `colour` over its parent's ground.
    static void SetTextColour(QWidget* widget, const QColor& colour);

protected:
    // Plays the current item's sound again (the replay button and Space).
    virtual void Replay() = 0;

    // A command button: a round face with its label written beside it in the interface language.
    BitmapButton* AddCommand(const char* id, int hoverId, int normalId, const QString& label,
                             std::function<void()> handler);
    // Places the visible ones of `commands` from the right edge, the first rightmost.
    void LineUpCommands(std::initializer_list<BitmapButton*> commands);
    static QLabel* AddLabel(QWidget* parent, const char* id, const QRect& place, int pixelSize, bool bold,
                            QColor colour);
    void SetFeedback(const QString& text, const QColor& colour);
    // Shows Chinese in the prompt area, enlarged up to twice its size as far as the area allows;
    // a null picture clears it.
    void ShowPromptPicture(const QImage& picture);
    // Plays an MP3 file written to the scratch folder; false when it could not be decoded.
    static bool PlayMp3(const std::string& path);
    // Runs `play` once what was just put on the window has been shown: decoding a sound and opening
    // the sound device never hold back the first paint of a question.
    void PlayWhenShown(std::function<void()> play);
    // A writing pad in the answer area on which `character` is written from memory, each stroke
    // checked; a stroke out of order is told in the feedback line and `afterStroke` runs once the
    // pad has taken each stroke. The pad goes with the answer area's other children.
    CWritingPad* AddWritingPad(const std::u16string& character, const std::u16string& pinyin,
                               const std::string& strokeOrderPrompt, std::function<void()> afterStroke);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    QLabel* m_title = nullptr;
    QLabel* m_progressText = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_instruction = nullptr;
    QLabel* m_promptPicture = nullptr;
    QLabel* m_promptText = nullptr;
    QLabel* m_feedback = nullptr;
    QLabel* m_answerPicture = nullptr;
    BitmapButton* m_replay = nullptr;
    QWidget* m_answers = nullptr;

private:
    std::function<void()> m_afterStroke;
    // A sound waiting for the window's first paint.
    std::function<void()> m_playWhenPainted;
    bool m_painted = false;
};
