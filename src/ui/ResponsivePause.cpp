#include "ui/ResponsivePause.h"

#include "audio/IClock.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr IClock::Duration kStep = std::chrono::milliseconds(10);

} // namespace

void ResponsivePause(IClock& clock, int milliseconds) {
    const IClock::Duration end = clock.Now() + std::chrono::milliseconds(milliseconds);
    QCoreApplication::processEvents();
    for (IClock::Duration now = clock.Now(); now < end; now = clock.Now()) {
        clock.Sleep(std::min(kStep, end - now));
        QCoreApplication::processEvents();
    }
}
