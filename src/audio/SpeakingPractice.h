#pragma once

// The decisions of the speaking practice, apart from its window: how long each phase lasts,
// how the learner's recording is rated and how fast the play cursor moves over a waveform.
// (The sentence's character line is render/SentenceGrid.)
#include <string>
#include <vector>

namespace speaking {

// The spoken syllables of a sentence read from its pinyin (one group per word, as the lessons
// write it): each syllable as written ("nǐ") with its tone (5 for the neutral tone), and whether
// punctuation follows it (a pause). An erhua r stays with its syllable; punctuation and words whose
// pinyin cannot be read give no syllable.
struct SentenceSyllables {
    std::vector<std::string> written;
    std::vector<int> tones;
    std::vector<bool> pauseAfter;
};
SentenceSyllables ReadSentenceSyllables(const std::u16string& words, const std::u16string& pinyin);

// Timer after the model starts playing: the model's voiced length (threshold 0) plus one second.
int ModelPhaseMs(double modelVoicedSeconds);
// Time the learner gets to speak: the model's voiced length (threshold 2000) plus two seconds.
int RecordingWindowMs(double modelVoicedSeconds);

// r = model ÷ learner in single precision. With no learner voice at all (0, or -1 for a recording
// that could not be read) the ratio is negative, so it rates as "Try again!".
float VoiceRatio(float modelSeconds, float learnerSeconds);
// "good!" for 0.5 < r < 2, "Not So bad!" for 2 < r < 4 or 0.25 < r < 0.5, else "Try again!".
const char* Rating(float ratio);

// Step (pixels) and timer interval (ms) of the play cursor for a sound of `voicedSeconds` over a
// waveform `width` pixels wide. A sound with no voiced length gets no cursor (interval 0).
struct CursorTiming {
    int step = 0;
    int intervalMs = 0;
};
CursorTiming CursorTimingFor(double voicedSeconds, int width);

} // namespace speaking
