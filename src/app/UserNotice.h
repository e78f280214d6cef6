#pragma once

#include <string>

// The one way for code below the windows to tell the user something. The program installs a
// message-box implementation at start; tests install one that records what would be shown.
class UserNotice {
public:
    enum class Kind { Information, Warning, Error };
    virtual ~UserNotice() = default;
    virtual void Show(Kind kind, const std::string& title, const std::string& text) = 0;
    // A yes/no question; true for yes.
    virtual bool Ask(const std::string& title, const std::string& text) = 0;
};

// The installed notice; before any is installed, notices go to the log and standard error.
UserNotice& GetUserNotice();
// Installs `notice` (not owned) and returns the previous one; nullptr restores the default.
UserNotice* SetUserNotice(UserNotice* notice);
