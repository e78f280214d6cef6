#include "CharacterStudyFixture.h"

#include "charstudy/CDrawPLine.h"
#include "charstudy/CGradeDlg.h"
#include "charstudy/CWritingPad.h"
#include "charstudy/DrawObjectFile.h"
#include "charstudy/WordData.h"
#include "fixtures/FixtureDatabases.h"
#include "ui/ProgramLook.h"

#include "ui/BitmapButton.h"
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

// Runs animation steps when the test says so and remembers the pauses asked for.
class ManualTimer : public StepTimer {
public:
    void Schedule(int milliseconds, std::function<void()> step) override {
        waits->push_back(milliseconds);
        *pending = std::move(step);
    }
    void Cancel() override { *pending = nullptr; }
    std::shared_ptr<std::vector<int>> waits = std::make_shared<std::vector<int>>();
    std::shared_ptr<std::function<void()>> pending = std::make_shared<std::function<void()>>();
};

class WritingPadTest : public CharacterStudyTest {
protected:
    void SetUp() override {
        CharacterStudyTest::SetUp();
        auto timer = std::make_unique<ManualTimer>();
        m_waits = timer->waits;
        m_pending = timer->pending;
        m_pad.SetStepTimer(std::move(timer));
        m_pad.SetGradeDisplay([this](const std::string& text) { m_grades.push_back(text); });
        m_pad.SetStrokeOrderPrompt("Mind the stroke order");
    }

    // Runs the waiting step; false when none was waiting.
    bool Step() {
        if (!*m_pending)
            return false;
        auto step = std::move(*m_pending);
        *m_pending = nullptr;
        step();
        return true;
    }

    void LoadCharacter(const std::string& id) {
        WordData data;
        data.LoadStrokeImages(id);
        m_pad.SetStrokeImages(data.StrokeImages());
        m_pad.SetCharacter(data.LoadEmptyImage(id));
    }

    // Five horizontal strokes, five points each, 30 pixels apart.
    std::string FiveStrokeFile() {
        DrawObjectArray objects;
        for (int s = 0; s < 5; ++s) {
            auto line = std::make_unique<CDrawPLine>();
            line->SetStrokeNumber(s + 1);
            line->Start(20, 20 + 30 * s);
            for (int i = 1; i < 5; ++i)
                line->AddPoint(20 + 30 * i, 20 + 30 * s);
            objects.push_back(std::move(line));
        }
        std::string error;
        EXPECT_TRUE(WriteStrokeFile(m_dir / "five.data", objects, error)) << error;
        return m_dir / "five.data";
    }

    void Mouse(QEvent::Type type, QPoint at) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, m_pad.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&m_pad, &event);
    }

    // Writes through the window points of the given square points, shifted by `offset`.
    void Write(const std::vector<QPoint>& squarePoints, QPoint offset = {}) {
        const QPoint origin = HandwritingPractice::kSquareOrigin;
        Mouse(QEvent::MouseButtonPress, squarePoints.front() + origin + offset);
        for (QPoint p : squarePoints)
            Mouse(QEvent::MouseMove, p + origin + offset);
        Mouse(QEvent::MouseButtonRelease, squarePoints.back() + origin + offset);
    }

    std::vector<QPoint> Bar(int stroke) const {
        std::vector<QPoint> points;
        for (int i = 0; i < 5; ++i)
            points.emplace_back(20 + 30 * i, 20 + 30 * stroke);
        return points;
    }

    QImage BackgroundView() {
        CWritingPad empty;
        return empty.Picture();
    }

    CWritingPad m_pad;
    std::shared_ptr<std::vector<int>> m_waits;
    std::shared_ptr<std::function<void()>> m_pending;
    std::vector<std::string> m_grades;
};

TEST_F(WritingPadTest, AnimatedStrokesEndInTheWholeCharacterAndPauseAfterEachStroke) {
    LoadCharacter(fixtures::FixtureIds::kCharacterNi);
    ASSERT_EQ(m_pad.Mode(), CWritingPad::modeStatic);
    const QImage whole = m_pad.Picture();
    EXPECT_NE(whole, BackgroundView());
    m_pad.StartAnimation();
    EXPECT_EQ(m_pad.Mode(), CWritingPad::modeAnimation);
    EXPECT_TRUE(m_pad.IsAnimating());
    EXPECT_NE(m_pad.Picture(), whole);
    int steps = 0;
    while (Step())
        ++steps;
    EXPECT_FALSE(m_pad.IsAnimating());
    EXPECT_EQ(m_pad.Mode(), CWritingPad::modeStatic);
    EXPECT_EQ(m_pad.Picture(), whole);
    // Every stroke of 你 completes a stroke: seven pauses of 300 ms, the rest 10 ms steps.
    EXPECT_EQ(std::count(m_waits->begin(), m_waits->end(), 300), 7);
    EXPECT_EQ(std::count(m_waits->begin(), m_waits->end(), 10), steps - 7);
}

