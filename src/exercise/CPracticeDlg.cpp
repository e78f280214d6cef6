#include "exercise/CPracticeDlg.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "audio/AudioMessages.h"
#include "audio/CSoundPlayer.h"
#include "audio/ConvertMp3ToWav.h"
#include "charstudy/CWritingPad.h"
#include "charstudy/WordData.h"
#include "exercise/PracticeColours.h"
#include "lesson/DialogControls.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/SkinLayout.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

using namespace skinlayout::exercise;

const QColor CPracticeDlg::kInk = practicecolours::kInk;
const QColor CPracticeDlg::kRightInk = practicecolours::kRight;
const QColor CPracticeDlg::kWrongInk = practicecolours::kWrong;

CPracticeDlg::CPracticeDlg(const QString& replayTooltip, const QString& closeTooltip, QWidget* parent)
    : SkinDialog(kSize, parent) {
    InitSkin(SkinPath());
    m_title = AddLabel(this, "title", kTitle, 22, true, QColor(255, 253, 247));
    m_title->setWordWrap(false);
    m_progressText = AddLabel(this, "progresstext", QRect(kTitle.right(), kTitle.top(), 170, kTitle.height()),
                              15, false, QColor(207, 230, 226));
    m_progressText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setGeometry(kProgress);
    m_progress->setTextVisible(false);
    m_progress->setStyleSheet(
        QStringLiteral("QProgressBar { border: 1px solid #a9cbc6; border-radius: 6px; background: #fffdf7; }"
                       "QProgressBar::chunk { border-radius: 5px; background: #2f7f7a; }"));
    m_instruction = AddLabel(this, "instruction", kInstruction, 17, true, QColor(33, 94, 90));
    m_promptPicture = AddLabel(this, "prompt", kPrompt.adjusted(0, 4, -60, -52), 15, false, kInk);
    m_promptPicture->setAlignment(Qt::AlignCenter);
    m_promptText =
        AddLabel(this, "prompttext", QRect(kPrompt.left(), kPrompt.bottom() - 50, kPrompt.width() - 60, 50),
                 18, false, kInk);
    m_promptText->setAlignment(Qt::AlignCenter);
    m_replay =
        dialogs::AddButton(this, 0, kReplay, artwork::kReplayHover, artwork::kReplayNormal, replayTooltip);
    m_replay->setObjectName(QString::fromLatin1(kReplayId));
    // The window's keys (Space, digits, Enter) belong to the window, never to a focused button.
    m_replay->setFocusPolicy(Qt::NoFocus);
    connect(m_replay, &QPushButton::clicked, this, [this] { Replay(); });
    auto* close =
        dialogs::AddButton(this, 2, kClose, artwork::kCloseHover, artwork::kCloseNormal, closeTooltip);
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QPushButton::clicked, this, [this] {
        dialogs::PlayClickSound();
        reject();
    });
    m_answers = new QWidget(this);
    m_answers->setObjectName(QStringLiteral("answers"));
    m_answers->setGeometry(kAnswers);
    m_feedback = AddLabel(this, "feedback", kFeedback.adjusted(0, 0, 0, -40), 17, true, kInk);
    m_answerPicture =
        AddLabel(this, "answer", QRect(kFeedback.left(), kFeedback.top() + 36, kFeedback.width(), 46), 15,
                 false, kInk);
    m_answerPicture->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

std::string CPracticeDlg::SkinPath() {
    return GetProgramFolder() + "skins\\Exercise\\exercise.bmp";
}

QLabel* CPracticeDlg::AddLabel(QWidget* parent, const char* id, const QRect& place, int pixelSize, bool bold,
                               QColor colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(id));
    label->setGeometry(place);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    SetTextColour(label, colour);
    label->setWordWrap(true);
    return label;
}

