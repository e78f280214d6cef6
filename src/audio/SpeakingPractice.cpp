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

std::vector<QPoint> CharacterLinePositions(int count) {
    std::vector<QPoint> positions;
    if (count <= 0 || count >= 66)
        return positions;
    int y = count < 22 ? 30 : count < 44 ? 20 : 10;
    int x = 40;
    for (int i = 0; i < count; ++i) {
        positions.emplace_back(x, y);
        x += 18;
        if ((i + 1) % 22 == 0) {
            x = 40;
            y += 20;
        }
    }
    return positions;
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
