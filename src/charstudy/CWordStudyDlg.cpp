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
#include "charstudy/CWritingPadDlg.h"
#include "render/GlyphScale.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr char kClickSound[] = "sound\\pagedownup.wav";
// The colour of button faces that lets the ground show through.
constexpr QRgb kFaceTransparent = qRgb(255, 0, 0);
constexpr QPoint kPadPosition{10, 180};
constexpr int kButtonX = 296, kButtonTop = 188, kButtonPitch = 46;
constexpr QRect kFirstCharacterButton(266, 70, 36, 38);
constexpr int kCharacterButtonPitch = 38;
constexpr std::size_t kCharacterButtonsShown = 4;
constexpr QRect kFirstPhraseButton(284, 392, 130, 20);
constexpr int kPhrasePitch = 21;
// The pad's place on the page, where a preview of the large pad opens it.
constexpr QRect kOpenPadPlace(10, 180, 260, 300);
constexpr QSize kPreviewSize(208, 240);

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QLabel* MakeLabel(QWidget* parent, int id, QRect place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::number(id));
    label->setGeometry(place);
    return label;
}

// The ini text, or the English one when the ini has none.
QString Caption(const std::string& text, const char* english) {
    return QString::fromStdString(text.empty() ? english : text);
}

void SetFace(QWidget* widget, int pixelSize, bool bold, bool italic) {
    QFont face = widget->font();
    face.setPixelSize(pixelSize);
    face.setBold(bold);
    face.setItalic(italic);
    widget->setFont(face);
}

QPushButton* MakeListButton(QWidget* parent, int id, std::size_t index, QRect place) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString("%1.%2").arg(id).arg(index));
    button->setGeometry(place);
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    button->hide();
    return button;
}

void PlayClickSound() {
    PlaySoundFile(GetProgramFolder() + kClickSound, SND_ASYNC | SND_FILENAME);
}

} // namespace

CWordStudyDlg::Texts CWordStudyDlg::ReadTexts(const std::string& iniPath) {
    const CIniFile ini(iniPath);
    const auto prompt = [&](const char* key) { return ini.GetString("WORDSTUDY_PROMPT", key); };
    const auto tooltip = [&](const char* key) { return ini.GetString("WORDSTUDY_TOOLTIP", key); };
    return Texts{prompt("MsgBoxTitle"),  prompt("BhOrder"),
                 prompt("Grades"),       tooltip("BtnGrade"),
                 tooltip("BtnExercise"), tooltip("BtnCartoon"),
                 tooltip("BtnSpeak"),    prompt("WrongDirection"),
                 prompt("WrongShape"),   prompt("TooFar"),
                 prompt("TooShort"),     prompt("TooLong"),
                 prompt("StrokeCount"),  prompt("Phrases"),
                 prompt("OpenPad"),      ini.GetString("WORDSTUDY_SETTING", "Strictness")};
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
    FollowTextSize();
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
    m_pad->SetRefusalTexts({m_texts.bhOrder, m_texts.wrongDirection, m_texts.wrongShape, m_texts.tooFar,
                            m_texts.tooShort, m_texts.tooLong});
    m_pad->SetStrictness(StrokeChecker::ParseStrictness(m_texts.strictness));

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QString::number(kLookupEdit));
    m_edit->setGeometry(10, 8, 250, 28);
    auto* lookUp = new QPushButton(tr("Look up"), this);
    lookUp->setObjectName(QString::number(kLookupButton));
    lookUp->setGeometry(268, 8, 96, 28);
    lookUp->setAutoDefault(false);
    connect(lookUp, &QPushButton::clicked, this, &CWordStudyDlg::OnLookUp);
    connect(m_edit, &QLineEdit::returnPressed, this, &CWordStudyDlg::OnLookUp);

    m_openPad = new QToolButton(this);
    m_openPad->setText(Caption(m_texts.openPad, "Write it on the large pad"));
    m_openPad->setObjectName(QString::number(kOpenPadButton));
    m_openPad->setGeometry(kOpenPadPlace);
    m_openPad->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_openPad->setIconSize(kPreviewSize);
    m_openPad->setAutoRaise(true);
    m_openPad->setCursor(Qt::PointingHandCursor);
    SetFace(m_openPad, 15, true, false);
    m_openPad->hide();
    connect(m_openPad, &QToolButton::clicked, this, [this] {
        PlayClickSound();
        ShowPadWindow();
    });

    m_pinyinPicture = MakeLabel(this, kPinyinPicture, QRect(10, 40, 400, 30));
    m_wordPicture = MakeLabel(this, kWordPicture, QRect(10, 70, 250, 40));
    m_partOfSpeech = MakeLabel(this, kPartOfSpeech, QRect(10, 114, 120, 22));
    SetFace(m_partOfSpeech, 14, false, true);
    QLabel* strokeCaption = MakeLabel(this, kStrokeCaption, QRect(130, 114, 84, 22));
    strokeCaption->setText(Caption(m_texts.strokeCaption, "Strokes:"));
    strokeCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetFace(strokeCaption, 14, false, false);
    m_strokeCount = MakeLabel(this, kStrokeCount, QRect(218, 114, 40, 22));
    SetFace(m_strokeCount, 15, true, false);
    m_explanation = MakeLabel(this, kExplanation, QRect(10, 138, 400, 40));
    m_explanation->setWordWrap(true);
    m_explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetFace(m_explanation, 15, false, false);
    m_phrasesCaption = MakeLabel(this, kPhrasesCaption, kFirstPhraseButton.translated(0, -kPhrasePitch));
    m_phrasesCaption->setText(Caption(m_texts.phrasesCaption, "Phrases:"));
    SetFace(m_phrasesCaption, 13, true, false);
    m_phrasesCaption->hide();
    for (std::size_t i = 0; i < kMaxPhrases; ++i)
        m_phraseButtons.push_back(MakePhraseButton(i));
    for (std::size_t i = 0; i < kCharacterButtonsShown; ++i)
        m_characterButtons.push_back(MakeCharacterButton(i));

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
        connect(button, &QPushButton::clicked, this, ButtonCommand(b.command));
    }
}

