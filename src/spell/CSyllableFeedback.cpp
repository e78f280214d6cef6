#include "spell/CSyllableFeedback.h"

#include "exercise/PracticeColours.h"
#include "spell/TypedPinyin.h"

#include <QPainter>

using namespace practicecolours;

namespace {

constexpr int kColumnWidth = 120;
constexpr int kColumnGap = 14;

QString MarkedSyllable(const PinyinSyllable& syllable) {
    return QString::fromStdU16String(typedpinyin::Marked({syllable}));
}

QFont Sized(QFont font, int pixelSize, bool bold) {
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// One part of a syllable on a ground that says whether it is right.
void PaintChip(QPainter& painter, const QRect& place, const QString& text, bool right) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(right ? kRightLight : kWrongLight);
    painter.drawRoundedRect(place, 6, 6);
    painter.setPen(right ? kRight : kWrong);
    painter.drawText(place, Qt::AlignCenter, text);
}

} // namespace

CSyllableFeedback::CSyllableFeedback(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("syllables"));
}

void CSyllableFeedback::ShowVerdict(const spelling::Verdict& verdict) {
    m_verdict = verdict;
    update();
}

void CSyllableFeedback::Clear() {
    m_verdict = {};
    update();
}

void CSyllableFeedback::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int count = static_cast<int>(m_verdict.syllables.size());
    const int total = count * kColumnWidth + std::max(0, count - 1) * kColumnGap;
    int x = std::max(0, (width() - total) / 2);
    for (const spelling::SyllableCheck& check : m_verdict.syllables) {
        PaintSyllable(painter, check, QRect(x, 0, kColumnWidth, height()));
        x += kColumnWidth + kColumnGap;
    }
}

void CSyllableFeedback::PaintSyllable(QPainter& painter, const spelling::SyllableCheck& check,
                                      const QRect& column) {
    // What was typed, whole.
    painter.setFont(Sized(font(), 28, true));
    painter.setPen(check.Right() ? kRight : kWrong);
    painter.drawText(QRect(column.left(), column.top(), column.width(), 40), Qt::AlignCenter,
                     check.typed ? MarkedSyllable(check.given) : QStringLiteral("?"));
    // Its parts: initial, final, tone.
    painter.setFont(Sized(font(), 14, true));
    const int chipTop = column.top() + 46;
    const int chipWidth = (column.width() - 8) / 3;
    const QString initial = check.typed ? QString::fromStdString(check.given.initial) : QString();
    PaintChip(painter, QRect(column.left(), chipTop, chipWidth, 26),
              initial.isEmpty() ? QStringLiteral("–") : initial, check.initialRight);
    PaintChip(painter, QRect(column.left() + chipWidth + 4, chipTop, chipWidth, 26),
              check.typed ? QString::fromStdString(check.given.final) : QStringLiteral("–"),
              check.finalRight);
    PaintChip(painter, QRect(column.left() + 2 * (chipWidth + 4), chipTop, chipWidth, 26),
              check.typed ? QString::number(check.given.tone) : QStringLiteral("–"), check.toneRight);
    // The lesson's syllable where it differs.
    if (!check.Right() || check.toneChange) {
        painter.setFont(Sized(font(), 24, false));
        painter.setPen(check.Right() ? kInk : kTealDark);
        painter.drawText(QRect(column.left(), chipTop + 34, column.width(), 36), Qt::AlignCenter,
                         QStringLiteral("→ ") + MarkedSyllable(check.expected));
    }
}
