#include "audio/PortAudioStream.h"

#include "app/CLog.h"
#include "audio/CPortAudioDevices.h"
#include "audio/ISoundDevices.h"

#include <algorithm>

namespace {
bool SampleFormatOf(const WaveFormat& format, PaSampleFormat& sampleFormat) {
    if (format.formatTag != WaveFormat::kPcm || format.channels == 0 || format.samplesPerSec == 0 ||
        format.blockAlign != format.bitsPerSample / 8 * format.channels)
        return false;
    switch (format.bitsPerSample) {
    case 8:
        sampleFormat = paUInt8;
        return true;
    case 16:
        sampleFormat = paInt16;
        return true;
    case 24:
        sampleFormat = paInt24;
        return true;
    case 32:
        sampleFormat = paInt32;
        return true;
    default:
        return false;
    }
}
} // namespace

int OpenPortAudioStream(const WaveFormat& format, bool input, PaStream*& stream) {
    PaSampleFormat sampleFormat = 0;
    if (!SampleFormatOf(format, sampleFormat))
        return WAVERR_BADFORMAT;
    std::lock_guard<std::mutex> guard(CPortAudioDevices::StreamLock());
    const PaDeviceIndex device = input ? Pa_GetDefaultInputDevice() : Pa_GetDefaultOutputDevice();
    if (device == paNoDevice)
        return MMSYSERR_BADDEVICEID;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    PaStreamParameters parameters{};
    parameters.device = device;
    parameters.channelCount = format.channels;
    parameters.sampleFormat = sampleFormat;
    parameters.suggestedLatency =
        info ? (input ? info->defaultHighInputLatency : info->defaultHighOutputLatency) : 0.1;
    const PaStreamParameters* in = input ? &parameters : nullptr;
    const PaStreamParameters* out = input ? nullptr : &parameters;
    if (Pa_IsFormatSupported(in, out, format.samplesPerSec) != paFormatIsSupported)
        return WAVERR_BADFORMAT;
    const PaError error = Pa_OpenStream(&stream, in, out, format.samplesPerSec, paFramesPerBufferUnspecified,
                                        paNoFlag, nullptr, nullptr);
    if (error != paNoError) {
        g_log.Write("Pa_OpenStream: %s", Pa_GetErrorText(error));
        stream = nullptr;
        return MMSYSERR_ERROR;
    }
    return MMSYSERR_NOERROR;
}

void ClosePortAudioStream(PaStream* stream) {
    std::lock_guard<std::mutex> guard(CPortAudioDevices::StreamLock());
    Pa_CloseStream(stream);
}

unsigned long PortAudioChunkFrames(const WaveFormat& format) {
    return std::max<unsigned long>(1, format.samplesPerSec / 50);
}
