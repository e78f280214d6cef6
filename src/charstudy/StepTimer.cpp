#include "charstudy/StepTimer.h"

QtStepTimer::QtStepTimer() {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        std::function<void()> step = std::move(m_step);
        m_step = nullptr;
        if (step)
            step();
    });
}

void QtStepTimer::Schedule(int milliseconds, std::function<void()> step) {
    m_step = std::move(step);
    m_timer.start(milliseconds);
}

void QtStepTimer::Cancel() {
    m_timer.stop();
    m_step = nullptr;
}
