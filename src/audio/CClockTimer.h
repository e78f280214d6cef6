#pragma once

#include "audio/IClock.h"

#include <functional>

class QObject;

// A window's timer on an injectable clock: once set, it fires once after its delay, on the thread
// of the window that owns it (the clock calls back on a thread of its own). Setting it again or
// killing it cancels a firing that is already on its way. The owner keeps it as a member, so a
// firing queued to a window that is gone is dropped with the window.
class CClockTimer {
public:
    CClockTimer(IClock& clock, QObject* owner, std::function<void()> onTimer);
    ~CClockTimer();
    CClockTimer(const CClockTimer&) = delete;
    CClockTimer& operator=(const CClockTimer&) = delete;

    void Set(int delayMs);
    void Kill();
    bool IsSet() const { return m_timer != 0; }
    // The delay it was last set with.
    int DelayMs() const { return m_delayMs; }

private:
    void Fire(unsigned generation);

    IClock& m_clock;
    QObject* m_owner;
    std::function<void()> m_onTimer;
    IClock::TimerId m_timer = 0;
    unsigned m_generation = 0;
    int m_delayMs = 0;
};
