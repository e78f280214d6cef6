#include "audio/ConvertMp3ToWav.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "audio/Mp3Decoder.h"

#include <cstdio>
#include <cstdlib>
#include <strings.h>
#include <unistd.h>

namespace {

// Decoder trace texts go to standard error when TESSALYNE_AUDIO_TRACE is set.
void Trace(const char* text) {
    static const bool enabled = std::getenv("TESSALYNE_AUDIO_TRACE") != nullptr;
    if (enabled)
        std::fputs(text, stderr);
}

int TraceDecoderProgress(int frame, int totalBytes, const Mp3FrameHeader* header, int) {
    char text[128];
    int length = 0;
    if (frame == 1 && header)
        length = std::snprintf(text, sizeof text, "frame:%d, tot. bytes:%d, layer:%d, mode:%d\n", frame,
                               totalBytes, header->layer, header->mode);
    else
        length = std::snprintf(text, sizeof text, "frame:%d, tot. bytes:%d\n", frame, totalBytes);
    Trace(text);
    return length;
}

} // namespace

std::string ConvertMp3ToWav(const std::string& path) {
    const std::string mp3File = ResolveContentPath(path);
    if (path.empty() || !FileExists(mp3File))
        return "";
    std::string result = path;
    // Nothing here may fail the caller: the path found so far is returned whatever happens.
    try {
        if (path.size() < 4 || ::strcasecmp(path.c_str() + path.size() - 4, ".mp3") != 0)
            return path;
        result = path.substr(0, path.size() - 4) + ".wav";
        const std::string wavFile = ResolveContentPath(result);
        if (FileExists(wavFile))
            ::unlink(wavFile.c_str());
        char errorText[kMp3ErrorTextSize] = {};
        if (DecodeMp3ToWav(mp3File.c_str(), wavFile.c_str(), kMp3OutputWav, errorText,
                           TraceDecoderProgress) == 0)
            Trace("mp3 to wav success!");
    } catch (...) {
    }
    return result;
}
