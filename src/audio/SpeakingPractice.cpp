#include "audio/SpeakingPractice.h"

namespace speaking {

int ModelPhaseMs(double modelVoicedSeconds) {
    return static_cast<int>(modelVoicedSeconds * 1000.0 + 1000.0);
}

int RecordingWindowMs(double modelVoicedSeconds) {
    return static_cast<int>(modelVoicedSeconds * 1000.0 + 2000.0);
}

float VoiceRatio(float modelSeconds, float learnerSeconds) {
    if (!(learnerSeconds > 0.0f))
        return -1.0f;
    return modelSeconds / learnerSeconds;
}

const char* Rating(float r) {
    if (r > 0.5f && r < 2.0f)
        return "good!";
    if ((r > 2.0f && r < 4.0f) || (r > 0.25f && r < 0.5f))
        return "Not So bad!";
    return "Try again!";
}

CursorTiming CursorTimingFor(double voicedSeconds, int width) {
    CursorTiming t;
    if (!(voicedSeconds > 0.0) || width <= 0)
        return t;
    auto interval = [&](int step) {
        const int moves = width / step;
        return moves > 0 ? static_cast<int>(voicedSeconds * 1000.0 / moves)
                         : static_cast<int>(voicedSeconds * 1000.0);
    };
    t.step = 5;
    t.intervalMs = interval(t.step);
    while (t.intervalMs <= 24 && t.step < width) {
        ++t.step;
        t.intervalMs = interval(t.step);
    }
    while (t.intervalMs > 100) {
        --t.step;
        t.intervalMs = interval(t.step);
        if (t.step < 3)
            break;
    }
    return t;
}

} // namespace speaking
