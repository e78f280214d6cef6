#include "trainer/CTrainerDlg.h"

#include "app/CLog.h"
#include "charstudy/CWritingPad.h"
#include "exercise/CChoiceButton.h"
#include "lesson/LessonContentService.h"
#include "render/WordImage.h"
#include "trainer/CDueChart.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/SkinLayout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QRandomGenerator>

#include <algorithm>
#include <limits>
#include <random>
#include <set>

using namespace skinlayout::exercise;

namespace {

constexpr Fsrs::Grade kGrades[] = {Fsrs::Grade::Again, Fsrs::Grade::Hard, Fsrs::Grade::Good,
                                   Fsrs::Grade::Easy};
constexpr TrainerText kGradeNames[] = {TrainerText::Again, TrainerText::Hard, TrainerText::Good,
                                       TrainerText::Easy};
constexpr int kChartDays = 14;

bool IsRecall(const TrainerCard& card) {
    return card.direction == TrainerCard::Direction::Recall;
}

} // namespace

CTrainerDlg::CTrainerDlg(TrainerWindowSetup setup, QWidget* parent)
    : CPracticeDlg(QString::fromStdString(setup.texts->Get(TrainerText::Replay)),
                   QString::fromStdString(setup.texts->Get(TrainerText::Close)), parent),
      m_setup(std::move(setup)) {
    setObjectName(QStringLiteral("trainer"));
    m_soundFile = m_setup.scratchFolder + "/card.mp3";
    m_title->setText(Text(TrainerText::Title).arg(m_setup.userName));
    m_show = AddCommand(kCheckId, artwork::kCheckHover, artwork::kCheckNormal, Text(TrainerText::Show),
                        [this] { Reveal(); });
    m_chart = new CDueChart(this);
    m_chart->setGeometry(kAnswers.adjusted(24, 16, -24, -16));
    m_chart->hide();
    m_dueAtStart = trainerdeck::DueCount(*m_setup.cards, m_setup.today());
    g_log.Write("newword: %d cards, %d due", static_cast<int>(m_setup.cards->size()), m_dueAtStart);
    ShowNextCard();
}

QString CTrainerDlg::Text(TrainerText which) const {
    return QString::fromStdString(m_setup.texts->Get(which));
}

QImage CTrainerDlg::WordPicture(const std::u16string& word, const std::u16string& pinyin) const {
    return wordimage::DrawWord(word, pinyin, m_setup.lessonForPictures, CChoiceButton::kGround,
                               CurrentWordColours());
}

void CTrainerDlg::ShowNextCard() {
    m_current = trainerdeck::NextCard(*m_setup.cards, m_setup.today());
    if (m_current < 0)
        ShowEnd();
    else
        ShowCard();
}

