#include "exercise/CExerciseDlg.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "charstudy/CWritingPad.h"
#include "exercise/CChoiceButton.h"
#include "exercise/CExerciseResultPanel.h"
#include "exercise/ExerciseGenerator.h"
#include "lesson/DialogControls.h"
#include "lesson/LessonContentService.h"
#include "render/WordImage.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/SkinLayout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QRandomGenerator>

using namespace skinlayout::exercise;
using exercise::Question;
using exercise::QuestionKind;

namespace {

// Room for the Chinese of a prompt: a sentence wraps within it.
constexpr int kPromptPictureWidth = 660;
constexpr int kTileRowY = 18;
constexpr int kPoolRowY = 170;
constexpr int kTileGap = 12;
constexpr int kPinyinCaptionSize = 30;

bool IsSentence(const std::u16string& text) {
    return text.find(u' ') != std::u16string::npos;
}

} // namespace

CExerciseDlg::CExerciseDlg(ExerciseWindowSetup setup, QWidget* parent)
    : CPracticeDlg(QString::fromStdString(setup.texts->Get(ExerciseText::Replay)),
                   QString::fromStdString(setup.texts->Get(ExerciseText::Close)), parent),
      m_setup(std::move(setup)) {
    setObjectName(QStringLiteral("exercise"));
    m_soundFile = m_setup.scratchFolder + "/question.mp3";
    CreateControls();
    StartRun(m_setup.seed);
}

CExerciseDlg::~CExerciseDlg() = default;

QString CExerciseDlg::Text(ExerciseText which) const {
    return QString::fromStdString(m_setup.texts->Get(which));
}

void CExerciseDlg::CreateControls() {
    m_next = AddCommand(kNextId, artwork::kNextHover, artwork::kNextNormal, Text(ExerciseText::Next),
                        [this] { Next(); });
    m_check = AddCommand(kCheckId, artwork::kCheckHover, artwork::kCheckNormal, Text(ExerciseText::Check),
                         [this] { Check(); });
    m_giveUp = AddCommand(kGiveUpId, artwork::kGiveUpHover, artwork::kGiveUpNormal,
                          Text(ExerciseText::GiveUp), [this] { GiveUp(); });
}

CExerciseResultPanel& CExerciseDlg::ResultPanel() {
    // Made when a run first ends: the window's first question does not wait for it.
    if (!m_result) {
        m_result = new CExerciseResultPanel(
            [this](const std::u16string& word, const std::u16string& pinyin) {
                return WordPicture(word, pinyin);
            },
            this);
        m_result->setGeometry(
            QRect(kPrompt.left(), kPrompt.top(), kPrompt.width(), kAnswers.bottom() - kPrompt.top()));
        m_result->SetAreas(QRect(QPoint(0, 0), kPrompt.size()),
                           QRect(kAnswers.topLeft() - kPrompt.topLeft(), kAnswers.size()));
    }
    return *m_result;
}

QImage CExerciseDlg::WordPicture(const std::u16string& word, const std::u16string& pinyin) const {
    const WordColours colours = CurrentWordColours();
    if (IsSentence(word))
        return wordimage::DrawSentence(exercise::SplitWords(word), exercise::SplitWords(pinyin), -1,
                                       m_setup.lesson->number, kPromptPictureWidth, CChoiceButton::kGround,
                                       colours);
    return wordimage::DrawWord(word, pinyin, m_setup.lesson->number, CChoiceButton::kGround, colours);
}

