#include "audio/CClockTimer.h"

#include <QMetaObject>
#include <QObject>

CClockTimer::CClockTimer(IClock& clock, QObject* owner, std::function<void()> onTimer)
    : m_clock(clock), m_owner(owner), m_onTimer(std::move(onTimer)) {}

CClockTimer::~CClockTimer() {
    Kill();
}

void CClockTimer::Set(int delayMs) {
    Kill();
    m_delayMs = delayMs;
    const unsigned generation = m_generation;
    m_timer = m_clock.StartTimer(std::chrono::milliseconds(delayMs), [this, generation] {
        QMetaObject::invokeMethod(
            m_owner, [this, generation] { Fire(generation); }, Qt::QueuedConnection);
    });
}

void CClockTimer::Kill() {
    // A firing already queued to the owner belongs to an older generation and is dropped.
    ++m_generation;
    if (m_timer != 0)
        m_clock.CancelTimer(m_timer);
    m_timer = 0;
}

void CClockTimer::Fire(unsigned generation) {
    if (generation != m_generation)
        return;
    m_timer = 0;
    m_onTimer();
}
