#include "audio/CSystemClock.h"

CSystemClock::CSystemClock() {
    m_thread = std::thread([this] { Run(); });
    m_timerThreadId = m_thread.get_id();
}

CSystemClock::~CSystemClock() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_ending = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

IClock::Duration CSystemClock::Now() const {
    return std::chrono::steady_clock::now().time_since_epoch();
}

IClock::TimerId CSystemClock::StartTimer(Duration delay, std::function<void()> callback) {
    std::lock_guard<std::mutex> guard(m_lock);
    const TimerId id = m_nextId++;
    m_timers.emplace(Now() + delay, Timer{id, std::move(callback)});
    m_changed.notify_all();
    return id;
}

void CSystemClock::CancelTimer(TimerId id) {
    std::unique_lock<std::mutex> guard(m_lock);
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->second.id == id) {
            m_timers.erase(it);
            return;
        }
    }
    if (std::this_thread::get_id() != m_timerThreadId)
        m_changed.wait(guard, [&] { return m_runningId != id; });
}

void CSystemClock::Sleep(Duration duration) {
    std::this_thread::sleep_for(duration);
}

void CSystemClock::Run() {
    std::unique_lock<std::mutex> guard(m_lock);
    while (!m_ending) {
        if (m_timers.empty()) {
            m_changed.wait(guard);
            continue;
        }
        const auto due = m_timers.begin()->first;
        if (Now() < due) {
            m_changed.wait_for(guard, due - Now());
            continue;
        }
        Timer timer = std::move(m_timers.begin()->second);
        m_timers.erase(m_timers.begin());
        m_runningId = timer.id;
        guard.unlock();
        timer.callback();
        guard.lock();
        m_runningId = 0;
        m_changed.notify_all();
    }
}

IClock& GetSystemClock() {
    static CSystemClock clock;
    return clock;
}
