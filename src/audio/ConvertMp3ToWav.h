#pragma once

#include <string>

// Decodes an MP3 file into a WAV file beside it and returns the WAV's path: "" when no file is
// at the path; the path itself when it does not end in ".mp3" (any letter case); otherwise the
// path less its last four characters plus ".wav", whether or not decoding succeeded. An old WAV
// at that path is always deleted first.
std::string ConvertMp3ToWav(const std::string& path);
