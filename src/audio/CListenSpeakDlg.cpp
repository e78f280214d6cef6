#include "audio/CListenSpeakDlg.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "audio/AudioMessages.h"
#include "audio/CPlayMMSound.h"
#include "audio/CPlaySound.h"
#include "audio/CRecordSound.h"
#include "audio/CSoundPlayer.h"
#include "audio/CWaveformStatic.h"
#include "audio/CWriteSoundFile.h"
#include "audio/ConvertMp3ToWav.h"
#include "audio/SpeakingPractice.h"
#include "render/SentenceGrid.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/DialogKeys.h"
#include "ui/ResourceImages.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

#include <cstdio>

namespace {

constexpr unsigned kSamplesPerSec = 8000;
constexpr auto kThreadEndWait = std::chrono::milliseconds(100);
constexpr auto kRecordingPollStep = std::chrono::milliseconds(200);
constexpr int kRecordingPollTries = 3;
// Voiced-length thresholds: the model's playing time, the model and the learner in the rating.
constexpr int kModelPlayThreshold = 0;
constexpr int kModelThreshold = 2000;
constexpr int kLearnerThreshold = 3000;
constexpr QRgb kButtonTransparent = 0xFFFF0000;
constexpr char kNoModelSound[] = "This sentence has no sound to repeat.";

QRect DialogRect(int x, int y, int w, int h) {
    constexpr int k = CListenSpeakDlg::kPixelsPerDialogUnit;
    return QRect(x * k, y * k, w * k, h * k);
}

// While the panel waits for the recording file it dispatches pending messages, but a request to
// close a window is dropped rather than handled in the middle of the wait; a quit ends the wait's
// dispatching.
class WaitMessageFilter final : public QObject {
public:
    bool quitSeen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close)
            return true;
        if (event->type() == QEvent::Quit)
            quitSeen = true;
        return false;
    }
};

} // namespace

CListenSpeakDlg::CListenSpeakDlg(QWidget* parent, IClock& clock)
    : QWidget(parent), m_clock(clock), m_timer1(clock, this, [this] { OnTimer1(); }) {
    resize(kTemplateSize * kPixelsPerDialogUnit);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, g_clrWindowBk);
    setPalette(palette);
    CreateControls();

    m_strRecordPath = g_strTempLessonDir + "\\rcsound.wav";
    if (!CreateSoundThreads())
        GetUserNotice().Show(UserNotice::Kind::Error, "", "init sound class error");
    if (m_pRecordSound && m_pPlaySound)
        m_pRecordSound->PostThreadMessage(WM_RECORD_SET_PLAYER, 0,
                                          std::make_unique<ThreadLink>(m_pPlaySound.get()));
    if (m_pRecordSound && m_pWriteSoundFile)
        m_pRecordSound->PostThreadMessage(WM_RECORD_SET_WRITER, 0,
                                          std::make_unique<ThreadLink>(m_pWriteSoundFile.get()));
}

CListenSpeakDlg::~CListenSpeakDlg() {
    m_timer1.Kill();
    EndSoundThreads();
}

void CListenSpeakDlg::CreateControls() {
    const std::optional<QCursor> hand = LoadCursorResource(artwork::kHandCursor);
    auto named = [](QWidget* widget, int id) { widget->setObjectName(QString::number(id)); };

    m_pModelWave = new CWaveformStatic(this, m_clock);
    named(m_pModelWave, IDC_MODEL_WAVE);
    m_pModelWave->setGeometry(DialogRect(0, 33, 217, 90));
    connect(m_pModelWave, &CWaveformStatic::clicked, this, [this] { PlayModel(); });

    m_pLearnerWave = new CWaveformStatic(this, m_clock);
    named(m_pLearnerWave, IDC_LEARNER_WAVE);
    m_pLearnerWave->setGeometry(DialogRect(1, 154, 216, 87));
    connect(m_pLearnerWave, &CWaveformStatic::clicked, this, [this] { OnPlayLearner(); });

    m_pPrompt = new QLabel(QStringLiteral("Prompt something."), this);
    named(m_pPrompt, IDC_PROMPT);
    m_pPrompt->setGeometry(DialogRect(1, 243, 142, 10));

    // Placeholders of the template; clicks on them do nothing.
    const QRect iconRects[] = {DialogRect(51, 252, 20, 20), DialogRect(83, 252, 20, 20)};
    const int iconIds[] = {IDC_ICON_LEFT, IDC_ICON_RIGHT};
    for (int i = 0; i < 2; ++i) {
        auto* icon = new QLabel(this);
        named(icon, iconIds[i]);
        icon->setGeometry(iconRects[i]);
        icon->hide();
        if (hand)
            icon->setCursor(*hand);
    }
    auto* text = new QLabel(this);
    named(text, IDC_TEXT);
    text->setGeometry(DialogRect(110, 260, 108, 8));
    text->hide();

    if (hand) {
        m_pModelWave->setCursor(*hand);
        m_pLearnerWave->setCursor(*hand);
    }

    auto* playModel = new BitmapButton(this);
    named(playModel, IDC_PLAY_MODEL);
    playModel->setGeometry(DialogRect(0, 11, 18, 20));
    SetUpPlayButton(playModel, artwork::kPlayModelHover, artwork::kPlayModelNormal);
    connect(playModel, &QPushButton::clicked, this, &CListenSpeakDlg::OnPlayModel);

    auto* playLearner = new BitmapButton(this);
    named(playLearner, IDC_PLAY_LEARNER);
    playLearner->setGeometry(DialogRect(1, 134, 18, 19));
    SetUpPlayButton(playLearner, artwork::kPlayLearnerHover, artwork::kPlayLearnerNormal);
    connect(playLearner, &QPushButton::clicked, this, &CListenSpeakDlg::OnPlayLearner);
}

