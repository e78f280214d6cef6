#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Slower model speech: the speeds a learner can choose for the sentences they hear, and a
// sentence's sound stretched to one of them without changing its pitch.
namespace speech {

// Speeds in percent of the recorded speed, fastest first.
inline constexpr int kSpeeds[] = {100, 75, 50};

// The speed given when it is one of kSpeeds, otherwise 100 (a damaged or hand-edited setting).
int ValidSpeed(int percent);

// Interleaved 16-bit samples played at `percent` of their speed: longer by 100 / percent, at the
// same pitch. The samples themselves at 100 % or with no channels.
std::vector<std::int16_t> Stretch(const std::vector<std::int16_t>& samples, int channels, int sampleRate,
                                  int percent);

// The 16-bit PCM WAV at `wavPath` at `percent` of its speed, written beside it as
// "<name>_<percent>.wav", and that file's path. At 100 % the path itself; also when the sound
// cannot be read or the slower one cannot be written (logged), so that the learner hears the
// sentence at its own speed rather than nothing.
std::string SoundAtSpeed(const std::string& wavPath, int percent);

} // namespace speech
