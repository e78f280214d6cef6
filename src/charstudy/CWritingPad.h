#pragma once

#include "charstudy/CDrawObject.h"
#include "charstudy/HandwritingPractice.h"
#include "charstudy/RefusalExplanation.h"
#include "charstudy/StepTimer.h"
#include "charstudy/StrokeAnimation.h"
#include "charstudy/StrokeImage.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The writing pad of the word-study page: a 260 x 300 child window with the practice box, on
// which one character is shown whole, animated stroke by stroke, or written by the learner with
// the mouse and graded. The character square (190 x 190) lies at (30, 50).
//
// At a larger Chinese text size (SetTextSize) everything is drawn larger by that percentage: the
// practice box, the character and its animation, the ink; the learner's strokes are judged in the
// square's own 190 x 190 coordinates all the same.
//
// Everything is drawn into the pad's picture, which a paint copies to the screen; the animation
// draws one step per timer tick, so buttons keep working while it runs. While it runs the window
// the pad sits in cannot be closed.
class CWritingPad : public QWidget {
    Q_OBJECT
public:
    enum Mode { modeStatic = 0, modeAnimation = 1, modeBase = 2, modeWriting = 3, modeBackground = 4 };
    static constexpr int kWidth = 260;
    static constexpr int kHeight = 300;
    static constexpr QRgb kRulingColour = qRgb(209, 207, 254);
    static constexpr int kStrokePenWidth = 8;
    // Where the character square starts in the pad; reference strokes are relative to it.
    static constexpr QPoint kCharacterOrigin{30, 50};

    explicit CWritingPad(QWidget* parent = nullptr);
    ~CWritingPad() override;

    // Places the pad at (x, y) in `parent`, visible.
    void Create(QWidget* parent, int x, int y);
    // Draws the pad at `percent` (100, 150, 200) of its base size; forgets what was written.
    void SetTextSize(int percent);
    int TextSize() const { return m_percent; }
    // The pad's size at its text size.
    QSize PadSize() const;
    // Where a point of the character square lies on the pad.
    QPoint PadPoint(QPoint squarePoint) const { return m_practice.ToWindow(squarePoint); }
    // Replaces the timer the animation runs on (tests).
    void SetStepTimer(std::unique_ptr<StepTimer> timer);
    // Text telling that a stroke was written out of order.
    void SetStrokeOrderPrompt(const std::string& text) { m_refusalTexts.wrongOrder = text; }
    // The words telling why a stroke was refused.
    void SetRefusalTexts(const RefusalTexts& texts) { m_refusalTexts = texts; }
    // How strictly strokes are judged.
    void SetStrictness(StrokeChecker::Strictness strictness) { m_practice.SetStrictness(strictness); }
    // Replaces how the grade is shown (by default the grade box, modally).
    void SetGradeDisplay(std::function<void(const std::string&)> display) {
        m_gradeDisplay = std::move(display);
    }
    // Also tells a refused stroke's explanation elsewhere (the pad itself always shows it).
    void SetStrokeRejectedDisplay(std::function<void(const std::string&)> display) {
        m_strokeRejectedDisplay = std::move(display);
    }

    // A copy of the character's stroke pictures.
    void SetStrokeImages(const std::vector<StrokeImage>& images);
    // The outline of the character; shows it whole.
    void SetCharacter(const QImage& baseImage);
    void ShowWhole();
    // Drops the character and shows the empty practice box.
    void ShowBackground();
    void StartAnimation();
    void StopAnimation() { m_stop = true; }

    // Starts writing the character over the reference strokes of the stroke file (none for an
    // empty path or a file that cannot be read).
    void StartPractice(const std::string& strokeFilePath);
    // Forgets the reference strokes and whatever was written.
    void ResetWriting();
    // Grades what was written and shows the grade.
    void Grade();

    int Mode() const { return m_mode; }
    bool IsAnimating() const { return m_animating; }
    const QImage& Picture() const { return m_picture; }
    const HandwritingPractice& Practice() const { return m_practice; }
    // The grade the last Grade() gave (0 to 100).
    double LastGrade() const { return m_lastGrade; }
    const DrawObjectArray& ReferenceObjects() const { return m_references; }
    // Why the last stroke was refused, as the pad shows it; empty text once the learner writes on.
    const RefusalExplanation& Explanation() const { return m_explanation; }
    // True while the mouse is held inside the writing square.
    bool IsCursorConfined() const { return m_cursorConfined; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Redraws the picture for the current mode and repaints.
    void Render();
    void DrawBackgroundView();
    void DrawBaseImage(bool andMode);
    void DrawStrokes();
    void RunAnimationStep();
    void FinishAnimation(bool stopped);
    // A stopped animation still waiting for its next step ends here, before its data changes.
    void EndStoppedAnimation();
    // The character's pictures at the pad's text size.
    void ScaleCharacter();
    bool StrokesRemain() const;
    bool CounterPastReferences() const;
    void ConfineCursor(bool on);
    void ShowRefusal();
    void ClearRefusal();
    void FlashHighlight(int remaining);
    void DrawRefusal();

    QImage m_background;
    QImage m_baseImage;
    QImage m_picture;
    std::vector<StrokeImage> m_strokeImages;
    // The same pictures as drawn at the text size.
    QImage m_shownBase;
    std::vector<StrokeImage> m_shownStrokes;
    int m_percent = 100;
    int m_mode = modeBackground;
    bool m_animating = false;
    bool m_stop = true;
    std::unique_ptr<StepTimer> m_timer;
    std::optional<StrokeAnimation> m_animation;
    QWidget* m_guardedWindow = nullptr;

    DrawObjectArray m_references;
    HandwritingPractice m_practice;
    bool m_cursorConfined = false;
    RefusalTexts m_refusalTexts;
    RefusalExplanation m_explanation;
    bool m_highlightVisible = false;
    std::unique_ptr<StepTimer> m_flashTimer;
    std::function<void(const std::string&)> m_gradeDisplay;
    std::function<void(const std::string&)> m_strokeRejectedDisplay;
    double m_lastGrade = 0;
};
