#pragma once

#include "audio/WaveFormat.h"

#include <portaudio.h>

// Opens a blocking PortAudio stream on the default device of one direction; returns a device
// result code (0 on success).
int OpenPortAudioStream(const WaveFormat& format, bool input, PaStream*& stream);
void ClosePortAudioStream(PaStream* stream);
// Frames handled per blocking call, so that stop and reset are answered within about 20 ms.
unsigned long PortAudioChunkFrames(const WaveFormat& format);
