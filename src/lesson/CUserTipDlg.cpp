#include "lesson/CUserTipDlg.h"

#include "app/ContentPath.h"
#include "lesson/DialogControls.h"
#include "lesson/LessonSettings.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/SkinLayout.h"

#include <QCheckBox>
#include <QPainter>

using namespace skinlayout::usertip;

CUserTipDlg::CUserTipDlg(QWidget* parent) : SkinDialog(kSize, parent) {
    setObjectName(QStringLiteral("486"));
    InitSkin(GetProgramFolder() + "image\\usertip.bmp");
    m_askAgain = new QCheckBox(QStringLiteral("Ask me again next time"), this);
    m_askAgain->setObjectName(QStringLiteral("1109"));
    m_askAgain->setGeometry(kAskAgain);
    m_askAgain->setStyleSheet(QStringLiteral("QCheckBox { color: #215e5a; background: transparent; }"));
    auto* yes = dialogs::AddButton(this, 1, kYes, artwork::kYesHover, artwork::kYesNormal);
    auto* no = dialogs::AddButton(this, 2, kNo, artwork::kNoHover, artwork::kNoNormal);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

int CUserTipDlg::exec() {
    m_askAgain->setChecked(m_bAskAgain);
    return SkinDialog::exec();
}

void CUserTipDlg::done(int result) {
    m_bAskAgain = m_askAgain->isChecked();
    g_lessonSettings.m_resumePrompt = m_bAskAgain;
    SkinDialog::done(result);
}

void CUserTipDlg::paintEvent(QPaintEvent* event) {
    SkinDialog::paintEvent(event);
    QPainter painter(this);
    dialogs::PaintMessage(painter, kText, m_strText);
}
