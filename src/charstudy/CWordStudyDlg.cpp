#include "charstudy/CWordStudyDlg.h"

#include "app/CIniFile.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "app/UserNotice.h"
#include "audio/AudioMessages.h"
#include "audio/CSoundPlayer.h"
#include "audio/ConvertMp3ToWav.h"
#include "charstudy/CWritingPad.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr char kClickSound[] = "sound\\pagedownup.wav";
// The colour of button faces that lets the ground show through.
constexpr QRgb kFaceTransparent = qRgb(255, 0, 0);
constexpr QPoint kPadPosition{10, 180};
constexpr int kButtonX = 296, kButtonTop = 200, kButtonPitch = 50;

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QLabel* MakeLabel(QWidget* parent, int id, QRect place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::number(id));
    label->setGeometry(place);
    return label;
}

void PlayClickSound() {
    PlaySoundFile(GetProgramFolder() + kClickSound, SND_ASYNC | SND_FILENAME);
}

} // namespace

CWordStudyDlg::Texts CWordStudyDlg::ReadTexts(const std::string& iniPath) {
    const CIniFile ini(iniPath);
    const auto prompt = [&](const char* key) { return ini.GetString("WORDSTUDY_PROMPT", key); };
    const auto tooltip = [&](const char* key) { return ini.GetString("WORDSTUDY_TOOLTIP", key); };
    return Texts{prompt("MsgBoxTitle"),  prompt("BhOrder"),     prompt("Grades"),   tooltip("BtnGrade"),
                 tooltip("BtnExercise"), tooltip("BtnCartoon"), tooltip("BtnSpeak")};
}

CWordStudyDlg::CWordStudyDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("WordStudy");
    setFixedSize(kSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, g_clrWindowBk);
    setPalette(palette);
    setAutoFillBackground(true);
    m_texts = ReadTexts(ResolveContentPath(GetProgramFolder() + "wordstudy_" + g_strLangSuffix + ".ini"));
    SetUpControls();
}

BitmapButton* CWordStudyDlg::MakeButton(int id, int hoverId, int normalId, const std::string& tooltip,
                                        int row) {
    auto* button = new BitmapButton(this);
    button->setObjectName(QString::number(id));
    button->setGeometry(kButtonX, kButtonTop + row * kButtonPitch, 96, 34);
    button->SetBitmaps(hoverId, kFaceTransparent, normalId, kFaceTransparent);
    button->SetTooltipText(QString::fromStdString(tooltip));
    button->DrawTransparent();
    button->SetBorder(false);
    button->SetCursorResource(artwork::kHandCursor);
    return button;
}

void CWordStudyDlg::SetUpControls() {
    m_pad = new CWritingPad(this);
    m_pad->Create(this, kPadPosition.x(), kPadPosition.y());
    m_pad->SetStrokeOrderPrompt(m_texts.bhOrder);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QString::number(kLookupEdit));
    m_edit->setGeometry(20, 12, 220, 28);
    auto* lookUp = new QPushButton(tr("Look up"), this);
    lookUp->setObjectName(QString::number(kLookupButton));
    lookUp->setGeometry(250, 12, 96, 28);
    lookUp->setAutoDefault(false);
    connect(lookUp, &QPushButton::clicked, this, &CWordStudyDlg::OnLookUp);
    connect(m_edit, &QLineEdit::returnPressed, this, &CWordStudyDlg::OnLookUp);

    m_pinyinPicture = MakeLabel(this, kPinyinPicture, QRect(20, 50, 380, 26));
    m_wordPicture = MakeLabel(this, kWordPicture, QRect(20, 78, 380, 34));
    m_partOfSpeech = MakeLabel(this, kPartOfSpeech, QRect(20, 116, 120, 20));
    m_strokeCount = MakeLabel(this, kStrokeCount, QRect(150, 116, 60, 20));
    m_explanation = MakeLabel(this, kExplanation, QRect(20, 138, 380, 38));
    m_explanation->setWordWrap(true);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const struct {
        int id, hover, normal;
        const std::string& tooltip;
        void (CWordStudyDlg::*command)();
    } buttons[] = {{kSoundButton, 303, 304, m_texts.btnSpeak, &CWordStudyDlg::OnSound},
                   {kAnimationButton, 299, 300, m_texts.btnCartoon, &CWordStudyDlg::OnAnimation},
                   {kPractiseButton, 302, 301, m_texts.btnExercise, &CWordStudyDlg::OnPractise},
                   {kGradeButton, 305, 298, m_texts.btnGrade, &CWordStudyDlg::OnGrade}};
    int row = 0;
    for (const auto& b : buttons) {
        BitmapButton* button = MakeButton(b.id, b.hover, b.normal, b.tooltip, row++);
        const auto command = b.command;
        connect(button, &QPushButton::clicked, this, [this, command] {
            PlayClickSound();
            (this->*command)();
        });
    }
}

