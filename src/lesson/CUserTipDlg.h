#pragma once

#include "ui/SkinDialog.h"

#include <QString>

class QCheckBox;

// The question about resuming the last lesson, with a check box for asking again next time. When
// it closes (by either button) the check box becomes the resume-prompt flag of the display settings.
class CUserTipDlg : public SkinDialog {
public:
    explicit CUserTipDlg(QWidget* parent = nullptr);

    int exec() override;
    void done(int result) override;

    QString m_strText;
    bool m_bAskAgain = true;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QCheckBox* m_askAgain = nullptr;
};
