#include "spell/CSpellDlg.h"

#include "app/CLog.h"
#include "exercise/PracticeColours.h"
#include "lesson/LessonContentService.h"
#include "render/WordImage.h"
#include "spell/CSyllableFeedback.h"
#include "spell/TypedPinyin.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/SkinLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QRandomGenerator>

using namespace skinlayout::exercise;

namespace {

QString ToneChangeNote(const spelling::Verdict& verdict, const SpellTexts& texts) {
    for (const spelling::SyllableCheck& s : verdict.syllables)
        if (s.toneChange)
            return QString::fromStdString(
                texts.Get(s.toneChange == u'一' ? SpellText::ToneChangeYi : SpellText::ToneChangeBu));
    return {};
}

} // namespace

CSpellDlg::CSpellDlg(SpellWindowSetup setup, QWidget* parent)
    : CPracticeDlg(QString::fromStdString(setup.texts->Get(SpellText::Replay)),
                   QString::fromStdString(setup.texts->Get(SpellText::Close)), parent),
      m_setup(std::move(setup)) {
    setObjectName(QStringLiteral("spell"));
    m_soundFile = m_setup.scratchFolder + "/item.mp3";

    m_listenOnly = new QCheckBox(Text(SpellText::ListenOnly), this);
    m_listenOnly->setObjectName(QStringLiteral("listenonly"));
    m_listenOnly->setGeometry(kPrompt.left() + 8, kPrompt.top() + 4, 320, 24);
    SetTextColour(m_listenOnly, practicecolours::kTealDark);
    m_listenOnly->setFocusPolicy(Qt::NoFocus);
    connect(m_listenOnly, &QCheckBox::toggled, this, &CSpellDlg::SetListenOnly);

    m_typed = new QLineEdit(m_answers);
    m_typed->setObjectName(QStringLiteral("typed"));
    m_typed->setGeometry(120, 8, kAnswers.width() - 240, 48);
    QFont typedFont = m_typed->font();
    typedFont.setPixelSize(26);
    m_typed->setFont(typedFont);
    m_typed->setAlignment(Qt::AlignCenter);
    m_typed->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #a9cbc6; border-radius: 10px; "
                                          "background: #fffdf7; color: #2e3a4b; }"));
    connect(m_typed, &QLineEdit::textEdited, this, [this](const QString& text) { ShowLive(text); });
    connect(m_typed, &QLineEdit::returnPressed, this, &CSpellDlg::OnEnter);
    m_live = AddLabel(m_answers, "live", QRect(40, 62, kAnswers.width() - 80, 44), 24, false, kInk);
    m_live->setAlignment(Qt::AlignCenter);
    m_syllables = new CSyllableFeedback(m_answers);
    m_syllables->setGeometry(0, 116, kAnswers.width(), 120);
    m_summary = AddLabel(m_answers, "summary", QRect(24, 8, kAnswers.width() - 48, kAnswers.height() - 16),
                         17, false, kInk);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_summary->hide();

    m_next = AddCommand(kNextId, artwork::kNextHover, artwork::kNextNormal, Text(SpellText::Next),
                        [this] { Next(); });
    m_check = AddCommand(kCheckId, artwork::kCheckHover, artwork::kCheckNormal, Text(SpellText::Check),
                         [this] { Check(); });
    m_giveUp = AddCommand(kGiveUpId, artwork::kGiveUpHover, artwork::kGiveUpNormal, Text(SpellText::GiveUp),
                          [this] { GiveUp(); });
    StartRound(m_setup.seed);
}

CSpellDlg::~CSpellDlg() = default;

QString CSpellDlg::Text(SpellText which) const {
    return QString::fromStdString(m_setup.texts->Get(which));
}

bool CSpellDlg::ShowsSummary() const {
    return !m_summary->isHidden();
}

