#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The short sounds of the interface, made by code: 16-bit mono PCM at kSoundRate, soft (peaks well
// below full scale) and faded in and out so they never click.
namespace programmedia {

inline constexpr std::uint32_t kSoundRate = 44100;
// The loudest a sound gets, as a share of full scale: a tone sounds louder than a click or noise
// of the same peak, so the cue tone stays lower.
inline constexpr double kClickPeak = 0.35;
inline constexpr double kTonePeak = 0.3;

// A soft click for buttons (about 60 ms).
std::vector<std::int16_t> ButtonClick();
// The cue before a recording starts: a gentle tone of 0.25 s.
std::vector<std::int16_t> CueTone();
// A soft swish of a page turning (0.25 s); the program also plays it as the click of its buttons.
std::vector<std::int16_t> PageTurnSwish();

// Writes the samples as a WAV file with the program's own WAV writer; false with `error` set
// when the file is not written or does not read back as written.
bool WriteSound(const std::string& path, const std::vector<std::int16_t>& samples, std::string& error);

} // namespace programmedia