bool CWordStudyDlg::BeginWord(const std::u16string& word, const std::u16string& pinyin,
                              const std::string& wordId) {
    m_pad->StopAnimation();
    m_pad->ShowBackground();
    m_word = word.substr(0, WordData::kMaxTextLength);
    m_pinyin = pinyin.substr(0, WordData::kMaxTextLength);
    m_wordId = wordId.empty() ? WordData::kNoWordId : wordId;
    if (m_word.empty())
        return false;
    m_practice = false;
    m_pad->ResetWriting();
    return true;
}

void CWordStudyDlg::ShowCharacterOnPad() {
    const std::string id = m_data.CharacterIdOfWord();
    m_data.LoadStrokeImages(id);
    m_pad->SetStrokeImages(m_data.StrokeImages());
    m_pad->SetCharacter(m_data.LoadEmptyImage(id));
}

void CWordStudyDlg::ExtractWordSound() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    char name[32];
    std::snprintf(name, sizeof name, "\\%d.mp3", std::rand() % 100);
    m_soundPath = g_strTempLessonDir + name;
    m_data.ExtractSound(m_singleCharacter, m_soundPath);
}

void CWordStudyDlg::SetWord(const std::u16string& word, const std::u16string& pinyin,
                            const std::u16string& textToDraw, const std::string& wordId) {
    if (!BeginWord(word, pinyin, wordId))
        return;
    m_data.ClearStrokeImages();
    m_data.SetWord(m_word, m_pinyin, textToDraw, m_wordId);
    m_singleCharacter = m_word.size() < 2;
    QImage pinyinBitmap, wordBitmap;
    int strokeCount = 0;
    m_data.LoadLessonWord(pinyinBitmap, wordBitmap, strokeCount, true);
    if (m_singleCharacter)
        ShowCharacterOnPad();
    else
        m_pad->ShowBackground();
    ExtractWordSound();
    ShowLookupResult(pinyinBitmap, wordBitmap, strokeCount);
    m_explanation->clear();
    m_partOfSpeech->clear();
}

void CWordStudyDlg::StudyWord(const std::u16string& word, const std::u16string& pinyin,
                              const std::string& wordId) {
    if (!BeginWord(word, pinyin, wordId))
        return;
    m_singleCharacter = m_word.size() < 2;
    m_data.SetWord(m_word, m_pinyin, m_word, m_wordId);
    std::u16string explanation;
    QImage pinyinBitmap, wordBitmap;
    int strokeCount = 0;
    m_data.Load(explanation, strokeCount, pinyinBitmap, wordBitmap, true);
    // The phrase's sound goes by the phrase's pinyin, so it is extracted before the pad turns
    // to the phrase's first character.
    ExtractWordSound();
    if (!m_singleCharacter) {
        m_data.SetWordText(m_word.substr(0, 1));
        std::u16string unused;
        QImage keepPinyin, keepWord;
        m_data.Load(unused, strokeCount, keepPinyin, keepWord, false);
    }
    ShowCharacterOnPad();
    ShowLookupResult(pinyinBitmap, wordBitmap, strokeCount);
    m_explanation->setText(ToQString(explanation));
    m_partOfSpeech->setText(ToQString(m_data.PartOfSpeechText()));
}

void CWordStudyDlg::ShowLookupResult(const QImage& pinyinBitmap, const QImage& wordBitmap, int strokeCount) {
    m_pinyinPicture->setPixmap(QPixmap::fromImage(pinyinBitmap));
    m_wordPicture->setPixmap(QPixmap::fromImage(wordBitmap));
    char count[16];
    std::snprintf(count, sizeof count, "%d", strokeCount);
    m_strokeCount->setText(count);
}

void CWordStudyDlg::OnSound() {
    if (m_soundPath.empty() || !FileExists(m_soundPath))
        return;
    m_pad->StopAnimation();
    m_pad->ShowWhole();
    const std::string wave = ConvertMp3ToWav(m_soundPath);
    if (!wave.empty())
        PlaySoundFile(wave, SND_ASYNC | SND_FILENAME);
}

void CWordStudyDlg::OnAnimation() {
    if (!CanUseCharacterButtons())
        return;
    m_pad->StartAnimation();
    m_practice = false;
}

void CWordStudyDlg::OnPractise() {
    if (!CanUseCharacterButtons())
        return;
    m_pad->StopAnimation();
    std::string writeError;
    const std::string path = m_data.WriteStrokeFile(m_data.CharacterIdOfWord(), &writeError);
    if (!writeError.empty()) {
        // Without the stroke file there is nothing to grade against: the practice does not start.
        GetUserNotice().Show(UserNotice::Kind::Warning, "Character practice",
                             "The writing practice cannot start: its working file could not be "
                             "written to the scratch folder (the disk may be full).\n\nReason: " +
                                 writeError + "\n\nEverything else keeps working.");
        return;
    }
    m_practice = true;
    m_pad->ResetWriting();
    m_pad->StartPractice(path);
}

void CWordStudyDlg::OnGrade() {
    if (CanUseCharacterButtons() && m_practice)
        m_pad->Grade();
}

void CWordStudyDlg::OnLookUp() {
    m_pad->StopAnimation();
    const std::u16string word = m_edit->text().trimmed().toStdU16String();
    if (word.empty())
        return;
    StudyWord(word, u"", WordData::kNoWordId);
}

void CWordStudyDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept();
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