std::function<void()> CWordStudyDlg::ButtonCommand(void (CWordStudyDlg::*command)()) {
    return [this, command] {
        PlayClickSound();
        (this->*command)();
    };
}

QPushButton* CWordStudyDlg::MakeCharacterButton(std::size_t index) {
    QPushButton* button =
        MakeListButton(this, kCharacterButton, index,
                       kFirstCharacterButton.translated(static_cast<int>(index) * kCharacterButtonPitch, 0));
    SetFace(button, 24, false, false);
    button->setCheckable(true);
    connect(button, &QPushButton::clicked, this, [this, index] { SelectCharacter(index); });
    return button;
}

QPushButton* CWordStudyDlg::MakePhraseButton(std::size_t index) {
    QPushButton* button = MakeListButton(
        this, kPhraseButton, index, kFirstPhraseButton.translated(0, static_cast<int>(index) * kPhrasePitch));
    SetFace(button, 14, false, false);
    button->setFlat(true);
    button->setStyleSheet("QPushButton { text-align: left; color: #1a4fa0; border: none; }"
                          "QPushButton:hover { text-decoration: underline; }");
    connect(button, &QPushButton::clicked, this, [this, button] {
        StudyWord(button->property("phrase").toString().toStdU16String(),
                  button->property("pinyin").toString().toStdU16String(), WordData::kNoWordId);
    });
    return button;
}

void CWordStudyDlg::FollowTextSize() {
    const int percent = CurrentChineseTextSize();
    if (percent == m_pad->TextSize() && PadInWindow() == (percent != 100))
        return;
    m_pad->SetTextSize(percent);
    m_openPad->setVisible(percent != 100);
    if (percent == 100) {
        m_pad->Create(this, kPadPosition.x(), kPadPosition.y());
        if (m_padWindow)
            m_padWindow->hide();
        return;
    }
    if (m_padWindow && m_padWindow->TextSize() != percent) {
        // A window of another size: the pad comes back before it goes.
        m_pad->setParent(this);
        delete m_padWindow;
        m_padWindow = nullptr;
    }
    if (!m_padWindow)
        m_padWindow = new CWritingPadDlg(this, percent,
                                         {ButtonCommand(&CWordStudyDlg::OnAnimation),
                                          ButtonCommand(&CWordStudyDlg::OnPractise),
                                          ButtonCommand(&CWordStudyDlg::OnGrade)},
                                         {m_texts.btnCartoon, m_texts.btnExercise, m_texts.btnGrade});
    m_padWindow->HoldPad(m_pad);
}

bool CWordStudyDlg::PadInWindow() const {
    return m_padWindow && m_pad->parentWidget() == m_padWindow;
}

void CWordStudyDlg::ShowPadWindow() {
    if (!PadInWindow())
        return;
    m_padWindow->SetTitle(ToQString(m_padCharacter) + "   " + ToQString(m_data.Pinyin()));
    m_padWindow->show();
    m_padWindow->raise();
    m_padWindow->activateWindow();
}

bool CWordStudyDlg::BeginWord(const std::u16string& word, const std::u16string& pinyin,
                              const std::string& wordId) {
    FollowTextSize();
    m_pad->StopAnimation();
    m_pad->ShowBackground();
    m_word = word.substr(0, WordData::kMaxTextLength);
    m_pinyin = pinyin.substr(0, WordData::kMaxTextLength);
    m_wordId = wordId.empty() ? WordData::kNoWordId : wordId;
    if (m_word.empty())
        return false;
    m_practice = false;
    m_padCharacter.clear();
    m_pad->ResetWriting();
    return true;
}

