#pragma once

#include "audio/PitchTracker.h"

#include <cstddef>
#include <vector>

// Tones heard in pitch contours: the syllables of an utterance, the tone each one's contour shows,
// and how closely a learner's tones follow a model's.
namespace tones {

// Frames [begin, end) of a contour.
struct SyllableSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const SyllableSpan&) const = default;
};

// Splits the voiced part of a contour into `count` syllables: runs of voiced frames, the closest
// runs joined where there are too many, the longest split at its quietest frame where there are
// too few. Empty when the contour has fewer voiced frames than syllables need.
std::vector<SyllableSpan> SplitSyllables(const PitchContour& contour, std::size_t count);

// The Mandarin tone (1 to 4) a syllable's contour shows: high and level, rising, low or dipping,
// falling; `referenceHz` is the speaker's usual pitch (for a sentence, its own median). 0 when the
// syllable has too few voiced frames.
int ClassifyTone(const PitchContour& contour, SyllableSpan span, float referenceHz);

// The tones as spoken from the tones as written (5 for the neutral tone): a third tone before
// another third becomes a second, unless the speaker pauses between them (`pauseAfter[i]`: a
// comma or a full stop after syllable i; missing entries mean no pause).
std::vector<int> SpokenTones(std::vector<int> written, const std::vector<bool>& pauseAfter = {});

struct SyllableScore {
    int expectedTone = 0;        // as spoken
    int score = 0;               // 0 to 100
    SyllableSpan model, learner; // frames of the syllable in each contour
};

struct ToneScore {
    std::vector<SyllableScore> syllables;
    int sentence = 0; // 0 to 100, the mean of the syllables
};

// Lines the learner's voiced frames up with the model's (dynamic time warping on the two
// contours), splits the model into the syllables of `spokenTones` and scores each syllable by how
// closely the learner's contour follows the model's, both in semitones from their speaker's
// median (100: the same contour). A learner
// without voice scores 0; a model that cannot be split gives no syllables.
ToneScore ScoreTones(const PitchContour& model, const PitchContour& learner,
                     const std::vector<int>& spokenTones);

} // namespace tones
