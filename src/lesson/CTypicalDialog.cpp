#include "lesson/CTypicalDialog.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "audio/AudioMessages.h"
#include "audio/CSoundPlayer.h"
#include "audio/ConvertMp3ToWav.h"
#include "audio/SpeechSpeed.h"
#include "data/ContentQuery.h"
#include "data/Queries.h"
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

// Writes a row's sound as MP3 and decodes it beside; the WAV's path, or "" when the row has none.
// The files of an earlier sentence go first, so that they are never played in place of this one's.
std::string WriteSound(const CADORecordset& rs, const std::string& mp3) {
    const std::string wav = mp3.substr(0, mp3.size() - 4) + ".wav";
    for (const std::string& stale : {mp3, wav})
        std::remove(ResolveContentPath(stale).c_str());
    if (!rs.IsEOF() && rs.SaveFieldToFile("sound", mp3))
        return speech::SoundAtSpeed(ConvertMp3ToWav(mp3), g_lessonSettings.m_speechSpeed);
    return "";
}

} // namespace

CTypicalDialog::CTypicalDialog(QWidget* parent)
    : SkinDialog(kSize, parent), m_sentenceLine(new CMeaningDia(this)), m_selectedLine(new CMeaningDia(this)),
      m_play(PlayAsync) {
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
    CADORecordset rs;
    if (OpenContentQuery(rs, g_pLessonDb, SqlQuery::Format(sql::kTypicalById, {m_typicalId})) &&
        !rs.IsEOF()) {
        rs.GetFieldValue("sentence", m_sentence);
        rs.GetFieldValue("pinyin", m_pinyin);
    }
    m_translationTop = kSentenceTop + m_sentenceLine->Show(LineRecord(m_sentence, m_pinyin, kSentenceTop));
    CADORecordset translated;
    if (OpenContentQuery(translated, g_pLessonDb,
                         SqlQuery::Format(sql::kTypicalTranslation, {g_strLangSuffix, m_typicalId})) &&
        !translated.IsEOF())
        translated.GetFieldValue("translation", m_translation);
}

void CTypicalDialog::LoadExamples() {
    std::string failedSql;
    lesson::ReadTypicalExamples(g_pLessonDb, g_strLangSuffix, m_typicalId, m_examples, failedSql);
    MakeDirectoryPath(g_strTempLessonDir);
    CADORecordset rs;
    if (OpenContentQuery(rs, g_pLessonDb, SqlQuery::Format(sql::kTypicalDemos, {m_typicalId}))) {
        for (int n = 0; !rs.IsEOF(); rs.MoveNext(), ++n) {
            WriteSound(rs, g_strTempLessonDir + "/" + std::to_string(n) + ".mp3");
        }
    }
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
    CADORecordset rs;
    const SqlQuery query = SqlQuery::Format(sql::kTypicalById, {m_typicalId});
    if (!OpenContentQuery(rs, g_pLessonDb, query)) {
        GetUserNotice().Show(UserNotice::Kind::Error, query.Text(), "open database fail");
        return;
    }
    MakeDirectoryPath(g_strTempLessonDir);
    const std::string wav = WriteSound(rs, g_strTempLessonDir + "/dxja.mp3");
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
