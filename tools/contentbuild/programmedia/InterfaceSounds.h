#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The short sounds of the interface, made by code: 16-bit mono PCM at kSoundRate, soft (peaks well
// below full scale) and faded in and out so they never click.
namespace programmedia {

inline constexpr std::uint32_t kSoundRate = 44100;
// The peak every sound is scaled to, as a share of full scale.
inline constexpr double kSoundPeak = 0.45;

// A soft click for buttons (about 60 ms).
std::vector<std::int16_t> ButtonClick();
// The cue before a recording starts: a gentle tone of 0.25 s.
std::vector<std::int16_t> CueTone();
// A soft swish of a page turning (about 0.35 s).
std::vector<std::int16_t> PageTurnSwish();

// Writes the samples as a WAV file with the program's own WAV writer; false with `error` set
// when the file is not written or does not read back as written.
bool WriteSound(const std::string& path, const std::vector<std::int16_t>& samples, std::string& error);

} // namespace programmedia
