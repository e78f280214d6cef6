#pragma once

#include <thread>

// Prepares on a second thread, while the program opens its content and builds its window, what a
// window's first paint would otherwise set up on the way: the font database (reading the font
// configuration and listing the installed fonts cost the first words drawn several milliseconds)
// and Qt's list of image readers, which the first compiled-in picture looks through. Both guard
// themselves with locks, so the window waits at most for what is left. Make it once the
// application object exists; it waits for its thread when it goes.
class StartupWarmUp {
public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

private:
    std::thread m_thread;
};
