#pragma once

#include "ui/SkinDialog.h"

#include <string>

class LearnerService;
class QComboBox;
class QLineEdit;

// The login dialog: a user name (chosen from the users of this computer or typed) and a password.
// An unknown name is offered as a new user. Accepted with the user's id in m_strUserId.
class CUser : public SkinDialog {
public:
    explicit CUser(LearnerService& learners, QWidget* parent = nullptr);

    int exec() override;

    std::string m_strUser; // prefilled with the last user; the typed name afterwards
    std::string m_strPassword;
    std::string m_strUserId; // the logged-in (or newly created) user's id

private:
    void InitDialog();
    void OnOK();
    // The name is unknown: ask whether to add it, and log in as the new user on yes.
    void OfferNewUser();

    LearnerService& m_learners;
    QComboBox* m_userBox = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
};