void CSpellDlg::StartRound(std::uint32_t seed) {
    g_log.Write("spell: lesson %d, seed %u", m_setup.lesson->number, seed);
    m_round = std::make_unique<SpellingRound>(SpellingRound::ItemsOf(*m_setup.lesson), seed);
    m_title->setText(Text(SpellText::Title).arg(m_setup.lesson->number) +
                     (m_setup.lesson->title.empty()
                          ? QString()
                          : QStringLiteral(" \u00B7 ") + QString::fromStdString(m_setup.lesson->title)));
    m_summary->hide();
    if (m_round->IsFinished()) {
        m_instruction->setText(Text(SpellText::NoMaterial));
        m_typed->hide();
        m_progress->setRange(0, 1);
        UpdateCommands();
        return;
    }
    ShowItem();
}

void CSpellDlg::ShowItem() {
    m_progress->setRange(0, m_round->Length());
    m_progress->setValue(m_round->Position());
    m_progressText->setText(Text(SpellText::Progress).arg(m_round->Position() + 1).arg(m_round->Length()));
    m_instruction->setText(Text(SpellText::Instruction));
    m_typed->show();
    m_typed->setReadOnly(false);
    m_typed->clear();
    m_typed->setFocus();
    m_syllables->Clear();
    m_syllables->show();
    SetFeedback(m_round->IsComeback() ? Text(SpellText::Comeback) : QString(), kInk);
    m_answerPicture->clear();
    ShowLive({});
    m_hasSound = SaveItemSound();
    if (m_hasSound)
        PlayWhenShown([this, position = m_round->Position()] {
            if (!m_round->IsFinished() && m_round->Position() == position)
                PlayMp3(m_soundFile);
        });
    ShowPrompt();
    UpdateCommands();
}

void CSpellDlg::ShowPrompt() {
    const SpellItem& item = m_round->Current();
    // Without a sound to listen to, the characters are shown whatever the learner chose.
    const bool hide = m_listenOnly->isChecked() && m_hasSound && !m_round->IsAnswered();
    const QImage picture = hide ? QImage()
                                : wordimage::DrawWord(item.characters, {}, m_setup.lesson->number,
                                                      practicecolours::kGround, CurrentWordColours());
    ShowPromptPicture(picture);
    m_promptText->setText(hide ? QString() : QString::fromStdString(item.meaning));
}

void CSpellDlg::SetListenOnly(bool listenOnly) {
    m_listenOnly->setChecked(listenOnly);
    if (!m_round->IsFinished())
        ShowPrompt();
}

void CSpellDlg::Type(const QString& text) {
    m_typed->setText(text);
    ShowLive(text);
}

void CSpellDlg::ShowLive(const QString& typed) {
    SetTextColour(m_live, practicecolours::kMuted);
    if (typed.trimmed().isEmpty()) {
        m_live->setText(Text(SpellText::LivePrompt));
        return;
    }
    const typedpinyin::Reading reading = typedpinyin::Read(typed.toStdU16String());
    if (reading.ok) {
        SetTextColour(m_live, kInk);
        m_live->setText(QString::fromStdU16String(typedpinyin::Marked(reading.syllables)));
    } else {
        m_live->setText(Text(SpellText::NotPinyin).arg(QString::fromStdString(reading.problem)));
    }
}

void CSpellDlg::OnEnter() {
    if (m_round->IsFinished())
        return;
    if (m_round->IsAnswered())
        Next();
    else
        Check();
}

void CSpellDlg::Check() {
    if (m_round->IsFinished() || m_round->IsAnswered())
        return;
    const spelling::Verdict verdict = m_round->Answer(m_typed->text().toStdU16String());
    if (!verdict.readable) {
        ShowLive(m_typed->text());
        return;
    }
    ShowChecked(verdict);
}

void CSpellDlg::GiveUp() {
    if (m_round->IsFinished() || m_round->IsAnswered())
        return;
    const SpellItem item = m_round->Current();
    m_round->GiveUp();
    ShowChecked(spelling::Check(u"", item.pinyin, item.characters));
}

