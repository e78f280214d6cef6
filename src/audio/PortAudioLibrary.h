#pragma once

#include <string>

// PortAudio is opened when the program first needs a sound device rather than when it starts:
// with the sound servers' libraries it brings along, loading it cost every window's start a couple
// of milliseconds, and a window's first sound comes only after the window is painted. The Pa_
// functions the program calls are defined in PortAudioLibrary.cpp and pass on to the library;
// until it is loaded they report that PortAudio is not initialised.
namespace portaudiolibrary {

// The library's file name, as the PortAudio v19 packages install it.
inline constexpr const char* kFileName = "libportaudio.so.2";

// Opens the library once; false, with the reason in `why`, when it is missing or incomplete.
bool Load(std::string& why);

} // namespace portaudiolibrary
