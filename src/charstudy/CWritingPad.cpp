#include "charstudy/CWritingPad.h"

#include "render/BmpReader.h"
#include "render/GlyphScale.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "charstudy/CDrawPLine.h"
#include "charstudy/CGradeDlg.h"
#include "charstudy/DrawObjectFile.h"

#include <QApplication>
#include <QCursor>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr char kBackgroundFile[] = "image\\lesson_wordstudy.bmp";
constexpr char kStrokesEnoughLog[] = "The strokes are enough!";
const QRect kPracticeBox(CWritingPad::kCharacterOrigin, QSize(200, 200));
// Where the explanation of a refused stroke is written: the band above the practice box.
const QRect kExplanationBox(4, 4, CWritingPad::kWidth - 8, 42);
constexpr QRgb kHighlightColour = qRgb(225, 40, 30);
constexpr QRgb kStartColour = qRgb(20, 160, 60);
constexpr int kFlashes = 6;
constexpr int kFlashMs = 220;

std::vector<HandwritingPractice::ReferenceStroke> ReferenceStrokes(const DrawObjectArray& objects) {
    std::vector<HandwritingPractice::ReferenceStroke> strokes;
    for (const std::unique_ptr<CDrawObject>& object : objects)
        if (const auto* line = dynamic_cast<const CDrawPLine*>(object.get()))
            strokes.push_back({line->StrokeNumber(), line->Points()});
    return strokes;
}

