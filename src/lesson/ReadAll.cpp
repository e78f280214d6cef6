#include "lesson/ReadAll.h"

#include "audio/IClock.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>

void ReadAllSentences(const std::function<SentenceReader*(size_t index)>& sentenceAt,
                      const ReadAllHooks& hooks) {
    constexpr int kPauseMs = 2000;
    for (size_t index = 0;; ++index) {
        hooks.processMessages();
        SentenceReader* sentence = hooks.stopped() ? nullptr : sentenceAt(index);
        if (!sentence)
            return;
        const bool silent = sentence->ReadingStateOf() == SentenceReader::kSilent;
        hooks.wait(kPauseMs);
        if (hooks.stopped() || !(sentence = sentenceAt(index)))
            return;
        if (silent)
            hooks.wait(sentence->PrepareSoundSeconds() * 1000 + 3000);
        else
            sentence->ReadSentence();
    }
}

void WaitDispatching(IClock& clock, int milliseconds, const std::function<bool()>& stopped) {
    constexpr int kStepMs = 20;
    for (int waited = 0; waited < milliseconds && !stopped(); waited += kStepMs) {
        QCoreApplication::processEvents();
        clock.Sleep(std::chrono::milliseconds(std::min(kStepMs, milliseconds - waited)));
    }
}