void CTrainerDlg::ClearAnswers() {
    for (QWidget* child : m_answers->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete child;
    m_choices.clear();
    m_choiceWords.clear();
    m_pad = nullptr;
}

void CTrainerDlg::UpdateProgress() {
    const int total = std::max(m_dueAtStart, m_reviewed + 1);
    m_progress->setRange(0, total);
    m_progress->setValue(m_reviewed);
    m_progressText->setText(m_current < 0 ? QString()
                                          : Text(TrainerText::Progress).arg(m_reviewed + 1).arg(total));
}

void CTrainerDlg::ShowCard() {
    ClearAnswers();
    m_revealed = false;
    m_chart->hide();
    m_answers->show();
    SetFeedback({}, kInk);
    m_answerPicture->clear();
    const TrainerCard& card = Card();
    if (!IsRecall(card)) {
        m_instruction->setText(Text(TrainerText::AskRecognise));
        ShowPromptPicture(WordPicture(card.word, {}));
        m_promptText->clear();
    } else {
        m_promptPicture->clear();
        m_promptText->setText(QString::fromStdString(card.meaning));
        if (card.word.size() == 1 && m_setup.content->HasStrokeData(card.word)) {
            m_instruction->setText(Text(TrainerText::AskRecallWrite));
            m_pad =
                AddWritingPad(card.word, card.pinyin, m_setup.texts->Get(TrainerText::StrokeOrder), [this] {
                    if (m_pad && !m_revealed && m_pad->Practice().AllStrokesWritten())
                        Reveal();
                });
        } else {
            m_instruction->setText(Text(TrainerText::AskRecallPick));
            ShowRecallChoices();
        }
    }
    UpdateProgress();
    UpdateCommands();
    PlayWhenShown([this, shown = m_current] {
        if (m_current == shown && !m_revealed)
            Replay();
    });
}

void CTrainerDlg::ShowRecallChoices() {
    const TrainerCard& card = Card();
    std::vector<std::u16string> others;
    std::set<std::u16string> taken;
    for (const TrainerCard& other : *m_setup.cards)
        if (other.word != card.word && other.meaning != card.meaning && taken.insert(other.word).second)
            others.push_back(other.word);
    // One number from the system's source seeds the shuffle: Qt's global generator first seeds
    // itself with kilobytes of hardware randomness, which slowed the first card by half a millisecond.
    std::mt19937 shuffle(QRandomGenerator::system()->generate());
    std::shuffle(others.begin(), others.end(), shuffle);
    others.resize(std::min<size_t>(others.size(), 3));
    others.insert(others.begin() + std::uniform_int_distribution<std::ptrdiff_t>(
                                       0, static_cast<std::ptrdiff_t>(others.size()))(shuffle),
                  card.word);
    m_choiceWords = others;
    for (int i = 0; i < static_cast<int>(others.size()); ++i) {
        auto* choice = new CChoiceButton(m_answers);
        choice->setObjectName(QStringLiteral("choice%1").arg(i + 1));
        choice->SetKey(i + 1);
        choice->SetPicture(WordPicture(others[static_cast<size_t>(i)], {}));
        choice->setGeometry(Choice(i).translated(-kAnswers.topLeft()));
        connect(choice, &QAbstractButton::clicked, this, [this, i] { Pick(i); });
        choice->show();
        m_choices.push_back(choice);
    }
}

void CTrainerDlg::Pick(int choice) {
    if (m_revealed || choice < 0 || choice >= static_cast<int>(m_choices.size()))
        return;
    const bool right = m_choiceWords[static_cast<size_t>(choice)] == Card().word;
    m_choices[static_cast<size_t>(choice)]->SetMark(right ? CChoiceButton::Mark::Right
                                                          : CChoiceButton::Mark::Wrong);
    Reveal();
}

void CTrainerDlg::Reveal() {
    if (m_current < 0 || m_revealed)
        return;
    m_revealed = true;
    const TrainerCard& card = Card();
    ShowPromptPicture(WordPicture(card.word, card.pinyin));
    m_promptText->setText(QString::fromStdString(card.meaning));
    if (m_pad) {
        m_pad->ShowWhole();
        if (!m_pad->Practice().AllStrokesWritten())
            m_pad->StartAnimation();
        m_pad->move(0, 0);
    }
    ShowGrades();
    UpdateCommands();
    Replay();
}

int CTrainerDlg::IntervalFor(const TrainerCard& card, Fsrs::Grade grade) const {
    const Fsrs& fsrs = *m_setup.fsrs;
    if (card.isNew)
        return fsrs.IntervalDays(fsrs.First(grade).stability);
    const int elapsed = static_cast<int>(
        std::clamp<qint64>(card.lastReview.daysTo(m_setup.today()), 0, std::numeric_limits<int>::max()));
    return fsrs.IntervalDays(fsrs.Next(card.memory, elapsed, grade).stability);
}

void CTrainerDlg::ShowGrades() {
    // Beside a pad the grades stand in a column on the right; otherwise in a row.
    for (CChoiceButton* choice : m_choices)
        choice->setEnabled(false);
    SetFeedback(Text(TrainerText::AskGrade), kInk);
    const TrainerCard& card = Card();
    const bool besidePad = m_pad != nullptr;
    const int width = besidePad ? 200 : (kAnswers.width() - 3 * 12) / 4;
    for (int i = 0; i < 4; ++i) {
        auto* grade = new CChoiceButton(m_answers);
        grade->setObjectName(QStringLiteral("grade%1").arg(i + 1));
        grade->SetKey(i + 1);
        grade->SetCaption(Text(kGradeNames[i]) + QLatin1Char('\n') +
                          Text(TrainerText::Days).arg(IntervalFor(card, kGrades[i])));
        const QRect place = besidePad ? QRect(kAnswers.width() - width, i * 72, width, 64)
                                      : QRect(i * (width + 12), kAnswers.height() - 96, width, 88);
        grade->setGeometry(place);
        connect(grade, &QAbstractButton::clicked, this, [this, i] { Grade(kGrades[i]); });
        grade->show();
    }
}

void CTrainerDlg::Grade(Fsrs::Grade grade) {
    if (m_current < 0 || !m_revealed)
        return;
    std::string error;
    if (!m_setup.review(Card(), grade, error)) {
        SetFeedback(Text(TrainerText::SaveFailed).arg(QString::fromStdString(error)), kWrongInk);
        return;
    }
    ++m_reviewed;
    ShowNextCard();
}

void CTrainerDlg::ShowEnd() {
    ClearAnswers();
    m_answers->hide();
    m_revealed = false;
    const QDate today = m_setup.today();
    m_instruction->setText(m_setup.cards->empty() ? Text(TrainerText::NoWords)
                           : m_reviewed > 0       ? Text(TrainerText::Finished)
                                                  : Text(TrainerText::NothingDue));
    m_promptPicture->clear();
    m_promptText->clear();
    m_answerPicture->clear();
    QDate next;
    for (const TrainerCard& card : *m_setup.cards)
        if (!card.isNew && (!next.isValid() || card.due < next))
            next = card.due;
    SetFeedback(next.isValid() ? Text(TrainerText::NextDue).arg(QLocale().toString(next, QLocale::LongFormat))
                               : QString(),
                kInk);
    if (!m_setup.cards->empty()) {
        m_chart->ShowForecast(Text(TrainerText::ChartTitle), today.addDays(1),
                              trainerdeck::DueForecast(*m_setup.cards, today.addDays(1), kChartDays));
        m_chart->show();
    }
    UpdateProgress();
    m_progress->setRange(0, 1);
    m_progress->setValue(1);
    UpdateCommands();
}

void CTrainerDlg::UpdateCommands() {
    m_show->setVisible(m_current >= 0 && !m_revealed);
    m_replay->setVisible(m_current >= 0);
    LineUpCommands({m_show});
}

void CTrainerDlg::Replay() {
    if (m_current < 0)
        return;
    const TrainerCard& card = Card();
    if (m_setup.content->SaveWordSound(card.word, card.pinyin, m_soundFile))
        PlayMp3(m_soundFile);
}

void CTrainerDlg::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    event->accept();
    if (key == Qt::Key_Space) {
        Reveal();
    } else if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        const int index = key - Qt::Key_1;
        if (m_revealed)
            Grade(kGrades[index]);
        else
            Pick(index);
    } else if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter) {
        CPracticeDlg::keyPressEvent(event);
    }
}
