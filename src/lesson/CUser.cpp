#include "lesson/CUser.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/UserNotice.h"
#include "lesson/CTipDlg.h"
#include "lesson/DialogControls.h"
#include "lesson/LearnerService.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/SkinLayout.h"

#include <QComboBox>
#include <QLineEdit>

using namespace skinlayout::login;

namespace {
const char* const kLoginTitle = "Log in";
}

CUser::CUser(LearnerService& learners, QWidget* parent) : SkinDialog(kSize, parent), m_learners(learners) {
    setObjectName(QStringLiteral("346"));
    m_userBox = new QComboBox(this);
    m_userBox->setObjectName(QStringLiteral("1035"));
    m_userBox->setEditable(true);
    m_userBox->setInsertPolicy(QComboBox::NoInsert);
    m_userBox->setGeometry(kUser);
    m_passwordEdit = new QLineEdit(this);
    m_passwordEdit->setObjectName(QStringLiteral("1008"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setGeometry(kPassword);
    auto* ok = dialogs::AddButton(this, 1, kOk, artwork::kLoginHover, artwork::kLoginNormal);
    auto* cancel = dialogs::AddButton(this, 2, kCancel, artwork::kCancelHover, artwork::kCancelNormal);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CUser::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CUser::exec() {
    InitDialog();
    return SkinDialog::exec();
}

void CUser::InitDialog() {
    InitSkin(GetProgramFolder() + "image\\userpass.bmp");
    g_log.Write("CUser.1");
    std::vector<std::string> names;
    std::string failedSql;
    if (!m_learners.UserNames(names, failedSql)) {
        GetUserNotice().Show(UserNotice::Kind::Error, kLoginTitle, failedSql);
        return;
    }
    g_log.Write("CUser.2");
    m_userBox->clear();
    for (const std::string& name : names)
        m_userBox->addItem(QString::fromStdString(name));
    g_log.Write("CUser.3");
    m_userBox->setEditText(QString::fromStdString(m_strUser));
    g_log.Write("CUser.4");
    g_log.Write("CUser.5");
    m_passwordEdit->setFocus();
}

void CUser::OnOK() {
    m_strUser = m_userBox->currentText().toStdString();
    m_strPassword = m_passwordEdit->text().toStdString();
    const accounts::LoginResult result = m_learners.CheckLogin(m_strUser, m_strPassword);
    switch (result.outcome) {
    case accounts::LoginOutcome::BlankName:
        CTipDlg::Run(this, QStringLiteral("Username can't be blank!"), true);
        return;
    case accounts::LoginOutcome::QueryFailed:
        GetUserNotice().Show(UserNotice::Kind::Error, kLoginTitle, result.failedSql);
        return;
    case accounts::LoginOutcome::WrongPassword:
        CTipDlg::Run(this, QStringLiteral("Password error!"), true);
        return;
    case accounts::LoginOutcome::UnknownUser:
        OfferNewUser();
        return;
    case accounts::LoginOutcome::LoggedIn:
        m_strUserId = result.userId;
        accept();
        return;
    }
}

void CUser::OfferNewUser() {
    const QString question =
        QString::fromStdString(m_strUser) + QStringLiteral(" doesn't exist. Do you want to add this user?");
    if (!CTipDlg::Run(this, question, false))
        return;
    std::string newId, error;
    if (!m_learners.CreateUser(m_strUser, m_strPassword, newId, error)) {
        // The account is not stored: stay here rather than study under an id lost at the next start.
        g_log.Write("CUser: new user %s not saved", m_strUser.c_str());
        CTipDlg::Run(this, QString::fromStdString(error), true);
        return;
    }
    m_strUserId = newId;
    accept();
}
