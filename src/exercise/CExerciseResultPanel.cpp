#include "exercise/CExerciseResultPanel.h"
#include "exercise/CPracticeDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Review rows at most shown; the run has 20 questions, so this is every one of them.
constexpr size_t kMostReviewRows = 20;

QLabel* MakeLabel(QWidget* parent, int pixelSize, bool bold, const QString& colour) {
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    CPracticeDlg::SetTextColour(label, QColor(colour));
    label->setWordWrap(true);
    return label;
}

} // namespace

CExerciseResultPanel::CExerciseResultPanel(WordDrawer drawWord, QWidget* parent)
    : QWidget(parent), m_drawWord(std::move(drawWord)) {
    setObjectName(QStringLiteral("result"));
    m_scoreTitle = MakeLabel(this, 18, true, QStringLiteral("#215e5a"));
    m_scoreTitle->setAlignment(Qt::AlignHCenter);
    m_score = MakeLabel(this, 56, true, QStringLiteral("#2f7f7a"));
    m_score->setObjectName(QStringLiteral("score"));
    m_score->setAlignment(Qt::AlignHCenter);
    m_kept = MakeLabel(this, 15, false, QStringLiteral("#2e3a4b"));
    m_kept->setObjectName(QStringLiteral("kept"));
    m_kept->setAlignment(Qt::AlignHCenter);
    m_reviewTitle = MakeLabel(this, 16, true, QStringLiteral("#215e5a"));
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_reviewList = new QWidget(m_scroll);
    m_reviewList->setObjectName(QStringLiteral("review"));
    m_reviewList->setStyleSheet(QStringLiteral("background: #fffdf7;"));
    m_reviewRows = new QVBoxLayout(m_reviewList);
    m_reviewRows->setContentsMargins(12, 8, 12, 8);
    m_reviewRows->setSpacing(6);
    m_scroll->setWidget(m_reviewList);
}

void CExerciseResultPanel::SetAreas(const QRect& scoreArea, const QRect& reviewArea) {
    const int x = scoreArea.left(), width = scoreArea.width();
    m_scoreTitle->setGeometry(x, scoreArea.top() + 4, width, 24);
    m_score->setGeometry(x, scoreArea.top() + 28, width, 66);
    m_kept->setGeometry(x + 16, scoreArea.top() + 94, width - 32, 36);
    m_reviewTitle->setGeometry(reviewArea.left() + 12, reviewArea.top() + 4, reviewArea.width() - 24, 26);
    m_scroll->setGeometry(reviewArea.adjusted(4, 34, -4, -4));
}

void CExerciseResultPanel::ClearReview() {
    while (QLayoutItem* item = m_reviewRows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void CExerciseResultPanel::ShowResult(const QString& scoreTitle, int score, const QString& keptMessage,
                                      bool kept, const QString& reviewTitle,
                                      const std::vector<exercise::ReviewItem>& review) {
    m_scoreTitle->setText(scoreTitle);
    m_score->setText(QString::number(score));
    m_kept->setText(keptMessage);
    CPracticeDlg::SetTextColour(m_kept, kept ? QColor(0x2e, 0x3a, 0x4b) : QColor(0xb2, 0x3c, 0x20));
    m_reviewTitle->setText(reviewTitle);
    ClearReview();
    for (size_t i = 0; i < review.size() && i < kMostReviewRows; ++i) {
        auto* row = new QWidget(m_reviewList);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(14);
        auto* picture = new QLabel(row);
        picture->setPixmap(QPixmap::fromImage(m_drawWord(review[i].chinese, review[i].pinyin)));
        auto* meaning = MakeLabel(row, 15, false, QStringLiteral("#2e3a4b"));
        meaning->setText(QString::fromStdString(review[i].text));
        rowLayout->addWidget(picture, 0, Qt::AlignVCenter);
        rowLayout->addWidget(meaning, 1, Qt::AlignVCenter);
        m_reviewRows->addWidget(row);
    }
    m_reviewRows->addStretch(1);
}
