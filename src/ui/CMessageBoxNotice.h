#pragma once

#include "app/UserNotice.h"

// Shows notices as message boxes over the active window.
class CMessageBoxNotice final : public UserNotice {
public:
    void Show(Kind kind, const std::string& title, const std::string& text) override;
    bool Ask(const std::string& title, const std::string& text) override;
};