void CSpellDlg::ShowChecked(const spelling::Verdict& verdict) {
    m_typed->setReadOnly(true);
    m_syllables->ShowVerdict(verdict);
    QString text = verdict.right ? Text(SpellText::Right) : Text(SpellText::Wrong);
    if (verdict.extraSyllables > 0)
        text += QLatin1Char(' ') + Text(SpellText::Extra).arg(verdict.extraSyllables);
    SetFeedback(text, verdict.right ? kRightInk : kWrongInk);
    m_answerPicture->setText(ToneChangeNote(verdict, *m_setup.texts));
    m_live->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kInk.name()));
    m_live->setText(QString::fromStdU16String(m_round->Current().pinyin));
    m_progress->setValue(m_round->Position() + 1);
    ShowPrompt();
    UpdateCommands();
    PlayItemSound();
}

void CSpellDlg::Next() {
    if (m_round->IsFinished()) {
        StartRound(QRandomGenerator::global()->generate());
        return;
    }
    if (!m_round->IsAnswered())
        return;
    if (m_round->Next())
        ShowItem();
    else
        ShowSummary();
}

void CSpellDlg::ShowSummary() {
    m_typed->hide();
    m_syllables->hide();
    m_live->clear();
    m_promptPicture->clear();
    m_promptText->clear();
    m_answerPicture->clear();
    SetFeedback({}, kInk);
    m_instruction->setText(Text(SpellText::SummaryTitle));
    m_progressText->setText(Text(SpellText::Finish));
    m_progress->setValue(m_progress->maximum());
    QStringList lines{
        QStringLiteral("<p style='font-size:22px'><b>%1</b></p>")
            .arg(Text(SpellText::SummaryRight).arg(m_round->RightFirstTime()).arg(m_round->FirstTries()))};
    const auto errors = m_round->ToneErrors();
    lines << QStringLiteral("<p><b>%1</b></p>")
                 .arg(errors.empty() ? Text(SpellText::NoToneErrors) : Text(SpellText::ToneErrorsTitle));
    for (const auto& [tones, count] : errors) {
        const QString expected = QString::fromStdString(m_setup.texts->ToneName(tones.first));
        const QString typed = QString::fromStdString(m_setup.texts->ToneName(tones.second));
        lines << QStringLiteral("<p>&nbsp;&nbsp;%1</p>")
                     .arg((count == 1 ? Text(SpellText::ToneErrorOnce).arg(expected, typed)
                                      : Text(SpellText::ToneError).arg(expected, typed).arg(count))
                              .toHtmlEscaped());
    }
    m_summary->setText(lines.join(QString()));
    m_summary->show();
    g_log.Write("spell: right at the first try %d of %d", m_round->RightFirstTime(), m_round->FirstTries());
    UpdateCommands();
}

void CSpellDlg::UpdateCommands() {
    const bool finished = m_round->IsFinished();
    const bool answered = !finished && m_round->IsAnswered();
    m_check->setVisible(!finished && !answered);
    m_giveUp->setVisible(!finished && !answered);
    m_next->setVisible(answered || finished);
    m_replay->setVisible(!finished);
    m_listenOnly->setVisible(!finished);
    const bool last = !finished && m_round->Position() + 1 == m_round->Length();
    m_next->setText(Text(finished ? SpellText::TryAgain : last ? SpellText::Finish : SpellText::Next));
    m_next->SetBitmaps(finished ? artwork::kTryAgainHover : artwork::kNextHover, 0xFFFF0000,
                       finished ? artwork::kTryAgainNormal : artwork::kNextNormal, 0xFFFF0000);
    LineUpCommands({m_next, m_check, m_giveUp});
}

void CSpellDlg::Replay() {
    if (!m_round->IsFinished())
        PlayItemSound();
}

bool CSpellDlg::SaveItemSound() {
    const SpellItem& item = m_round->Current();
    return item.kind == SpellItem::Kind::Syllable
               ? m_setup.content->SaveSyllableSound(item.pinyin, m_soundFile)
               : m_setup.content->SaveWordSound(item.characters, item.pinyin, m_soundFile);
}

bool CSpellDlg::PlayItemSound() {
    return SaveItemSound() && PlayMp3(m_soundFile);
}
