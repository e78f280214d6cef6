#pragma once

#include "spell/SpellingCheck.h"

#include <QWidget>

// The check of a typed answer, syllable by syllable: what was typed with its initial, final and
// tone each marked right (green) or wrong (red), and the lesson's syllable under it where they
// differ.
class CSyllableFeedback : public QWidget {
public:
    explicit CSyllableFeedback(QWidget* parent);

    void ShowVerdict(const spelling::Verdict& verdict);
    void Clear();
    const spelling::Verdict& Verdict() const { return m_verdict; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintSyllable(QPainter& painter, const spelling::SyllableCheck& check, const QRect& column);

    spelling::Verdict m_verdict;
};