void CPracticeDlg::SetTextColour(QWidget* widget, const QColor& colour) {
    // A palette rather than a style sheet: each style sheet gives its widget a style of its own,
    // which costs the window's start dearly.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

BitmapButton* CPracticeDlg::AddCommand(const char* id, int hoverId, int normalId, const QString& label,
                                       std::function<void()> handler) {
    BitmapButton* button = dialogs::AddButton(this, 0, Command(0), hoverId, normalId, label);
    button->setObjectName(QString::fromLatin1(id));
    button->setFocusPolicy(Qt::NoFocus);
    button->setText(label);
    button->SetAlign(0);
    QFont font = button->font();
    font.setPixelSize(15);
    font.setBold(true);
    button->setFont(font);
    connect(button, &QPushButton::clicked, this, [handler = std::move(handler)] {
        dialogs::PlayClickSound();
        handler();
    });
    return button;
}

void CPracticeDlg::LineUpCommands(std::initializer_list<BitmapButton*> commands) {
    int place = 0;
    for (BitmapButton* command : commands)
        if (command->isVisibleTo(this))
            command->setGeometry(Command(place++));
}

void CPracticeDlg::SetFeedback(const QString& text, const QColor& colour) {
    SetTextColour(m_feedback, colour);
    m_feedback->setText(text);
}

void CPracticeDlg::ShowPromptPicture(const QImage& picture) {
    if (picture.isNull()) {
        m_promptPicture->clear();
        return;
    }
    const double room = std::min(static_cast<double>(m_promptPicture->width()) / picture.width(),
                                 static_cast<double>(m_promptPicture->height()) / picture.height());
    const double scale = std::clamp(room, 1.0, 2.0);
    m_promptPicture->setPixmap(QPixmap::fromImage(
        scale > 1.0 ? picture.scaled(picture.size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    : picture));
}

bool CPracticeDlg::PlayMp3(const std::string& path) {
    const std::string wave = ConvertMp3ToWav(path);
    if (wave.empty()) {
        g_log.Write("practice: no sound to play from %s", path.c_str());
        return false;
    }
    PlaySoundFile(wave, SND_ASYNC | SND_FILENAME);
    return true;
}

void CPracticeDlg::PlayWhenShown(std::function<void()> play) {
    if (m_painted)
        QTimer::singleShot(0, this, std::move(play));
    else
        m_playWhenPainted = std::move(play);
}

void CPracticeDlg::paintEvent(QPaintEvent* event) {
    SkinDialog::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    // The first sound opens the sound device, which takes a while: the window is on the screen first.
    if (m_playWhenPainted)
        QTimer::singleShot(0, this, std::move(m_playWhenPainted));
    m_playWhenPainted = nullptr;
}

CWritingPad* CPracticeDlg::AddWritingPad(const std::u16string& character, const std::u16string& pinyin,
                                         const std::string& strokeOrderPrompt,
                                         std::function<void()> afterStroke) {
    auto* pad = new CWritingPad(m_answers);
    pad->setObjectName(QStringLiteral("pad"));
    pad->Create(m_answers, (m_answers->width() - CWritingPad::kWidth) / 2, 0);
    pad->SetStrokeOrderPrompt(strokeOrderPrompt);
    pad->SetStrokeRejectedDisplay(
        [this](const std::string& prompt) { SetFeedback(QString::fromStdString(prompt), kWrongInk); });
    pad->SetGradeDisplay([](const std::string&) {});
    pad->installEventFilter(this);
    m_afterStroke = std::move(afterStroke);
    WordData data(true);
    data.SetWord(character, pinyin, character, WordData::kNoWordId);
    std::u16string explanation;
    int strokeCount = 0;
    QImage pinyinPicture, wordPicture;
    data.Load(explanation, strokeCount, pinyinPicture, wordPicture, true);
    const std::string id = data.CharacterIdOfWord();
    data.LoadStrokeImages(id);
    pad->SetStrokeImages(data.StrokeImages());
    pad->SetCharacter(data.LoadEmptyImage(id));
    pad->ShowBackground();
    pad->StartPractice(data.WriteStrokeFile(id));
    return pad;
}

bool CPracticeDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && dynamic_cast<CWritingPad*>(watched) && m_afterStroke) {
        // The pad takes the stroke first; what follows is decided once it has.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_afterStroke)
                    m_afterStroke();
            },
            Qt::QueuedConnection);
    }
    return SkinDialog::eventFilter(watched, event);
}
