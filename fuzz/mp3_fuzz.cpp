// MP3 files of any bytes: the decoder either writes a WAV file that the reader accepts, or
// fails with an error text and leaves no file behind.
#include "MemoryFile.h"
#include "audio/CWaveFileView.h"
#include "audio/Mp3Decoder.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MemoryFile input(data, size);
    static const std::string output = "/tmp/tessalyne_mp3_fuzz_" + std::to_string(getpid()) + ".wav";
    char error[kMp3ErrorTextSize];
    std::memset(error, 'z', sizeof error);
    const int result = DecodeMp3ToWav(input.Path().c_str(), output.c_str(), kMp3OutputWav, error, nullptr);
    if (result != 0) {
        if (std::memchr(error, '\0', sizeof error) == nullptr || access(output.c_str(), F_OK) == 0)
            std::abort();
        return 0;
    }
    CWaveFileView view;
    try {
        view.Load(output);
    } catch (...) {
        std::abort();
    }
    if (view.Format().bitsPerSample != 16 || view.DataChunk().size != view.SampleByteCount())
        std::abort();
    view.Unload();
    unlink(output.c_str());
    return 0;
}
