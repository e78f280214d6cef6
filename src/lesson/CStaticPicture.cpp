#include "lesson/CStaticPicture.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "audio/AudioMessages.h"
#include "audio/CSoundPlayer.h"
#include "audio/CWaveFileView.h"
#include "audio/ConvertMp3ToWav.h"
#include "audio/SpeechSpeed.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "render/BmpReader.h"
#include "ui/FindAncestor.h"
#include "ui/ProgramLook.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr const char* kIconFiles[] = {"image\\general.bmp", "image\\laba1.bmp", "image\\stop.bmp"};
// The word "menu" drawn when an icon is missing.
constexpr char16_t kMenuWord[] = u"菜单";

QImage LoadIcon(const char* relativePath) {
    const std::string path = ResolveContentPath(GetProgramFolder() + relativePath);
    return LoadPictureFile(path);
}

void PlayAndWait(const std::string& wavPath) {
    PlaySoundFile(wavPath, SND_FILENAME);
}

} // namespace

CStaticPicture::CStaticPicture(LessonContentService& content, QWidget* parent)
    : QWidget(parent), m_content(content), m_play(PlayAndWait) {}

void CStaticPicture::Create(const QRect& rect, int sentenceIndex, const std::string& sentenceId) {
    setObjectName("65535");
    setGeometry(rect);
    SetSentence(sentenceIndex, sentenceId);
    for (size_t i = 0; i < m_icons.size(); ++i)
        m_icons[i] = LoadIcon(kIconFiles[i]);
    show();
}

void CStaticPicture::SetSentence(int sentenceIndex, const std::string& sentenceId) {
    m_index = sentenceIndex;
    m_sentenceId = sentenceId;
}

void CStaticPicture::SetState(int state) {
    m_state = state;
    repaint();
}

bool CStaticPicture::FetchSound() {
    const std::string soundPath = g_strTempLessonDir + "/" + m_sentenceId + ".mp3";
    MakeDirectoryPath(g_strTempLessonDir);
    const LessonContentService::Stored sound = m_content.CopySentenceSound(m_sentenceId, soundPath);
    if (sound == LessonContentService::Stored::kQueryFailed) {
        GetUserNotice().Show(UserNotice::Kind::Error, m_content.LastError(), "open database fail");
        return false;
    }
    m_soundPath = soundPath;
    return sound != LessonContentService::Stored::kNoRow;
}

void CStaticPicture::ConvertSound() {
    m_soundPath = m_soundPath.empty()
                      ? std::string()
                      : speech::SoundAtSpeed(ConvertMp3ToWav(m_soundPath), g_lessonSettings.m_speechSpeed);
}

void CStaticPicture::ReadSentence() {
    SetState(kReading);
    m_soundPath.clear();
    FetchSound();
    ConvertSound();
    if (!m_soundPath.empty())
        m_play(m_soundPath);
    SetState(kNormal);
}

void CStaticPicture::PrepareSound() {
    m_soundPath.clear();
    FetchSound();
    ConvertSound();
}

int CStaticPicture::PrepareSoundSeconds() {
    PrepareSound();
    if (m_soundPath.empty() || !FileExists(m_soundPath))
        return 0;
    try {
        return SoundLengthSeconds(m_soundPath);
    } catch (...) {
        // An undecodable sound lasts no time; the pause is then only the fixed part.
        return 0;
    }
}

void CStaticPicture::OnCommand(int command) {
    switch (command) {
    case kReadSentence:
        ReadSentence();
        break;
    case kListenRepeat:
        ListenAndRepeat();
        break;
    case kReadOrSilence:
        SetState(m_state == kSilent ? kNormal : kSilent);
        break;
    case kShowHideMeaning:
        ToggleMeaning();
        break;
    default:
        if (command > kSpeedCommandBase && command <= kSpeedCommandBase + 100)
            ChooseSpeed(command - kSpeedCommandBase);
        break;
    }
}

void CStaticPicture::ListenAndRepeat() {
    m_soundPath.clear();
    FetchSound();
    if (auto* window = FindAncestor<LessonWindowServices>(this))
        window->ShowListenSpeak(m_sentenceText, m_sentencePinyin, m_soundPath);
}

void CStaticPicture::ToggleMeaning() {
    m_meaningState = m_meaningState == 0 ? 2 : 0;
    if (auto* panel = FindAncestor<TranslationSwitch>(this))
        panel->ToggleTranslation(m_index);
}

QMenu* CStaticPicture::BuildMenu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    programlook::StyleMenu(*menu);
    menu->addSection(QString());
    // An & in a text is shown as written ("Listen & Repeat"), not taken as a shortcut mark.
    auto add = [&](int command, const QString& text) {
        menu->addAction(QString(text).replace(u'&', QStringLiteral("&&")))->setData(command);
    };
    add(kReadSentence, g_lessonSettings.QTextOr(LessonText::Item_ReadSentence, "Read the Sentence"));
    add(kListenRepeat, g_lessonSettings.QText(LessonText::Item_ListenRepeat));
    // Without this item no sentence could be made silent for the reading of the whole text.
    add(kReadOrSilence, g_lessonSettings.QText(m_state == kSilent ? LessonText::Item_ReadOrSilence1
                                                                  : LessonText::Item_ReadOrSilence));
    const auto* panel = FindAncestor<TranslationSwitch>(this);
    const bool shown = !panel || panel->IsTranslationShown(m_index);
    add(kShowHideMeaning,
        g_lessonSettings.QText(shown ? LessonText::Item_ShowHideMeaning : LessonText::Item_ShowHideMeaning1));
    AddSpeedMenu(*menu);
    return menu;
}

// The speed every sentence is heard at, in the lesson window and in the speaking practice.
void CStaticPicture::AddSpeedMenu(QMenu& menu) {
    QMenu* speeds = menu.addMenu(g_lessonSettings.QTextOr(LessonText::Item_Speed, "Speed"));
    programlook::StyleMenu(*speeds);
    for (const int percent : speech::kSpeeds) {
        QAction* action = speeds->addAction(QStringLiteral("%1×").arg(percent / 100.0));
        action->setCheckable(true);
        action->setChecked(percent == g_lessonSettings.m_speechSpeed);
        action->setData(kSpeedCommandBase + percent);
    }
}

void CStaticPicture::ChooseSpeed(int percent) {
    if (auto* window = FindAncestor<LessonWindowServices>(this))
        window->ChooseSpeechSpeed(percent);
}

void CStaticPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    QMenu* menu = BuildMenu(this);
    QAction* chosen = menu->exec(mapToGlobal(event->position().toPoint()));
    const int command = chosen ? chosen->data().toInt() : 0;
    delete menu;
    OnCommand(command);
}

void CStaticPicture::paintEvent(QPaintEvent*) {
    if (m_state < 0 || m_state >= static_cast<int>(m_icons.size()))
        return;
    QPainter painter(this);
    const QImage& icon = m_icons[static_cast<size_t>(m_state)];
    if (!icon.isNull())
        painter.drawImage(QRect(0, 0, kIconSize, kIconSize), icon);
    else
        painter.drawText(QRect(0, 0, width(), height()), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromUtf16(kMenuWord));
}
