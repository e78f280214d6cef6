#include "audio/CWorkerThread.h"

#include <atomic>
#include <system_error>

namespace {
std::atomic<std::uint32_t> g_nextThreadId{1};
}

CWorkerThread::CWorkerThread() : m_threadId(g_nextThreadId++) {}

CWorkerThread::~CWorkerThread() {
    if (m_thread.joinable())
        m_thread.join();
}

bool CWorkerThread::CreateThread() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_started)
        return false;
    try {
        m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        return false;
    }
    m_started = true;
    m_running = true;
    return true;
}

bool CWorkerThread::PostThreadMessage(unsigned message, std::uintptr_t wParam,
                                      std::unique_ptr<ThreadPayload> lParam) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_running || m_endRequested)
            return false;
        m_queue.push_back(ThreadMessage{message, wParam, std::move(lParam)});
    }
    m_changed.notify_all();
    return true;
}

bool CWorkerThread::WaitForEnd(std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> guard(m_lock);
    return m_changed.wait_for(guard, timeout, [this] { return !m_running; });
}

bool CWorkerThread::WaitUntilIdle(std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> guard(m_lock);
    return m_changed.wait_for(guard, timeout,
                              [this] { return !m_running || (m_queue.empty() && !m_handling); });
}

bool CWorkerThread::IsRunning() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_running;
}

void CWorkerThread::EndMessageLoop() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_endRequested = true;
}

void CWorkerThread::EndAndJoin(unsigned endMessage) {
    PostThreadMessage(endMessage);
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

void CWorkerThread::Run() {
    std::unique_lock<std::mutex> guard(m_lock);
    while (!m_endRequested) {
        m_changed.wait(guard, [this] { return !m_queue.empty(); });
        ThreadMessage message = std::move(m_queue.front());
        m_queue.pop_front();
        m_handling = true;
        guard.unlock();
        OnThreadMessage(message);
        message.lParam.reset();
        guard.lock();
        m_handling = false;
        m_changed.notify_all();
    }
    // Whatever is still queued is released before anyone sees the loop as ended.
    std::deque<ThreadMessage> unhandled;
    unhandled.swap(m_queue);
    guard.unlock();
    unhandled.clear();
    guard.lock();
    m_running = false;
    guard.unlock();
    m_changed.notify_all();
}