void CExerciseDlg::StartRun(std::uint32_t seed) {
    m_seed = seed;
    g_log.Write("exercise: lesson %d, seed %u", m_setup.lesson->number, seed);
    m_session = std::make_unique<ExerciseSession>(m_setup.makeRun(seed));
    m_kept = {};
    m_title->setText(Text(ExerciseText::Title).arg(m_setup.lesson->number) +
                     (m_setup.lesson->title.empty()
                          ? QString()
                          : QStringLiteral(" \u00B7 ") + QString::fromStdString(m_setup.lesson->title)));
    if (m_result)
        m_result->hide();
    if (m_session->Count() == 0) {
        ClearAnswers();
        m_instruction->setText(Text(ExerciseText::NoMaterial));
        m_promptPicture->clear();
        m_promptText->clear();
        m_feedback->clear();
        m_answerPicture->clear();
        m_progress->setRange(0, 1);
        m_progress->setValue(0);
        UpdateCommands();
        return;
    }
    m_progress->setRange(0, m_session->Count());
    ShowQuestion();
    if (!m_setup.contentProblem.empty())
        m_feedback->setText(
            Text(ExerciseText::ContentError).arg(QString::fromStdString(m_setup.contentProblem)));
}

bool CExerciseDlg::ShowsResult() const {
    return m_result && !m_result->isHidden();
}

