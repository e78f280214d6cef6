#pragma once

#include <memory>

class QSocketNotifier;

// Ends the program the ordinary way when the session asks it to (SIGTERM, SIGINT, SIGHUP): every
// window is closed as if the learner had closed it, so the exit path saves the learner's settings
// and the clean-up runs. The signal handler only writes a byte to a pipe; the closing happens on
// the user-interface thread.
class CTerminationSignal {
public:
    CTerminationSignal();
    ~CTerminationSignal();
    CTerminationSignal(const CTerminationSignal&) = delete;
    CTerminationSignal& operator=(const CTerminationSignal&) = delete;

private:
    void OnSignal();

    int m_fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
};
