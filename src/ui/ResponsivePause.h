#pragma once

class IClock;

// Waits `milliseconds` on the user-interface thread in short sleeps, dispatching pending window
// messages between them so the window keeps answering.
void ResponsivePause(IClock& clock, int milliseconds);
