#pragma once

#include "audio/IClock.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

// The steady system clock with one timer thread; timers due at the same time run in the order
// they were started.
class CSystemClock final : public IClock {
public:
    CSystemClock();
    ~CSystemClock() override;

    Duration Now() const override;
    TimerId StartTimer(Duration delay, std::function<void()> callback) override;
    void CancelTimer(TimerId id) override;
    void Sleep(Duration duration) override;

private:
    struct Timer {
        TimerId id;
        std::function<void()> callback;
    };
    void Run();

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::multimap<Duration, Timer> m_timers;
    TimerId m_nextId = 1;
    TimerId m_runningId = 0;
    std::thread::id m_timerThreadId;
    bool m_ending = false;
    std::thread m_thread;
};
