#pragma once

#include <QTimer>

#include <functional>

// Runs the next animation step after a pause, on the user-interface thread, so the window stays
// responsive between steps. The program uses a single-shot Qt timer; tests replace it with one
// that runs the steps on demand and records the pauses.
class StepTimer {
public:
    virtual ~StepTimer() = default;
    // Runs `step` once after `milliseconds`, replacing any step still waiting.
    virtual void Schedule(int milliseconds, std::function<void()> step) = 0;
    virtual void Cancel() = 0;
};

class QtStepTimer final : public StepTimer {
public:
    QtStepTimer();
    void Schedule(int milliseconds, std::function<void()> step) override;
    void Cancel() override;

private:
    QTimer m_timer;
    std::function<void()> m_step;
};
