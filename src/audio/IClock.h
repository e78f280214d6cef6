#pragma once

#include <chrono>
#include <functional>

// The time source of the audio threads and the file-backed devices. The program runs on the
// system clock; tests install a clock they advance by hand, so nothing waits through real time.
class IClock {
public:
    using Duration = std::chrono::nanoseconds;
    using TimerId = int;

    virtual ~IClock() = default;
    // Time since an arbitrary origin.
    virtual Duration Now() const = 0;
    // Runs `callback` once, `delay` from now, on the clock's own thread.
    virtual TimerId StartTimer(Duration delay, std::function<void()> callback) = 0;
    // After this returns the callback is not running and will not run (unless called from it).
    virtual void CancelTimer(TimerId id) = 0;
    virtual void Sleep(Duration duration) = 0;
};

// The process-wide clock over the steady system clock.
IClock& GetSystemClock();
