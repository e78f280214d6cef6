#include "app/UserNotice.h"

#include "app/CLog.h"

#include <atomic>
#include <cstdio>

namespace {

class LoggedNotice final : public UserNotice {
public:
    void Show(Kind, const std::string& title, const std::string& text) override {
        g_log.Write("%s: %s", title.c_str(), text.c_str());
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    bool Ask(const std::string& title, const std::string& text) override {
        Show(Kind::Information, title, text);
        return false;
    }
};

LoggedNotice g_loggedNotice;
std::atomic<UserNotice*> g_notice{nullptr};

} // namespace

UserNotice& GetUserNotice() {
    UserNotice* notice = g_notice.load();
    return notice ? *notice : g_loggedNotice;
}

UserNotice* SetUserNotice(UserNotice* notice) {
    return g_notice.exchange(notice);
}
