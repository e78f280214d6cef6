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

// Calls the library's function kept in `slot`; `unloaded` is the answer while there is no library.
template <typename Result, typename Function, typename... Args>
Result Call(Function* Functions::*slot, Result unloaded, Args... args) {
    const Functions* f = Loaded();
    return f ? (f->*slot)(args...) : unloaded;
}

} // namespace

bool portaudiolibrary::Load(std::string& why) {
    why = Library().complete ? std::string() : Library().why;
    return Library().complete;
}

extern "C" {

const char* Pa_GetErrorText(PaError errorCode) {
    return Call<const char*>(&Functions::getErrorText, "PortAudio is not loaded", errorCode);
}

PaError Pa_Initialize(void) {
    return Call<PaError>(&Functions::initialize, paNotInitialized);
}

PaError Pa_Terminate(void) {
    return Call<PaError>(&Functions::terminate, paNotInitialized);
}

PaDeviceIndex Pa_GetDefaultInputDevice(void) {
    return Call<PaDeviceIndex>(&Functions::defaultInputDevice, paNoDevice);
}

PaDeviceIndex Pa_GetDefaultOutputDevice(void) {
    return Call<PaDeviceIndex>(&Functions::defaultOutputDevice, paNoDevice);
}

const PaDeviceInfo* Pa_GetDeviceInfo(PaDeviceIndex device) {
    return Call<const PaDeviceInfo*>(&Functions::deviceInfo, nullptr, device);
}

PaError Pa_IsFormatSupported(const PaStreamParameters* inputParameters,
                             const PaStreamParameters* outputParameters, double sampleRate) {
    return Call<PaError>(&Functions::isFormatSupported, paNotInitialized, inputParameters, outputParameters,
                         sampleRate);
}

PaError Pa_OpenStream(PaStream** stream, const PaStreamParameters* inputParameters,
                      const PaStreamParameters* outputParameters, double sampleRate,
                      unsigned long framesPerBuffer, PaStreamFlags streamFlags,
                      PaStreamCallback* streamCallback, void* userData) {
    return Call<PaError>(&Functions::openStream, paNotInitialized, stream, inputParameters, outputParameters,
                         sampleRate, framesPerBuffer, streamFlags, streamCallback, userData);
}

PaError Pa_CloseStream(PaStream* stream) {
    return Call<PaError>(&Functions::closeStream, paNotInitialized, stream);
}

PaError Pa_StartStream(PaStream* stream) {
    return Call<PaError>(&Functions::startStream, paNotInitialized, stream);
}

PaError Pa_StopStream(PaStream* stream) {
    return Call<PaError>(&Functions::stopStream, paNotInitialized, stream);
}

PaError Pa_AbortStream(PaStream* stream) {
    return Call<PaError>(&Functions::abortStream, paNotInitialized, stream);
}

PaError Pa_ReadStream(PaStream* stream, void* buffer, unsigned long frames) {
    return Call<PaError>(&Functions::readStream, paNotInitialized, stream, buffer, frames);
}

PaError Pa_WriteStream(PaStream* stream, const void* buffer, unsigned long frames) {
    return Call<PaError>(&Functions::writeStream, paNotInitialized, stream, buffer, frames);
}

} // extern "C"
