#pragma once

#include <condition_variable>
#include <mutex>

// An event object: signalled or not; a manual-reset event stays signalled until reset, an
// auto-reset event lets one waiter through and resets itself.
class CWaitableEvent {
public:
    CWaitableEvent(bool manualReset, bool initiallySignalled);

    void Set();
    void Reset();
    bool IsSignalled() const;
    void Wait();
    // Waits until either event is signalled; returns 0 for `first`, 1 for `second`. The first
    // takes precedence when both are.
    static int WaitForEither(CWaitableEvent& first, CWaitableEvent& second);

private:
    bool TryTakeLocked();

    bool m_manualReset;
    bool m_signalled;
};
