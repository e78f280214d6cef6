#include "audio/CWaitableEvent.h"

namespace {
// All events share one lock and one condition, so a thread can wait on any two of them.
std::mutex g_eventLock;
std::condition_variable g_eventChanged;
} // namespace

CWaitableEvent::CWaitableEvent(bool manualReset, bool initiallySignalled)
    : m_manualReset(manualReset), m_signalled(initiallySignalled) {}

void CWaitableEvent::Set() {
    {
        std::lock_guard<std::mutex> guard(g_eventLock);
        m_signalled = true;
    }
    g_eventChanged.notify_all();
}

void CWaitableEvent::Reset() {
    std::lock_guard<std::mutex> guard(g_eventLock);
    m_signalled = false;
}

bool CWaitableEvent::IsSignalled() const {
    std::lock_guard<std::mutex> guard(g_eventLock);
    return m_signalled;
}

void CWaitableEvent::Wait() {
    std::unique_lock<std::mutex> guard(g_eventLock);
    g_eventChanged.wait(guard, [this] { return TryTakeLocked(); });
}

bool CWaitableEvent::TryTakeLocked() {
    if (!m_signalled)
        return false;
    if (!m_manualReset)
        m_signalled = false;
    return true;
}

int CWaitableEvent::WaitForEither(CWaitableEvent& first, CWaitableEvent& second) {
    std::unique_lock<std::mutex> guard(g_eventLock);
    for (;;) {
        if (first.TryTakeLocked())
            return 0;
        if (second.TryTakeLocked())
            return 1;
        g_eventChanged.wait(guard);
    }
}
