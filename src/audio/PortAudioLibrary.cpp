#include "audio/PortAudioLibrary.h"

#include <dlfcn.h>
#include <portaudio.h>

namespace {

struct Functions {
    decltype(Pa_GetErrorText)* getErrorText = nullptr;
    decltype(Pa_Initialize)* initialize = nullptr;
    decltype(Pa_Terminate)* terminate = nullptr;
    decltype(Pa_GetDefaultInputDevice)* defaultInputDevice = nullptr;
    decltype(Pa_GetDefaultOutputDevice)* defaultOutputDevice = nullptr;
    decltype(Pa_GetDeviceInfo)* deviceInfo = nullptr;
    decltype(Pa_IsFormatSupported)* isFormatSupported = nullptr;
    decltype(Pa_OpenStream)* openStream = nullptr;
    decltype(Pa_CloseStream)* closeStream = nullptr;
    decltype(Pa_StartStream)* startStream = nullptr;
    decltype(Pa_StopStream)* stopStream = nullptr;
    decltype(Pa_AbortStream)* abortStream = nullptr;
    decltype(Pa_ReadStream)* readStream = nullptr;
    decltype(Pa_WriteStream)* writeStream = nullptr;
};

template <typename Function> bool Bind(void* library, const char* name, Function*& slot, std::string& why) {
    slot = reinterpret_cast<Function*>(dlsym(library, name));
    if (slot == nullptr)
        why = std::string(portaudiolibrary::kFileName) + " has no " + name;
    return slot != nullptr;
}

struct LibraryState {
    Functions functions;
    bool complete = false;
    std::string why;
};

const LibraryState& Library() {
    static const LibraryState loaded = [] {
        LibraryState result;
        // Kept open for the rest of the program: streams may outlive any one user of it.
        void* library = dlopen(portaudiolibrary::kFileName, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            const char* reason = dlerror();
            result.why = reason ? reason : std::string(portaudiolibrary::kFileName) + " cannot be opened";
            return result;
        }
        Functions& f = result.functions;
        std::string& why = result.why;
        result.complete = Bind(library, "Pa_GetErrorText", f.getErrorText, why) &&
                          Bind(library, "Pa_Initialize", f.initialize, why) &&
                          Bind(library, "Pa_Terminate", f.terminate, why) &&
                          Bind(library, "Pa_GetDefaultInputDevice", f.defaultInputDevice, why) &&
                          Bind(library, "Pa_GetDefaultOutputDevice", f.defaultOutputDevice, why) &&
                          Bind(library, "Pa_GetDeviceInfo", f.deviceInfo, why) &&
                          Bind(library, "Pa_IsFormatSupported", f.isFormatSupported, why) &&
                          Bind(library, "Pa_OpenStream", f.openStream, why) &&
                          Bind(library, "Pa_CloseStream", f.closeStream, why) &&
                          Bind(library, "Pa_StartStream", f.startStream, why) &&
                          Bind(library, "Pa_StopStream", f.stopStream, why) &&
                          Bind(library, "Pa_AbortStream", f.abortStream, why) &&
                          Bind(library, "Pa_ReadStream", f.readStream, why) &&
                          Bind(library, "Pa_WriteStream", f.writeStream, why);
        return result;
    }();
    return loaded;
}

// The library's functions once it is loaded and complete; null otherwise.
const Functions* Loaded() {
    const auto& library = Library();
    return library.complete ? &library.functions : nullptr;
}

} // namespace

bool portaudiolibrary::Load(std::string& why) {
    why = Library().complete ? std::string() : Library().why;
    return Library().complete;
}

extern "C" {

const char* Pa_GetErrorText(PaError errorCode) {
    const Functions* f = Loaded();
    return f ? f->getErrorText(errorCode) : "PortAudio is not loaded";
}

PaError Pa_Initialize(void) {
    const Functions* f = Loaded();
    return f ? f->initialize() : paNotInitialized;
}

PaError Pa_Terminate(void) {
    const Functions* f = Loaded();
    return f ? f->terminate() : paNotInitialized;
}

PaDeviceIndex Pa_GetDefaultInputDevice(void) {
    const Functions* f = Loaded();
    return f ? f->defaultInputDevice() : paNoDevice;
}

PaDeviceIndex Pa_GetDefaultOutputDevice(void) {
    const Functions* f = Loaded();
    return f ? f->defaultOutputDevice() : paNoDevice;
}

const PaDeviceInfo* Pa_GetDeviceInfo(PaDeviceIndex device) {
    const Functions* f = Loaded();
    return f ? f->deviceInfo(device) : nullptr;
}

PaError Pa_IsFormatSupported(const PaStreamParameters* inputParameters,
                             const PaStreamParameters* outputParameters, double sampleRate) {
    const Functions* f = Loaded();
    return f ? f->isFormatSupported(inputParameters, outputParameters, sampleRate) : paNotInitialized;
}

PaError Pa_OpenStream(PaStream** stream, const PaStreamParameters* inputParameters,
                      const PaStreamParameters* outputParameters, double sampleRate,
                      unsigned long framesPerBuffer, PaStreamFlags streamFlags,
                      PaStreamCallback* streamCallback, void* userData) {
    const Functions* f = Loaded();
    return f ? f->openStream(stream, inputParameters, outputParameters, sampleRate, framesPerBuffer,
                             streamFlags, streamCallback, userData)
             : paNotInitialized;
}

PaError Pa_CloseStream(PaStream* stream) {
    const Functions* f = Loaded();
    return f ? f->closeStream(stream) : paNotInitialized;
}

PaError Pa_StartStream(PaStream* stream) {
    const Functions* f = Loaded();
    return f ? f->startStream(stream) : paNotInitialized;
}

PaError Pa_StopStream(PaStream* stream) {
    const Functions* f = Loaded();
    return f ? f->stopStream(stream) : paNotInitialized;
}

PaError Pa_AbortStream(PaStream* stream) {
    const Functions* f = Loaded();
    return f ? f->abortStream(stream) : paNotInitialized;
}

PaError Pa_ReadStream(PaStream* stream, void* buffer, unsigned long frames) {
    const Functions* f = Loaded();
    return f ? f->readStream(stream, buffer, frames) : paNotInitialized;
}

PaError Pa_WriteStream(PaStream* stream, const void* buffer, unsigned long frames) {
    const Functions* f = Loaded();
    return f ? f->writeStream(stream, buffer, frames) : paNotInitialized;
}

} // extern "C"