void CWordStudyDlg::ShowCharacterOnPad() {
    const std::string id = m_data.CharacterIdOfWord();
    m_data.LoadStrokeImages(id);
    m_pad->SetStrokeImages(m_data.StrokeImages());
    m_pad->SetCharacter(m_data.LoadEmptyImage(id));
    if (PadInWindow())
        m_openPad->setIcon(QPixmap::fromImage(
            m_pad->Picture().scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void CWordStudyDlg::LoadPadCharacter(const std::u16string& character) {
    m_pad->StopAnimation();
    m_practice = false;
    m_pad->ResetWriting();
    m_padCharacter = character;
    m_data.SetWordText(character);
    std::u16string unused;
    int strokeCount = 0;
    QImage keepPinyin, keepWord;
    m_data.Load(unused, strokeCount, keepPinyin, keepWord, false);
    ShowCharacterOnPad();
    ShowStrokeCount(strokeCount);
    ShowPhrases();
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
    m_data.LoadMeaning();
    // The word's own sound, before the pad turns to one of a phrase's characters.
    ExtractWordSound();
    ShowLookupResult(pinyinBitmap, wordBitmap, strokeCount);
    ShowMeaning(m_data.Explanation(), m_data.PartOfSpeechText());
    ShowCharacterButtons();
    SelectCharacter(0);
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
    // A word found by its entry id brings its explanation but not its phrase record.
    if (m_data.PartOfSpeechText().empty()) {
        m_data.LoadMeaning();
        if (explanation.empty())
            explanation = m_data.Explanation();
    }
    // The phrase's sound goes by the phrase's pinyin, so it is extracted before the pad turns
    // to one of the phrase's characters.
    ExtractWordSound();
    ShowLookupResult(pinyinBitmap, wordBitmap, strokeCount);
    ShowMeaning(explanation, m_data.PartOfSpeechText());
    ShowCharacterButtons();
    SelectCharacter(0);
}

void CWordStudyDlg::SelectCharacter(std::size_t index) {
    if (index >= m_word.size())
        return;
    for (std::size_t i = 0; i < m_characterButtons.size(); ++i)
        m_characterButtons[i]->setChecked(i == index);
    LoadPadCharacter(m_word.substr(index, 1));
}

void CWordStudyDlg::ShowCharacterButtons() {
    const std::size_t shown = m_singleCharacter ? 0 : std::min(m_word.size(), m_characterButtons.size());
    for (std::size_t i = 0; i < m_characterButtons.size(); ++i) {
        QPushButton* button = m_characterButtons[i];
        button->setVisible(i < shown);
        if (i < shown)
            button->setText(ToQString(m_word.substr(i, 1)));
    }
}

void CWordStudyDlg::ShowPhrases() {
    const std::vector<WordData::PhraseEntry> phrases =
        m_data.PhrasesWith(m_padCharacter, m_word, kMaxPhrases);
    for (std::size_t i = 0; i < m_phraseButtons.size(); ++i) {
        QPushButton* button = m_phraseButtons[i];
        button->setVisible(i < phrases.size());
        if (i >= phrases.size())
            continue;
        button->setText(ToQString(phrases[i].text) + "  " + ToQString(phrases[i].pinyin));
        button->setProperty("phrase", ToQString(phrases[i].text));
        button->setProperty("pinyin", ToQString(phrases[i].pinyin));
    }
    m_phrasesCaption->setVisible(!phrases.empty());
}

void CWordStudyDlg::ShowLookupResult(const QImage& pinyinBitmap, const QImage& wordBitmap, int strokeCount) {
    m_pinyinPicture->setPixmap(QPixmap::fromImage(pinyinBitmap));
    m_wordPicture->setPixmap(QPixmap::fromImage(wordBitmap));
    ShowStrokeCount(strokeCount);
}

void CWordStudyDlg::ShowStrokeCount(int strokeCount) {
    char count[16];
    std::snprintf(count, sizeof count, "%d", strokeCount);
    m_strokeCount->setText(count);
}

void CWordStudyDlg::ShowMeaning(const std::u16string& explanation, const std::u16string& partOfSpeech) {
    m_explanation->setText(ToQString(explanation));
    m_partOfSpeech->setText(ToQString(partOfSpeech));
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
    ShowPadWindow();
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
    ShowPadWindow();
    m_pad->ResetWriting();
    m_pad->StartPractice(path);
}

void CWordStudyDlg::OnGrade() {
    if (!CanUseCharacterButtons() || !m_practice)
        return;
    ShowPadWindow();
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
    // The page is a pane of the lesson window, not a window of its own: nothing to close.
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
