#include "lesson/CTipDlg.h"

#include "app/ContentPath.h"
#include "lesson/DialogControls.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/SkinLayout.h"

#include <QPainter>

using namespace skinlayout::tip;

CTipDlg::CTipDlg(QWidget* parent) : SkinDialog(kSize, parent) {
    setObjectName(QStringLiteral("567"));
    InitSkin(GetProgramFolder() + "image\\tipdia.bmp");
    m_textRect = kText;
    m_yes = dialogs::AddButton(this, 1, kYes, artwork::kYesHover, artwork::kYesNormal);
    m_no = dialogs::AddButton(this, 2, kNo, artwork::kNoHover, artwork::kNoNormal);
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);
}

int CTipDlg::exec() {
    // A notice has one button: the right one, with the single-button face.
    m_yes->setVisible(!m_bOkOnly);
    if (m_bOkOnly)
        SetUpBitmapButton(m_no, artwork::kOkHover, artwork::kOkNormal);
    FitText();
    return SkinDialog::exec();
}

// A text longer than the skin's text area (an error with its reason) would be cut off: the dialog
// grows downwards until the whole wrapped text fits, the buttons moving down with it.
void CTipDlg::FitText() {
    const int needed =
        fontMetrics().boundingRect(QRect(0, 0, kText.width(), 100000), Qt::TextWordWrap, m_strText).height();
    const int extra = needed - m_textRect.height();
    if (extra <= 0)
        return;
    // The row just above the buttons is plain ground, below the picture on the left.
    StretchSkin(kYes.top() - 4, extra);
    m_textRect.setHeight(needed);
    for (BitmapButton* button : {m_yes, m_no})
        button->move(button->pos() + QPoint(0, extra));
}

bool CTipDlg::Run(QWidget* parent, const QString& text, bool okOnly) {
    CTipDlg dialog(parent);
    dialog.m_strText = text;
    dialog.m_bOkOnly = okOnly;
    return dialog.exec() == QDialog::Accepted;
}

void CTipDlg::paintEvent(QPaintEvent* event) {
    SkinDialog::paintEvent(event);
    QPainter painter(this);
    dialogs::PaintMessage(painter, m_textRect, m_strText);
}
