#include "audio/CListenSpeakDlg.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "audio/AudioMessages.h"
#include "audio/CPitchContourView.h"
#include "audio/CSoundPlayer.h"
#include "audio/CSpeedChoice.h"
#include "audio/CWaveformStatic.h"
#include "audio/ConvertMp3ToWav.h"
#include "audio/SpeakingPractice.h"
#include "audio/SpeechSpeed.h"
#include "render/SentenceGrid.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/DialogKeys.h"
#include "ui/ResourceImages.h"

#include <QLabel>
#include <QPainter>

namespace {

constexpr QRgb kButtonTransparent = 0xFFFF0000;

QRect DialogRect(int x, int y, int w, int h) {
    constexpr int k = CListenSpeakDlg::kPixelsPerDialogUnit;
    return QRect(x * k, y * k, w * k, h * k);
}

} // namespace

CListenSpeakDlg::CListenSpeakDlg(QWidget* parent, IClock& clock) : QWidget(parent), m_clock(clock) {
    resize(kTemplateSize * kPixelsPerDialogUnit);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, g_clrWindowBk);
    setPalette(palette);
    CreateControls();
    m_session = std::make_unique<SpeakingPracticeSession>(*this, clock, g_strTempLessonDir + "\\rcsound.wav");
}

CListenSpeakDlg::~CListenSpeakDlg() = default;

void CListenSpeakDlg::CreateControls() {
    const std::optional<QCursor> hand = LoadCursorResource(artwork::kHandCursor);
    auto named = [](QWidget* widget, int id) { widget->setObjectName(QString::number(id)); };

    m_pModelWave = new CWaveformStatic(this, m_clock);
    named(m_pModelWave, IDC_MODEL_WAVE);
    connect(m_pModelWave, &CWaveformStatic::clicked, this, [this] { m_session->PlayModel(); });

    m_pLearnerWave = new CWaveformStatic(this, m_clock);
    named(m_pLearnerWave, IDC_LEARNER_WAVE);
    connect(m_pLearnerWave, &CWaveformStatic::clicked, this, [this] { OnPlayLearner(); });

    m_pContours = new CPitchContourView(this);
    named(m_pContours, IDC_CONTOURS);

    // The prompt line starts empty: it speaks only when there is something to say.
    m_pPrompt = new QLabel(this);
    named(m_pPrompt, IDC_PROMPT);
    m_pToneScore = new QLabel(this);
    named(m_pToneScore, IDC_TONE_SCORE);
    m_pToneScore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_pSpeed = new CSpeedChoice(this);
    named(m_pSpeed, IDC_SPEED);
    connect(m_pSpeed, &CSpeedChoice::speedChosen, this, &CListenSpeakDlg::speechSpeedChosen);

    // Placeholders of the template; clicks on them do nothing.
    const QRect iconRects[] = {DialogRect(51, 246, 20, 20), DialogRect(83, 246, 20, 20)};
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
    text->setGeometry(DialogRect(110, 258, 108, 8));
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

    m_pPlayLearner = new BitmapButton(this);
    named(m_pPlayLearner, IDC_PLAY_LEARNER);
    SetUpPlayButton(m_pPlayLearner, artwork::kPlayLearnerHover, artwork::kPlayLearnerNormal);
    connect(m_pPlayLearner, &QPushButton::clicked, this, &CListenSpeakDlg::OnPlayLearner);
    LayOutControls();
}

void CListenSpeakDlg::MakeRoomForGrid(int overflow) {
    m_gridOverflow = overflow;
    LayOutControls();
}

void CListenSpeakDlg::LayOutControls() {
    const int w = width(), y = m_gridOverflow;
    m_pModelWave->setGeometry(0, 66 + y, w - 2, 140);
    m_pPlayLearner->setGeometry(DialogRect(1, 105, 18, 19).translated(0, y));
    m_pSpeed->setGeometry(w - 152, 216 + y, 150, 26);
    m_pLearnerWave->setGeometry(2, 250 + y, w - 4, 140);
    m_pContours->setGeometry(2, 394 + y, w - 4, 80);
    m_pPrompt->setGeometry(2, 478 + y, w - 152, 20);
    m_pToneScore->setGeometry(w - 146, 478 + y, 144, 20);
}

void CListenSpeakDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutControls();
}

void CListenSpeakDlg::SetUpPlayButton(BitmapButton* button, int hoverId, int normalId) {
    button->SetBitmaps(hoverId, kButtonTransparent, normalId, kButtonTransparent);
    button->SetTooltipText(QStringLiteral("play"));
    button->DrawTransparent();
    button->SetBorder(false);
    button->SetCursorResource(artwork::kHandCursor);
}

void CListenSpeakDlg::SetSentenceText(const std::u16string& sentence, const std::u16string& pinyin) {
    m_strSentence = sentence;
    const speaking::SentenceSyllables syllables = speaking::ReadSentenceSyllables(sentence, pinyin);
    m_syllables = syllables.written;
    m_session->SetSentenceTones(syllables.tones, syllables.pauseAfter);
}

bool CListenSpeakDlg::SetModel(const std::string& modelMp3Path) {
    if (modelMp3Path.empty() || !FileExists(ResolveContentPath(modelMp3Path)))
        return false;
    m_strModelMp3 = modelMp3Path;
    m_strModelPath = speech::SoundAtSpeed(ConvertMp3ToWav(modelMp3Path), m_speechSpeed);
    try {
        m_pModelWave->LoadFile(m_strModelPath);
    } catch (...) {
        g_log.Write("CListenSpeakDlg::SetModel cannot load %s", m_strModelPath.c_str());
    }
    m_pModelWave->Invalidate();
    m_display = CurrentGlyphDisplay(devicePixelRatioF());
    m_pictures = LoadSentencePictures(m_strSentence, m_display.PictureScale());
    MakeRoomForGrid(SentenceGridOverflow(CharacterCount(), m_display.textSize));
    m_session->SetModel(m_strModelPath);
    update();
    return true;
}

void CListenSpeakDlg::SetSpeechSpeed(int percent) {
    percent = speech::ValidSpeed(percent);
    m_pSpeed->SetSpeed(percent);
    if (percent == m_speechSpeed)
        return;
    m_speechSpeed = percent;
    if (!m_strModelMp3.empty() && !IsRecording())
        SetModel(m_strModelMp3);
}

void CListenSpeakDlg::OnPlayModel() {
    m_pModelWave->Invalidate();
    m_session->PlayModel();
}

void CListenSpeakDlg::OnPlayLearner() {
    PlaySoundFile(m_session->RecordPath(), SND_ASYNC | SND_FILENAME);
}

bool CListenSpeakDlg::PlayModelWithCursor() {
    return m_pModelWave->IsLoaded() && m_pModelWave->PlayWithCursor();
}

void CListenSpeakDlg::ShowPrompt(const std::string& text) {
    m_pPrompt->setText(QString::fromStdString(text));
}

void CListenSpeakDlg::ShowRecording(const std::string& path) {
    if (path.empty()) {
        m_pLearnerWave->Unload();
    } else {
        try {
            m_pLearnerWave->LoadFile(path);
        } catch (...) {
            m_pLearnerWave->Unload();
        }
    }
    m_pLearnerWave->Invalidate();
}

void CListenSpeakDlg::ShowTones() {
    const tones::ToneScore& score = m_session->Tones();
    m_pContours->SetContours(m_session->ModelContour(), m_session->LearnerContour(), score, m_syllables);
    const bool scored = m_session->IsRated() && !score.syllables.empty();
    m_pToneScore->setText(scored ? QStringLiteral("Tones: %1").arg(score.sentence) : QString());
}

void CListenSpeakDlg::paintEvent(QPaintEvent*) {
    // Device pixels, so that every picture pixel lands on one pixel of the screen.
    QImage ground(m_display.ToDevice(width()), m_display.ToDevice(height()), QImage::Format_RGB32);
    ground.setDevicePixelRatio(m_display.devicePixelRatio);
    ground.fill(g_clrWindowBk);
    DrawSentenceGrid(ground, m_pictures, m_display);
    QPainter painter(this);
    painter.drawImage(0, 0, ground);
}

void CListenSpeakDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape neither confirm nor close the pane.
    if (!SwallowDialogKeys(event))
        QWidget::keyPressEvent(event);
}