void CExerciseDlg::ClearAnswers() {
    for (QWidget* child : m_answers->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete child;
    m_choices.clear();
    m_placed.clear();
    m_pad = nullptr;
}

void CExerciseDlg::ShowQuestion() {
    ClearAnswers();
    const Question& q = m_session->Current();
    m_progressText->setText(Text(ExerciseText::Progress).arg(m_session->Index() + 1).arg(m_session->Count()));
    m_progress->setValue(m_session->Index());
    m_instruction->setText(QString::fromStdString(m_setup.texts->Instruction(q.kind)));
    m_feedback->clear();
    m_answerPicture->clear();
    ShowPrompt(false);
    switch (q.kind) {
    case QuestionKind::WordOrder:
        ShowTiles();
        break;
    case QuestionKind::Writing:
        ShowWritingPad();
        break;
    default:
        ShowChoices();
        break;
    }
    m_answers->show();
    UpdateCommands();
    // Questions that are about hearing start with the sound.
    if (q.kind == QuestionKind::Listening || q.kind == QuestionKind::Tones)
        PlayWhenShown([this, index = m_session->Index()] {
            if (!m_session->IsFinished() && m_session->Index() == index)
                PlaySound(m_session->Current().sound);
        });
}

void CExerciseDlg::ShowPrompt(bool answered) {
    const Question& q = m_session->Current();
    const WordColours colours = CurrentWordColours();
    QImage picture;
    QString text;
    if (answered) {
        picture = WordPicture(q.chinese, q.pinyin);
        text = QString::fromStdString(q.text);
    } else {
        switch (q.kind) {
        case QuestionKind::Listening:
            break;
        case QuestionKind::Meaning:
            picture = WordPicture(q.chinese, q.pinyin);
            break;
        case QuestionKind::WordFromMeaning:
        case QuestionKind::WordOrder:
            text = QString::fromStdString(q.text);
            break;
        case QuestionKind::Tones:
            picture = WordPicture(q.chinese, {});
            break;
        case QuestionKind::Writing:
            picture = WordPicture({}, q.pinyin);
            text = QString::fromStdString(q.text);
            break;
        case QuestionKind::Reading:
            picture = wordimage::DrawSentence(exercise::SplitWords(q.chinese), exercise::SplitWords(q.pinyin),
                                              q.blank, m_setup.lesson->number, kPromptPictureWidth,
                                              CChoiceButton::kGround, colours);
            text = QString::fromStdString(q.text);
            break;
        }
    }
    ShowPromptPicture(picture);
    m_promptText->setText(text);
}

void CExerciseDlg::ShowChoices() {
    const Question& q = m_session->Current();
    for (int i = 0; i < static_cast<int>(q.choices.size()); ++i) {
        auto* card = new CChoiceButton(m_answers);
        card->setObjectName(QStringLiteral("choice%1").arg(i + 1));
        card->SetKey(i + 1);
        const exercise::Choice& choice = q.choices[static_cast<size_t>(i)];
        if (!choice.text.empty())
            card->SetCaption(QString::fromStdString(choice.text));
        else if (choice.chinese.empty())
            // Pinyin alone is about its tone marks: written large enough to tell them apart.
            card->SetCaption(QString::fromStdU16String(choice.pinyin), kPinyinCaptionSize);
        else
            card->SetPicture(WordPicture(choice.chinese, choice.pinyin));
        card->setGeometry(Choice(i).translated(-kAnswers.topLeft()));
        connect(card, &QAbstractButton::clicked, this, [this, i] { Choose(i); });
        card->show();
        m_choices.push_back(card);
    }
}

void CExerciseDlg::ShowTiles() {
    const Question& q = m_session->Current();
    int x = 0;
    int y = kPoolRowY;
    for (int i = 0; i < static_cast<int>(q.choices.size()); ++i) {
        auto* tile = new CChoiceButton(m_answers);
        tile->setObjectName(QStringLiteral("tile%1").arg(i + 1));
        tile->SetKey(i + 1);
        tile->SetPicture(
            WordPicture(q.choices[static_cast<size_t>(i)].chinese, q.choices[static_cast<size_t>(i)].pinyin));
        const QSize size = tile->sizeHint();
        if (x > 0 && x + size.width() > kAnswers.width()) {
            x = 0;
            y += size.height() + kTileGap;
        }
        tile->setGeometry(QRect(QPoint(x, y), size));
        tile->setProperty("poolPosition", QPoint(x, y));
        tile->setProperty("tile", i);
        x += size.width() + kTileGap;
        connect(tile, &QAbstractButton::clicked, this, [this, i, tile] {
            if (std::find(m_placed.begin(), m_placed.end(), tile) == m_placed.end())
                PlaceTile(i);
            else if (!m_session->IsAnswered()) {
                m_placed.erase(std::find(m_placed.begin(), m_placed.end(), tile));
                ArrangeTiles();
            }
        });
        tile->show();
        m_choices.push_back(tile);
    }
}

void CExerciseDlg::ArrangeTiles() {
    for (CChoiceButton* tile : m_choices)
        tile->move(tile->property("poolPosition").toPoint());
    int x = 0;
    int y = kTileRowY;
    for (CChoiceButton* tile : m_placed) {
        if (x > 0 && x + tile->width() > kAnswers.width()) {
            x = 0;
            y += tile->height() + kTileGap;
        }
        tile->move(x, y);
        x += tile->width() + kTileGap;
    }
    UpdateCommands();
}

void CExerciseDlg::ShowWritingPad() {
    const Question& q = m_session->Current();
    m_strokesAccepted = 0;
    m_pad = AddWritingPad(q.chinese, q.pinyin, m_setup.texts->Get(ExerciseText::StrokeOrder),
                          [this] { OnPadReleased(); });
}

void CExerciseDlg::OnPadReleased() {
    if (!m_pad || m_session->IsFinished() || m_session->IsAnswered())
        return;
    if (m_pad->Practice().AllStrokesWritten()) {
        m_pad->Grade();
        AfterAnswer(m_session->AnswerWriting(true));
    } else if (m_pad->Practice().StrokeCounter() > m_strokesAccepted) {
        // An accepted stroke clears the prompt a stroke out of order left.
        m_strokesAccepted = m_pad->Practice().StrokeCounter();
        m_feedback->clear();
    }
}

void CExerciseDlg::Choose(int choice) {
    if (m_session->IsFinished() || m_session->IsAnswered() || !m_session->Current().IsChoice() ||
        choice < 0 || choice >= static_cast<int>(m_choices.size()))
        return;
    m_choices[static_cast<size_t>(choice)]->setProperty("chosen", true);
    AfterAnswer(m_session->AnswerChoice(choice));
}

void CExerciseDlg::PlaceTile(int tile) {
    if (m_session->IsFinished() || m_session->IsAnswered() ||
        m_session->Current().kind != QuestionKind::WordOrder || tile < 0 ||
        tile >= static_cast<int>(m_choices.size()))
        return;
    CChoiceButton* chosen = m_choices[static_cast<size_t>(tile)];
    if (std::find(m_placed.begin(), m_placed.end(), chosen) != m_placed.end())
        return;
    m_placed.push_back(chosen);
    ArrangeTiles();
}

void CExerciseDlg::TakeBackTile() {
    if (m_session->IsFinished() || m_session->IsAnswered() || m_placed.empty())
        return;
    m_placed.pop_back();
    ArrangeTiles();
}

void CExerciseDlg::Check() {
    if (m_session->IsFinished() || m_session->IsAnswered() ||
        m_session->Current().kind != QuestionKind::WordOrder || m_placed.size() != m_choices.size())
        return;
    std::vector<int> order;
    for (CChoiceButton* tile : m_placed)
        order.push_back(tile->property("tile").toInt());
    AfterAnswer(m_session->AnswerOrder(order));
}

void CExerciseDlg::GiveUp() {
    if (m_session->IsFinished() || m_session->IsAnswered())
        return;
    m_session->GiveUp();
    AfterAnswer(false);
}

void CExerciseDlg::AfterAnswer(bool right) {
    const Question& q = m_session->Current();
    MarkChoices();
    ShowPrompt(true);
    ShowFeedback(right);
    if (m_pad) {
        m_pad->ShowWhole();
        if (!right)
            m_pad->StartAnimation();
    }
    m_progress->setValue(m_session->Index() + 1);
    UpdateCommands();
    PlaySound(q.sound);
}

void CExerciseDlg::MarkChoices() {
    const Question& q = m_session->Current();
    if (q.kind == QuestionKind::WordOrder) {
        for (size_t i = 0; i < m_placed.size() && i < q.order.size(); ++i) {
            const auto tile = static_cast<size_t>(m_placed[i]->property("tile").toInt());
            const bool right = q.choices[tile].chinese == q.choices[static_cast<size_t>(q.order[i])].chinese;
            m_placed[i]->SetMark(right ? CChoiceButton::Mark::Right : CChoiceButton::Mark::Wrong);
        }
        return;
    }
    for (size_t i = 0; i < m_choices.size(); ++i) {
        if (static_cast<int>(i) == q.answer)
            m_choices[i]->SetMark(CChoiceButton::Mark::Right);
        else if (m_choices[i]->property("chosen").toBool())
            m_choices[i]->SetMark(CChoiceButton::Mark::Wrong);
        m_choices[i]->setEnabled(false);
    }
}

void CExerciseDlg::ShowFeedback(bool right) {
    const Question& q = m_session->Current();
    QString text;
    if (q.kind == QuestionKind::Writing)
        text = right ? Text(ExerciseText::WritingRight).arg(m_pad ? m_pad->LastGrade() : 0.0, 0, 'f', 1)
                     : Text(ExerciseText::WritingWrong);
    else
        text = right ? Text(ExerciseText::Right) : Text(ExerciseText::Wrong);
    SetFeedback(text, right ? kRightInk : kWrongInk);
    if (!right)
        ShowAnswerPicture();
}

void CExerciseDlg::ShowAnswerPicture() {
    const Question& q = m_session->Current();
    if (q.IsChoice() && q.answer >= 0) {
        const exercise::Choice& answer = q.choices[static_cast<size_t>(q.answer)];
        if (!answer.text.empty() || answer.chinese.empty()) {
            m_answerPicture->setText(answer.text.empty() ? QString::fromStdU16String(answer.pinyin)
                                                         : QString::fromStdString(answer.text));
            return;
        }
        m_answerPicture->setPixmap(QPixmap::fromImage(WordPicture(answer.chinese, answer.pinyin)));
        return;
    }
    m_answerPicture->setPixmap(QPixmap::fromImage(WordPicture(q.chinese, q.pinyin)));
}

void CExerciseDlg::UpdateCommands() {
    const bool finished = m_session->IsFinished() || m_session->Count() == 0;
    const bool answered = !finished && m_session->IsAnswered();
    const bool ordering = !finished && m_session->Current().kind == QuestionKind::WordOrder;
    m_check->setVisible(ordering && !answered);
    m_check->setEnabled(ordering && m_placed.size() == m_choices.size());
    m_giveUp->setVisible(!finished && !answered);
    m_next->setVisible(answered || finished);
    LineUpCommands({m_next, m_check, m_giveUp});
    m_replay->setVisible(!finished && !ShowsResult());
    const bool last = !finished && m_session->Index() + 1 == m_session->Count();
    const ExerciseText nextLabel = finished ? ExerciseText::TryAgain
                                   : last   ? ExerciseText::Finish
                                            : ExerciseText::Next;
    m_next->setText(Text(nextLabel));
    m_next->SetBitmaps(finished ? artwork::kTryAgainHover : artwork::kNextHover, 0xFFFF0000,
                       finished ? artwork::kTryAgainNormal : artwork::kNextNormal, 0xFFFF0000);
}

void CExerciseDlg::Next() {
    if (m_session->IsFinished() || m_session->Count() == 0) {
        StartAgain();
        return;
    }
    if (!m_session->IsAnswered())
        return;
    if (m_session->Next())
        ShowQuestion();
    else
        ShowResult();
}

void CExerciseDlg::ShowResult() {
    const int score = m_session->Score();
    m_kept = m_setup.keepScore(score);
    QString kept;
    if (!m_kept.saved)
        kept = Text(ExerciseText::NotSaved).arg(QString::fromStdString(m_kept.error));
    else if (m_kept.improved)
        kept = Text(ExerciseText::SavedBetter);
    else
        kept = Text(ExerciseText::Saved).arg(m_kept.bestScore);
    g_log.Write("exercise: score %d, %s", score, m_kept.saved ? "kept" : m_kept.error.c_str());
    ClearAnswers();
    m_answers->hide();
    m_instruction->clear();
    m_promptPicture->clear();
    m_promptText->clear();
    m_feedback->clear();
    m_answerPicture->clear();
    m_progressText->setText(Text(ExerciseText::Finish));
    m_progress->setValue(m_session->Count());
    const auto& review = m_session->ReviewItems();
    CExerciseResultPanel& result = ResultPanel();
    result.ShowResult(Text(ExerciseText::ScoreTitle), score, kept, m_kept.saved,
                      review.empty() ? Text(ExerciseText::NothingToReview) : Text(ExerciseText::ReviewTitle),
                      review);
    result.show();
    result.raise();
    UpdateCommands();
}

void CExerciseDlg::StartAgain() {
    StartRun(QRandomGenerator::global()->generate());
}

void CExerciseDlg::Replay() {
    if (!m_session->IsFinished() && m_session->Count() > 0)
        PlaySound(m_session->Current().sound);
}

void CExerciseDlg::PlaySound(const exercise::SoundSource& source) {
    if (source.IsEmpty())
        return;
    const bool saved = source.IsSentence()
                           ? m_setup.content->SaveSentenceSound(source.sentenceId, m_soundFile)
                           : m_setup.content->SaveWordSound(source.word, source.pinyin, m_soundFile);
    if (saved)
        PlayMp3(m_soundFile);
    else
        g_log.Write("exercise: no sound for this question");
}

void CExerciseDlg::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    event->accept();
    const bool open = !m_session->IsFinished() && m_session->Count() > 0 && !m_session->IsAnswered();
    if (key == Qt::Key_Space) {
        Replay();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (open && m_session->Current().kind == QuestionKind::WordOrder)
            Check();
        else
            Next();
    } else if (key == Qt::Key_Backspace) {
        TakeBackTile();
    } else if (open && key >= Qt::Key_1 && key <= Qt::Key_9) {
        const int number = key - Qt::Key_1;
        if (m_session->Current().kind == QuestionKind::WordOrder)
            PlaceTile(number);
        else
            Choose(number);
    } else if (key != Qt::Key_Escape) {
        CPracticeDlg::keyPressEvent(event);
    }
}