TEST_F(WritingPadTest, AStopInMidStrokeKeepsThePartlyDrawnCharacterInModeOne) {
    LoadCharacter(fixtures::FixtureIds::kCharacterNi);
    m_pad.StartAnimation();
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Step());
    const QImage partly = m_pad.Picture();
    m_pad.StartAnimation(); // ignored while it runs
    m_pad.StopAnimation();
    EXPECT_TRUE(Step());
    EXPECT_FALSE(Step());
    EXPECT_FALSE(m_pad.IsAnimating());
    EXPECT_EQ(m_pad.Mode(), CWritingPad::modeAnimation);
    EXPECT_EQ(m_pad.Picture(), partly);
    // It can be started again.
    m_pad.StartAnimation();
    EXPECT_TRUE(m_pad.IsAnimating());
}

TEST_F(WritingPadTest, AThreePixelStepRevealsTheStrokeFromTheLeft) {
    StrokeImage bar;
    bar.bitmap = QImage(10, 2, QImage::Format_RGB32);
    bar.bitmap.fill(Qt::black);
    QImage base(190, 190, QImage::Format_RGB32);
    base.fill(Qt::white);
    m_pad.SetStrokeImages({bar});
    m_pad.SetCharacter(base);
    m_pad.StartAnimation();
    const auto blackColumns = [&] {
        int n = 0;
        while (n < 10 && m_pad.Picture().pixel(30 + n, 50) == qRgb(0, 0, 0))
            ++n;
        return n;
    };
    std::vector<int> seen{blackColumns()};
    while (Step())
        seen.push_back(blackColumns());
    EXPECT_EQ(seen, (std::vector<int>{0, 3, 6, 9, 10, 10}));
    EXPECT_EQ(*m_waits, (std::vector<int>{10, 10, 10, 10, 0}));
}

TEST_F(WritingPadTest, ACharacterWithoutStrokePicturesShowsNothing) {
    WordData data;
    m_pad.SetStrokeImages({});
    m_pad.SetCharacter(data.LoadEmptyImage(fixtures::FixtureIds::kCharacterNi));
    EXPECT_EQ(m_pad.Picture(), BackgroundView());
    m_pad.StartAnimation();
    EXPECT_FALSE(m_pad.IsAnimating());
    EXPECT_EQ(m_pad.Picture(), BackgroundView());
    // The plain view of mode 2 is the only one that shows the outline alone.
    EXPECT_EQ(m_pad.Mode(), CWritingPad::modeAnimation);
}

TEST_F(WritingPadTest, TheWindowCannotBeClosedWhileTheAnimationRuns) {
    QWidget window;
    m_pad.Create(&window, 10, 10);
    window.show();
    LoadCharacter(fixtures::FixtureIds::kCharacterNi);
    m_pad.StartAnimation();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    while (Step()) {
    }
    EXPECT_TRUE(window.close());
    m_pad.setParent(nullptr);
}

TEST_F(WritingPadTest, AStrokeOverItsReferenceIsKeptAnotherIsTakenBackWithWhy) {
    std::vector<std::string> told;
    m_pad.SetStrokeRejectedDisplay([&](const std::string& text) { told.push_back(text); });
    m_pad.StartPractice(FiveStrokeFile());
    EXPECT_EQ(m_pad.Mode(), CWritingPad::modeWriting);
    ASSERT_EQ(m_pad.ReferenceObjects().size(), 5u);
    Write(Bar(0), {0, 3});
    EXPECT_EQ(m_pad.Practice().StrokeCounter(), 1);
    EXPECT_TRUE(told.empty());
    // The learner's stroke is drawn in black on the pad.
    EXPECT_EQ(m_pad.Picture().pixel(QPoint(80, 23) + HandwritingPractice::kSquareOrigin), qRgb(0, 0, 0));
    // Stroke 2 written 10 pixels away, its ink 5 or more from all its points: taken back, told
    // why, shown in red.
    Write(Bar(1), {0, 10});
    EXPECT_EQ(m_pad.Practice().StrokeCounter(), 1);
    EXPECT_EQ(m_pad.Practice().LearnerStrokes().size(), 1u);
    EXPECT_EQ(told, (std::vector<std::string>{"Too far off: write stroke 2 over the red line."}));
    EXPECT_EQ(m_pad.Explanation().text, told[0]);
    EXPECT_EQ(m_pad.Explanation().highlightedStroke, 2);
    EXPECT_TRUE(m_notice.shown.empty()); // said on the pad, not in a box to click away
    const QRgb onStroke2 = m_pad.Picture().pixel(QPoint(80, 50) + HandwritingPractice::kSquareOrigin);
    EXPECT_GT(qRed(onStroke2), 180);
    EXPECT_LT(qGreen(onStroke2), 100);
    // The next stroke begins without it.
    Mouse(QEvent::MouseButtonPress, QPoint(20, 50) + HandwritingPractice::kSquareOrigin);
    EXPECT_TRUE(m_pad.Explanation().text.empty());
    EXPECT_EQ(m_pad.Picture().pixel(QPoint(80, 50) + HandwritingPractice::kSquareOrigin),
              qRgb(255, 255, 255));
}