void CListenSpeakDlg::SetUpPlayButton(BitmapButton* button, int hoverId, int normalId) {
    button->SetBitmaps(hoverId, kButtonTransparent, normalId, kButtonTransparent);
    button->SetTooltipText(QStringLiteral("play"));
    button->DrawTransparent();
    button->SetBorder(false);
    button->SetCursorResource(artwork::kHandCursor);
}

bool CListenSpeakDlg::CreateSoundThreads() {
    m_pRecordSound = std::make_unique<CRecordSound>(kSamplesPerSec, m_clock);
    if (!m_pRecordSound->CreateThread()) {
        m_pRecordSound.reset();
        return false;
    }
    m_pPlayMMSound = std::make_unique<CPlayMMSound>();
    if (!m_pPlayMMSound->CreateThread()) {
        m_pPlayMMSound.reset();
        return false;
    }
    m_pWriteSoundFile = std::make_unique<CWriteSoundFile>();
    if (!m_pWriteSoundFile->CreateThread()) {
        m_pWriteSoundFile.reset();
        return false;
    }
    m_pPlaySound = std::make_unique<CPlaySound>(kSamplesPerSec, m_clock);
    if (!m_pPlaySound->CreateThread()) {
        m_pPlaySound.reset();
        return false;
    }
    return true;
}

bool CListenSpeakDlg::SoundThreadsReady() const {
    return m_pRecordSound && m_pPlayMMSound && m_pWriteSoundFile && m_pPlaySound;
}

bool CListenSpeakDlg::WaitUntilSoundIdle(std::chrono::milliseconds timeout) {
    CWorkerThread* threads[] = {m_pRecordSound.get(), m_pPlayMMSound.get(), m_pWriteSoundFile.get(),
                                m_pPlaySound.get()};
    bool idle = true;
    for (CWorkerThread* thread : threads)
        if (thread)
            idle = thread->WaitUntilIdle(timeout) && idle;
    return idle;
}

void CListenSpeakDlg::EndSoundThreads() {
    auto end = [](CWorkerThread* thread, unsigned message) {
        if (thread && thread->PostThreadMessage(message))
            thread->WaitForEnd(kThreadEndWait);
    };
    end(m_pPlayMMSound.get(), WM_FILEPLAY_END);
    end(m_pPlaySound.get(), WM_PLAY_END);
    end(m_pRecordSound.get(), WM_RECORD_END);
    end(m_pWriteSoundFile.get(), WM_WAVWRITE_END);
    // The recorder and the file reader hold links to the player and the writer: they go first.
    m_pRecordSound.reset();
    m_pPlayMMSound.reset();
    m_pPlaySound.reset();
    m_pWriteSoundFile.reset();
}

void CListenSpeakDlg::SetSentenceText(const std::u16string& sentence) {
    m_strSentence = sentence;
    ForgetAttempt();
}

// A rating or recording of the previous sentence would pass for one of the new sentence.
void CListenSpeakDlg::ForgetAttempt() {
    m_timer1.Kill();
    if (m_bRecording && m_pRecordSound) {
        m_pRecordSound->PostThreadMessage(WM_RECORD_STOP);
        // The writer must be done with the file before it is deleted.
        WaitUntilSoundIdle(kRecordingPollStep * kRecordingPollTries);
    }
    m_bRecording = false;
    m_pLearnerWave->Unload();
    m_pLearnerWave->Invalidate();
    std::remove(ResolveContentPath(m_strRecordPath).c_str());
    m_pPrompt->setText(QString());
}

bool CListenSpeakDlg::HasModelSound() const {
    return m_pModelWave->IsLoaded() && m_pModelWave->Wave().SampleByteCount() > 0;
}

