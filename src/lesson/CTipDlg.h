#pragma once

#include "ui/SkinDialog.h"

#include <QRect>
#include <QString>

class BitmapButton;

// The program's own message dialog: a notice with one button, or a yes/no question. Accepted for
// the left button (yes), rejected for the right one (no, or the only button of a notice).
class CTipDlg : public SkinDialog {
public:
    explicit CTipDlg(QWidget* parent = nullptr);

    int exec() override;

    // Runs a notice or a question modally; true when the answer was yes.
    static bool Run(QWidget* parent, const QString& text, bool okOnly);

    QString m_strText;
    bool m_bOkOnly = false;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FitText();

    QRect m_textRect;
    BitmapButton* m_yes = nullptr;
    BitmapButton* m_no = nullptr;
};
