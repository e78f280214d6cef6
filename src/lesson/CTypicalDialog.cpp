#include "lesson/CTypicalDialog.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "audio/AudioMessages.h"
#include "audio/CSoundPlayer.h"
#include "audio/ConvertMp3ToWav.h"
#include "audio/SpeechSpeed.h"
#include "lesson/LessonContentService.h"
#include "lesson/LessonSettings.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/DialogKeys.h"

#include <QPainter>

#include <cstdio>

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr int kLineLeft = 50;
constexpr int kLineWidth = 458;
constexpr int kSentenceTop = 230;
constexpr int kSelectedTop = 330;
constexpr int kExampleTop = 425; // the first example line; its meaning is written at 467
constexpr int kExampleStep = 65;
constexpr int kMeaningTop = 467;

void PlayAsync(const std::string& path) {
    PlaySoundFile(path, SND_ASYNC | SND_FILENAME);
}

// Decodes a sound written as MP3 beside it, at the learner's speed; the WAV's path, or "" when no
// MP3 was written. The WAV of an earlier sentence goes first, so that it is never played in place
// of this one's.
std::string DecodedSound(const std::string& mp3, bool written) {
    std::remove(ResolveContentPath(mp3.substr(0, mp3.size() - 4) + ".wav").c_str());
    return written ? speech::SoundAtSpeed(ConvertMp3ToWav(mp3), g_lessonSettings.m_speechSpeed) : "";
}

std::string ExampleMp3(int number) {
    return g_strTempLessonDir + "/" + std::to_string(number) + ".mp3";
}

} // namespace

CTypicalDialog::CTypicalDialog(LessonContentService& content, QWidget* parent)
    : SkinDialog(kSize, parent), m_content(content), m_sentenceLine(new CMeaningDia(this)),
      m_selectedLine(new CMeaningDia(this)), m_play(PlayAsync) {
    setObjectName("278");
    InitSkin(GetProgramFolder() + "image\\dxj.bmp");
    for (CMeaningDia* line : {m_sentenceLine, m_selectedLine})
        line->SetBackground(g_clrWindowBk);
    MakeButton(kCloseId, 329, 328, "exit", skinlayout::detail::kClose);
    m_playExample = MakeButton(kPlayExampleId, 260, 259, "play", QRect(10, kSelectedTop, 36, 36));
    m_playExample->hide();
    MakeButton(kPlayTypicalId, 260, 259, "play", QRect(10, kSentenceTop, 36, 36));
}

CTypicalDialog::~CTypicalDialog() {
    for (CMeaningDia*& line : m_exampleLines) {
        delete line;
        line = nullptr;
    }
}

BitmapButton* CTypicalDialog::MakeButton(int id, int hover, int normal, const char* tooltip,
                                         const QRect& place) {
    auto* button = new BitmapButton(this);
    button->setObjectName(QString::number(id));
    button->setGeometry(place);
    button->SetBitmaps(hover, kRed, normal, kRed);
    button->SetTooltipText(tooltip);
    button->DrawTransparent();
    button->SetBorder(false);
    button->SetCursorResource(artwork::kHandCursor);
    QObject::connect(button, &QPushButton::clicked, this, [this, id] {
        if (id == kCloseId)
            hide();
        else if (id == kPlayExampleId)
            PlayExample();
        else
            PlayTypical();
    });
    return button;
}

std::string CTypicalDialog::ExampleWav(int number) {
    return g_strTempLessonDir + "//" + std::to_string(number) + ".wav";
}

MeaningRecord CTypicalDialog::LineRecord(const std::u16string& words, const std::u16string& pinyin,
                                         int top) const {
    MeaningRecord r;
    r.lessonNumber = 0;
    r.words = words;
    r.pinyin = pinyin;
    r.top = top;
    r.left = kLineLeft;
    r.width = kLineWidth;
    r.lineGap = 5;
    r.firstIndent = 10;
    r.UsePinyinAboveStyle(CurrentChineseTextSize());
    return r;
}

void CTypicalDialog::ShowTypical(const std::string& typicalId) {
    for (CMeaningDia* line : m_exampleLines)
        if (line)
            line->hide();
    m_selectedLine->hide();
    m_typicalId = typicalId;
    m_selected = -1;
    m_toPlay = -1;
    m_playExample->hide();
    LoadSentence();
    LoadExamples();
    show();
    update();
}