TEST_F(WritingPadTest, AStrokeOutOfOrderFlashesTheStrokeDue) {
    m_pad.StartPractice(FiveStrokeFile());
    Write(Bar(1)); // stroke 2 where stroke 1 is due
    EXPECT_EQ(m_pad.Practice().StrokeCounter(), 0);
    EXPECT_EQ(m_pad.Explanation().text, "Mind the stroke order");
    EXPECT_EQ(m_pad.Explanation().highlightedStroke, 1);
    EXPECT_TRUE(m_pad.Explanation().flash);
}

TEST_F(WritingPadTest, TracingEveryStrokeGradesAHundredAndThenStartsOver) {
    m_pad.StartPractice(FiveStrokeFile());
    for (int s = 0; s < 5; ++s)
        Write(Bar(s));
    ASSERT_EQ(m_pad.Practice().StrokeCounter(), 5);
    Write(Bar(0));
    EXPECT_NE(LogSinceStart().find("The strokes are enough!"), std::string::npos);
    EXPECT_EQ(m_pad.Practice().LearnerStrokes().size(), 5u);
    m_pad.Grade();
    EXPECT_EQ(m_grades, (std::vector<std::string>{"Your handwriting's grade is:  100.0"}));
    EXPECT_TRUE(m_pad.Practice().LearnerStrokes().empty());
    EXPECT_EQ(m_pad.Practice().StrokeCounter(), 0);
    EXPECT_EQ(m_pad.ReferenceObjects().size(), 5u);
}

TEST_F(WritingPadTest, GradingTooEarlyGivesZeroAndClears) {
    m_pad.StartPractice(FiveStrokeFile());
    for (int s = 0; s < 3; ++s)
        Write(Bar(s));
    m_pad.Grade();
    EXPECT_EQ(m_grades, (std::vector<std::string>{"Your handwriting's grade is:  0.0"}));
    EXPECT_EQ(m_pad.Practice().StrokeCounter(), 0);
    EXPECT_TRUE(m_pad.Practice().LearnerStrokes().empty());
    // All written but no longer in the writing view: no grade.
    for (int s = 0; s < 5; ++s)
        Write(Bar(s));
    m_pad.ShowWhole();
    m_pad.Grade();
    EXPECT_EQ(m_grades.size(), 1u);
}

TEST_F(WritingPadTest, WithoutReferenceStrokesNothingIsWrittenAndTheGradeIsZero) {
    m_pad.StartPractice("");
    Write(Bar(0));
    EXPECT_EQ(m_pad.Practice().StrokeCounter(), 0);
    m_pad.StartPractice(m_dir / "missing.data");
    m_pad.Grade();
    EXPECT_EQ(m_grades, (std::vector<std::string>{"Your handwriting's grade is:  0.0"}));
}

TEST_F(WritingPadTest, TheMouseStaysInsideTheWritingSquareWhileTheButtonIsDown) {
    m_pad.StartPractice(FiveStrokeFile());
    Mouse(QEvent::MouseButtonPress, {50, 70});
    EXPECT_TRUE(m_pad.IsCursorConfined());
    Mouse(QEvent::MouseMove, {400, -30});
    // The press point starts the stroke; the move outside is held at the square's corner.
    ASSERT_EQ(m_pad.Practice().CurrentStroke().size(), 2u);
    EXPECT_EQ(m_pad.Practice().CurrentStroke()[0], QPoint(50, 70));
    EXPECT_EQ(m_pad.Practice().CurrentStroke()[1], QPoint(219, 50));
    Mouse(QEvent::MouseButtonRelease, {400, -30});
    EXPECT_FALSE(m_pad.IsCursorConfined());
}

TEST_F(WritingPadTest, TheGradeBoxShowsItsTextAndClosesLikeOk) {
    CGradeDlg box("Your handwriting's grade is:  87.5");
    EXPECT_EQ(box.Message(), "Your handwriting's grade is:  87.5");
    // In the program's sans-serif face, not a serif one.
    EXPECT_EQ(box.findChild<QLabel*>()->font().family(), programlook::Font(13).family());
    auto* close = box.findChild<BitmapButton*>("1107");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->TooltipText(), "exit");
    QTimer::singleShot(0, close, &QPushButton::click);
    EXPECT_EQ(box.exec(), QDialog::Accepted);
}

} // namespace