// An arrowhead at the end of the line, pointing the way it is written.
void DrawArrowHead(QPainter& dc, const std::vector<QPointF>& line) {
    const QPointF tip = line.back();
    // The direction over the last few pixels, so a short final piece does not turn it.
    QPointF from = line.front();
    for (auto p = line.rbegin(); p != line.rend(); ++p)
        if (QLineF(*p, tip).length() >= 12) {
            from = *p;
            break;
        }
    const QLineF shaft(tip, from);
    if (shaft.length() <= 0)
        return;
    QLineF wing(tip, tip + QPointF(13, 0));
    dc.setPen(QPen(QColor(kHighlightColour), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (double turn : {-30.0, 30.0}) {
        wing.setAngle(shaft.angle() + turn);
        dc.drawLine(wing);
    }
}

} // namespace

CWritingPad::CWritingPad(QWidget* parent)
    : QWidget(parent), m_picture(kWidth, kHeight, QImage::Format_RGB32),
      m_timer(std::make_unique<QtStepTimer>()), m_flashTimer(std::make_unique<QtStepTimer>()) {
    setObjectName("1005");
    resize(kWidth, kHeight);
    m_background = LoadPictureFile(ResolveContentPath(GetProgramFolder() + kBackgroundFile));
    m_background = m_background.convertToFormat(QImage::Format_RGB32);
    m_gradeDisplay = [this](const std::string& text) {
        CGradeDlg box(QString::fromStdString(text), this);
        box.exec();
    };
    Render();
}

CWritingPad::~CWritingPad() {
    m_timer->Cancel();
    m_flashTimer->Cancel();
    if (m_guardedWindow)
        m_guardedWindow->removeEventFilter(this);
    ConfineCursor(false);
}

void CWritingPad::Create(QWidget* parent, int x, int y) {
    setParent(parent);
    setGeometry(QRect(QPoint(x, y), PadSize()));
    show();
}

QSize CWritingPad::PadSize() const {
    return {glyphscale::Scaled(kWidth, m_percent), glyphscale::Scaled(kHeight, m_percent)};
}

void CWritingPad::SetTextSize(int percent) {
    EndStoppedAnimation();
    m_percent = percent > 0 ? percent : 100;
    m_practice.SetScale(m_percent);
    ClearRefusal();
    m_picture = QImage(PadSize(), QImage::Format_RGB32);
    resize(PadSize());
    ScaleCharacter();
    Render();
}

void CWritingPad::ScaleCharacter() {
    m_shownBase = StrokeAnimation::ScaledPicture(m_baseImage, m_percent);
    m_shownStrokes = StrokeAnimation::ScaledImages(m_strokeImages, m_percent);
}

void CWritingPad::SetStepTimer(std::unique_ptr<StepTimer> timer) {
    m_timer->Cancel();
    m_timer = std::move(timer);
}

void CWritingPad::SetStrokeImages(const std::vector<StrokeImage>& images) {
    EndStoppedAnimation();
    m_strokeImages = images;
    ScaleCharacter();
}

void CWritingPad::SetCharacter(const QImage& baseImage) {
    EndStoppedAnimation();
    m_baseImage = baseImage.convertToFormat(QImage::Format_RGB32);
    ScaleCharacter();
    m_mode = modeStatic;
    Render();
}

void CWritingPad::ShowWhole() {
    EndStoppedAnimation();
    m_mode = modeStatic;
    Render();
}

void CWritingPad::ShowBackground() {
    EndStoppedAnimation();
    m_baseImage = m_shownBase = QImage();
    m_mode = modeBackground;
    Render();
}

void CWritingPad::StartAnimation() {
    if (m_animating)
        return;
    m_stop = false;
    m_mode = modeAnimation;
    Render();
}

void CWritingPad::EndStoppedAnimation() {
    if (m_animating) {
        m_stop = true;
        m_timer->Cancel();
        FinishAnimation(true);
    }
}

// ---- drawing ----

void CWritingPad::DrawBackgroundView() {
    m_picture.fill(Qt::white);
    QPainter dc(&m_picture);
    // Drawn in base coordinates; lines and pen widths grow with the text size.
    const double scale = m_percent / 100.0;
    dc.scale(scale, scale);
    dc.setRenderHint(QPainter::SmoothPixmapTransform, m_percent != 100);
    if (!m_background.isNull())
        dc.drawImage(QPoint(0, 0), m_background);
    dc.fillRect(kPracticeBox, Qt::white);
    dc.setPen(QPen(QColor(kRulingColour), 1, Qt::DashDotLine));
    dc.drawLine(kPracticeBox.topLeft(), kPracticeBox.bottomRight());
    dc.drawLine(kPracticeBox.topRight(), kPracticeBox.bottomLeft());
    dc.drawLine(130, kPracticeBox.top(), 130, kPracticeBox.bottom());
    dc.drawLine(kPracticeBox.left(), 150, kPracticeBox.right(), 150);
}

void CWritingPad::DrawBaseImage(bool andMode) {
    if (m_shownBase.isNull())
        return;
    const QPoint origin = StrokeAnimation::SquareOrigin(m_percent);
    if (andMode) {
        StrokeAnimation::AndInto(m_picture, m_shownBase, m_shownBase.rect(), origin);
        return;
    }
    QPainter dc(&m_picture);
    dc.drawImage(origin, m_shownBase);
}

void CWritingPad::DrawStrokes() {
    QPainter dc(&m_picture);
    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.setPen(QPen(Qt::black, glyphscale::Scaled(kStrokePenWidth, m_percent), Qt::SolidLine, Qt::RoundCap,
                   Qt::RoundJoin));
    const auto draw = [&](const HandwritingPractice::Stroke& stroke) {
        if (stroke.size() > 1)
            dc.drawPolyline(stroke.data(), static_cast<int>(stroke.size()));
    };
    for (const HandwritingPractice::Stroke& stroke : m_practice.LearnerStrokes())
        draw(stroke);
    draw(m_practice.CurrentStroke());
}

void CWritingPad::Render() {
    DrawBackgroundView();
    switch (m_mode) {
    case modeStatic:
        if (!m_shownStrokes.empty()) {
            DrawBaseImage(true);
            StrokeAnimation::StampAll(m_picture, m_shownStrokes, StrokeAnimation::SquareOrigin(m_percent));
        }
        break;
    case modeAnimation:
        if (!m_shownStrokes.empty()) {
            DrawBaseImage(true);
            if (!m_animating && !m_stop) {
                m_animating = true;
                m_animation.emplace(m_shownStrokes, m_percent);
                m_guardedWindow = window();
                m_guardedWindow->installEventFilter(this);
                RunAnimationStep();
            }
        }
        break;
    case modeBase:
        DrawBaseImage(false);
        break;
    case modeWriting:
        DrawBaseImage(true);
        DrawStrokes();
        DrawRefusal();
        break;
    default:
        break;
    }
    update();
}

void CWritingPad::paintEvent(QPaintEvent*) {
    QPainter dc(this);
    dc.drawImage(QPoint(0, 0), m_picture);
}

// ---- animation ----

void CWritingPad::RunAnimationStep() {
    StrokeAnimation::Step step;
    if (m_stop || !m_animation->Next(step)) {
        FinishAnimation(m_stop);
        return;
    }
    const StrokeImage& image = m_shownStrokes[static_cast<size_t>(step.record)];
    StrokeAnimation::AndInto(m_picture, image.bitmap, step.source, step.target);
    update();
    m_timer->Schedule(step.waitMs, [this] { RunAnimationStep(); });
}

void CWritingPad::FinishAnimation(bool stopped) {
    m_animating = false;
    m_animation.reset();
    if (m_guardedWindow) {
        m_guardedWindow->removeEventFilter(this);
        m_guardedWindow = nullptr;
    }
    if (!stopped) {
        m_mode = modeStatic;
        Render();
    }
}

bool CWritingPad::eventFilter(QObject* watched, QEvent* event) {
    // The window waits for a running animation: requests to close it are dropped meanwhile.
    if (m_animating && watched == m_guardedWindow && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- handwriting ----

void CWritingPad::StartPractice(const std::string& strokeFilePath) {
    EndStoppedAnimation();
    m_references.clear();
    if (!strokeFilePath.empty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        std::string error;
        if (ReadStrokeFile(strokeFilePath, m_references, error) != strokefile::ReadResult::Ok)
            g_log.Write("%s", error.c_str());
        QApplication::restoreOverrideCursor();
    }
    m_practice.Start(ReferenceStrokes(m_references));
    ClearRefusal();
    m_mode = modeWriting;
    Render();
}

void CWritingPad::ResetWriting() {
    m_references.clear();
    m_practice.Start({});
    ClearRefusal();
}

bool CWritingPad::StrokesRemain() const {
    return !m_practice.References().empty() && !m_practice.AllStrokesWritten();
}

bool CWritingPad::CounterPastReferences() const {
    return m_practice.References().empty() ||
           m_practice.StrokeCounter() > static_cast<int>(m_practice.References().size());
}

void CWritingPad::ConfineCursor(bool on) {
    m_cursorConfined = on;
}

void CWritingPad::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    ConfineCursor(true);
    if (!StrokesRemain()) {
        ConfineCursor(false);
        if (m_practice.AllStrokesWritten())
            g_log.Write("%s", kStrokesEnoughLog);
        return;
    }
    if (m_mode == modeWriting) {
        // Writing on answers the explanation: it goes, so it does not cover the new stroke.
        if (!m_explanation.text.empty()) {
            ClearRefusal();
            Render();
        }
        m_practice.Press(m_practice.ConfineToSquare(event->position().toPoint()));
    }
}

void CWritingPad::mouseMoveEvent(QMouseEvent* event) {
    if (CounterPastReferences()) {
        ConfineCursor(false);
        return;
    }
    if (!m_practice.IsDrawing() || m_mode != modeWriting)
        return;
    QPoint point = event->position().toPoint();
    if (m_cursorConfined) {
        const QPoint inside = m_practice.ConfineToSquare(point);
        if (inside != point)
            QCursor::setPos(mapToGlobal(inside));
        point = inside;
    }
    m_practice.Move(point);
    DrawStrokes();
    update();
}

void CWritingPad::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    ConfineCursor(false);
    if (CounterPastReferences() || !m_practice.IsDrawing())
        return;
    if (m_mode != modeWriting)
        return;
    if (m_practice.Release() == HandwritingPractice::ReleaseResult::Rejected)
        ShowRefusal();
    Render();
}

// ---- why a stroke was refused ----

void CWritingPad::ShowRefusal() {
    m_explanation = ExplainRefusal(m_refusalTexts, m_practice.LastRefusal());
    m_highlightVisible = true;
    if (m_explanation.flash)
        FlashHighlight(kFlashes);
    if (m_strokeRejectedDisplay)
        m_strokeRejectedDisplay(m_explanation.text);
}

void CWritingPad::ClearRefusal() {
    m_flashTimer->Cancel();
    m_explanation = {};
    m_highlightVisible = false;
}

void CWritingPad::FlashHighlight(int remaining) {
    if (remaining <= 0) {
        m_highlightVisible = true;
        Render();
        return;
    }
    m_highlightVisible = remaining % 2 == 0;
    Render();
    m_flashTimer->Schedule(kFlashMs, [this, remaining] { FlashHighlight(remaining - 1); });
}

void CWritingPad::DrawRefusal() {
    if (m_explanation.text.empty())
        return;
    QPainter dc(&m_picture);
    // The box, its words and the highlighted reference in base coordinates, grown to the text size.
    dc.scale(m_percent / 100.0, m_percent / 100.0);
    dc.setRenderHint(QPainter::Antialiasing);
    dc.setPen(QPen(QColor(kHighlightColour), 1));
    dc.setBrush(QColor(255, 244, 240));
    dc.drawRoundedRect(kExplanationBox, 5, 5);
    QFont face = dc.font();
    face.setPixelSize(12);
    face.setBold(true);
    dc.setFont(face);
    dc.drawText(kExplanationBox.adjusted(6, 2, -6, -2), Qt::AlignCenter | Qt::TextWordWrap,
                QString::fromStdString(m_explanation.text));
    const auto reference = std::find_if(m_practice.References().begin(), m_practice.References().end(),
                                        [&](const HandwritingPractice::ReferenceStroke& r) {
                                            return r.number == m_explanation.highlightedStroke;
                                        });
    if (!m_highlightVisible || reference == m_practice.References().end() || reference->points.empty())
        return;
    std::vector<QPointF> line;
    for (QPoint p : reference->points)
        line.push_back(p + kCharacterOrigin);
    dc.setPen(QPen(QColor(kHighlightColour), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    dc.setBrush(Qt::NoBrush);
    dc.drawPolyline(line.data(), static_cast<int>(line.size()));
    if (!m_explanation.showDirection)
        return;
    DrawArrowHead(dc, line);
    dc.setPen(Qt::NoPen);
    dc.setBrush(QColor(kStartColour));
    dc.drawEllipse(line.front(), 6, 6);
}

void CWritingPad::Grade() {
    if (m_practice.AllStrokesWritten() && m_mode != modeWriting)
        return;
    const double grade = m_practice.Grade();
    m_lastGrade = grade;
    ClearRefusal();
    m_gradeDisplay(HandwritingPractice::GradeText(grade));
    Render();
}
