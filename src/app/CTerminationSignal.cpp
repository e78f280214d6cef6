#include "app/CTerminationSignal.h"

#include "app/CLog.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalWriteFd = -1;

void HandleSignal(int) {
    const char byte = 1;
    if (g_signalWriteFd >= 0) [[maybe_unused]]
        const ssize_t written = ::write(g_signalWriteFd, &byte, 1);
}

} // namespace

CTerminationSignal::CTerminationSignal() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_fds) != 0)
        return;
    ::fcntl(m_fds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(m_fds[1], F_SETFL, O_NONBLOCK);
    g_signalWriteFd = m_fds[0];
    m_notifier = std::make_unique<QSocketNotifier>(m_fds[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { OnSignal(); });
    struct sigaction action {};
    action.sa_handler = HandleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

CTerminationSignal::~CTerminationSignal() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    g_signalWriteFd = -1;
    m_notifier.reset();
    for (int fd : m_fds)
        if (fd >= 0)
            ::close(fd);
}

void CTerminationSignal::OnSignal() {
    char buffer[16];
    while (::read(m_fds[1], buffer, sizeof buffer) > 0) {
    }
    g_log.Write("InitInstance: asked to end; closing the windows");
    // Modal windows close from the top down; each one's close path runs as usual.
    for (int round = 0; round < 8 && QApplication::activeModalWidget(); ++round) {
        QWidget* top = QApplication::activeModalWidget();
        top->close();
        if (QApplication::activeModalWidget() == top)
            break;
    }
    QApplication::closeAllWindows();
}