void CTypicalDialog::LoadSentence() {
    m_sentence.clear();
    m_pinyin.clear();
    m_translation.clear();
    lesson::Typical typical = m_content.ReadTypical(m_typicalId);
    m_sentence = std::move(typical.sentence);
    m_pinyin = std::move(typical.pinyin);
    m_translation = std::move(typical.translation);
    m_translationTop = kSentenceTop + m_sentenceLine->Show(LineRecord(m_sentence, m_pinyin, kSentenceTop));
}

void CTypicalDialog::LoadExamples() {
    m_content.ReadTypicalExamples(m_typicalId, m_examples);
    MakeDirectoryPath(g_strTempLessonDir);
    const std::vector<bool> written = m_content.SaveTypicalExampleSounds(m_typicalId, ExampleMp3);
    for (size_t n = 0; n < written.size(); ++n)
        DecodedSound(ExampleMp3(static_cast<int>(n)), written[n]);
    for (size_t i = 0; i < m_examples.size() && i < m_exampleLines.size(); ++i) {
        if (!m_exampleLines[i]) {
            m_exampleLines[i] = new CMeaningDia(this);
            m_exampleLines[i]->SetClickMode(CMeaningDia::kTypicalDialog);
            m_exampleLines[i]->SetBackground(g_clrWindowBk);
        }
        MeaningRecord r = LineRecord(m_examples[i].content, m_examples[i].pinyin,
                                     kExampleTop + static_cast<int>(i) * kExampleStep);
        r.itemNumber = static_cast<int>(i) + 2;
        m_exampleLines[i]->Show(r);
    }
}

void CTypicalDialog::OnMeaningLineClicked(int number) {
    if (number < 0 || number >= static_cast<int>(m_examples.size()))
        return;
    m_selected = number;
    m_toPlay = number;
    const lesson::TypicalExample& example = m_examples[static_cast<size_t>(number)];
    m_selectedLine->Show(LineRecord(example.content, example.pinyin, kSelectedTop));
    m_playExample->show();
    update();
}

void CTypicalDialog::PlayExample() {
    if (m_toPlay >= 0 && FileExists(ResolveContentPath(ExampleWav(m_toPlay))))
        m_play(ExampleWav(m_toPlay));
}

void CTypicalDialog::PlayTypical() {
    MakeDirectoryPath(g_strTempLessonDir);
    const std::string mp3 = g_strTempLessonDir + "/dxja.mp3";
    const LessonContentService::Stored sound = m_content.SaveTypicalSound(m_typicalId, mp3);
    if (sound == LessonContentService::Stored::kQueryFailed) {
        GetUserNotice().Show(UserNotice::Kind::Error, m_content.LastError(), "open database fail");
        return;
    }
    const std::string wav = DecodedSound(mp3, sound == LessonContentService::Stored::kWritten);
    if (!wav.empty())
        m_play(wav);
}

void CTypicalDialog::DrawWrapped(QPainter& painter, const QRect& clear, const QRect& text,
                                 const std::string& value) {
    painter.fillRect(clear, Qt::white);
    painter.drawText(text, Qt::TextWordWrap, QString::fromStdString(value));
}

void CTypicalDialog::paintEvent(QPaintEvent* event) {
    SkinDialog::paintEvent(event);
    QPainter painter(this);
    painter.setFont(g_lessonSettings.Font());
    painter.setPen(g_lessonSettings.m_effective.MeaningColor());
    const QRect sentenceBand(60, m_translationTop, 440, 60);
    DrawWrapped(painter, sentenceBand, sentenceBand, m_translation);
    if (m_selected >= 0) {
        const int e = kSelectedTop + m_selectedLine->Height();
        DrawWrapped(painter, QRect(55, e, 445, 60), QRect(60, e, 440, 100),
                    m_examples[static_cast<size_t>(m_selected)].translation);
    }
    for (size_t i = 0; i < m_examples.size() && i < m_exampleLines.size(); ++i) {
        const int top = static_cast<int>(i) * kExampleStep + kMeaningTop;
        painter.fillRect(QRect(50, top, 450, 20), Qt::white);
        painter.drawText(QRect(50, top, 450, 20), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(m_examples[i].meaning));
    }
}

void CTypicalDialog::keyPressEvent(QKeyEvent* event) {
    if (!SwallowDialogKeys(event))
        SkinDialog::keyPressEvent(event);
}
