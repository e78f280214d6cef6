#pragma once

#include "lesson/LessonWindowServices.h"

#include <cstddef>
#include <functional>

class IClock;

// What the read-the-whole-text loop needs around the sentences.
struct ReadAllHooks {
    // Handles the window's pending messages, so it stays responsive between sentences.
    std::function<void()> processMessages;
    // Waits this many milliseconds (keeping the window responsive).
    std::function<void(int milliseconds)> wait;
    // True once the window is closing: the loop ends.
    std::function<bool()> stopped;
};

// Reads every sentence in order: a silent sentence gets a 2 s pause, then its sound is prepared and
// the learner reads it during the sound's length + 3 s; any other sentence is read aloud after a 2 s
// pause. sentenceAt(i) is asked again before each step (null past the end), since the sentences can
// change while messages are handled.
void ReadAllSentences(const std::function<SentenceReader*(size_t index)>& sentenceAt,
                      const ReadAllHooks& hooks);

// Waits on the user-interface thread in short sleeps of the clock, handling pending messages in
// between; ends early when `stopped` turns true.
void WaitDispatching(IClock& clock, int milliseconds, const std::function<bool()>& stopped);