void CListenSpeakDlg::TellNoModelSound() {
    m_pPrompt->setText(QString::fromUtf8(kNoModelSound));
}

bool CListenSpeakDlg::SetModel(const std::string& modelMp3Path) {
    if (modelMp3Path.empty() || !FileExists(ResolveContentPath(modelMp3Path)))
        return false;
    m_strModelPath = ConvertMp3ToWav(modelMp3Path);
    try {
        m_pModelWave->LoadFile(m_strModelPath);
    } catch (...) {
        g_log.Write("CListenSpeakDlg::SetModel cannot load %s", m_strModelPath.c_str());
    }
    m_pModelWave->Invalidate();
    m_pictures = LoadSentencePictures(m_strSentence);
    if (!HasModelSound()) {
        g_log.Write("CListenSpeakDlg::SetModel %s has no samples", m_strModelPath.c_str());
        TellNoModelSound();
    }
    update();
    return true;
}

void CListenSpeakDlg::OnPlayModel() {
    m_pModelWave->Invalidate();
    PlayModel();
}

void CListenSpeakDlg::PlayModel() {
    // Without samples there is nothing to hear or to repeat: the learner is told so, and no
    // recording is armed.
    if (!HasModelSound() || !m_pModelWave->PlayWithCursor()) {
        if (!m_bRecording)
            TellNoModelSound();
        return;
    }
    if (m_bRecording)
        return;
    if (m_pRecordSound)
        m_pRecordSound->SetOutputPath(m_strRecordPath);
    m_timer1.Set(speaking::ModelPhaseMs(m_pModelWave->Wave().VoicedDuration(kModelPlayThreshold)));
}

void CListenSpeakDlg::OnPlayLearner() {
    PlaySoundFile(m_strRecordPath, SND_ASYNC | SND_FILENAME);
}

void CListenSpeakDlg::OnTimer1() {
    if (m_bRecording)
        FinishRecording();
    else
        StartRecording();
}

void CListenSpeakDlg::StartRecording() {
    // The cue: the panel waits for it to end before the learner speaks.
    PlaySoundFile(GetProgramFolder() + "sound\\du.wav", SND_FILENAME);
    m_pPrompt->setText(QStringLiteral("Start speaking..."));
    m_pLearnerWave->Unload();
    std::remove(ResolveContentPath(m_strRecordPath).c_str());
    if (m_pRecordSound)
        m_pRecordSound->PostThreadMessage(WM_RECORD_START);
    m_bRecording = true;
    m_timer1.Kill();
    m_timer1.Set(speaking::RecordingWindowMs(m_pModelWave->Wave().VoicedDuration(kModelThreshold)));
}

void CListenSpeakDlg::FinishRecording() {
    m_pPrompt->setText(QString());
    m_timer1.Kill();
    if (m_pRecordSound)
        m_pRecordSound->PostThreadMessage(WM_RECORD_STOP);
    PickUpRecording();
    m_pLearnerWave->Invalidate();
    m_bRecording = false;
    RateRecording();
}

void CListenSpeakDlg::PickUpRecording() {
    WaitMessageFilter filter;
    qApp->installEventFilter(&filter);
    for (int attempt = 0; attempt < kRecordingPollTries; ++attempt) {
        m_clock.Sleep(kRecordingPollStep);
        // Lets the recorder and the writer finish and the panel repaint meanwhile.
        if (!filter.quitSeen)
            QCoreApplication::processEvents();
        if (!FileExists(ResolveContentPath(m_strRecordPath)))
            continue;
        try {
            m_pLearnerWave->LoadFile(m_strRecordPath);
            break;
        } catch (...) {
        }
    }
    qApp->removeEventFilter(&filter);
}

void CListenSpeakDlg::RateRecording() {
    const float m = static_cast<float>(m_pModelWave->Wave().VoicedDuration(kModelThreshold));
    const float u = static_cast<float>(m_pLearnerWave->Wave().VoicedDuration(kLearnerThreshold));
    const float r = speaking::VoiceRatio(m, u);
    g_log.Write("%f,%f,%f", r, m, u);
    m_pPrompt->setText(QString::fromUtf8(speaking::Rating(r)));
}

void CListenSpeakDlg::paintEvent(QPaintEvent*) {
    QImage ground(size(), QImage::Format_RGB32);
    ground.fill(g_clrWindowBk);
    DrawSentenceGrid(ground, m_pictures);
    QPainter painter(this);
    painter.drawImage(0, 0, ground);
}

void CListenSpeakDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape neither confirm nor close the pane.
    if (!SwallowDialogKeys(event))
        QWidget::keyPressEvent(event);
}
