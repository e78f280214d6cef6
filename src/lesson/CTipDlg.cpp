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
    return SkinDialog::exec();
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
    dialogs::PaintMessage(painter, kText, m_strText);
}
