#include "audio/Mp3Decoder.h"

#include "audio/WaveFormat.h"

#include <mpg123.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <unistd.h>

namespace {

constexpr std::size_t kWavHeaderSize = kCanonicalWavHeaderSize;

struct HandleCloser {
    void operator()(mpg123_handle* handle) const {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};
using DecoderHandle = std::unique_ptr<mpg123_handle, HandleCloser>;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// One decoding run: reads the MP3 through libmpg123 and streams 16-bit PCM into the WAV file.
class Mp3ToWav {
public:
    Mp3ToWav(Mp3ProgressCallback progress) : m_progress(progress) {}

    bool Run(const char* inputPath, const char* outputPath) {
        if (!OpenDecoder(inputPath))
            return false;
        m_output.reset(std::fopen(outputPath, "wb"));
        if (!m_output)
            return Fail("cannot create the WAV file");
        const std::string placeholder(kWavHeaderSize, '\0');
        if (std::fwrite(placeholder.data(), 1, placeholder.size(), m_output.get()) != placeholder.size())
            return Fail("cannot write the WAV file");
        if (!DecodeFrames())
            return false;
        if (m_frames == 0 || !m_haveFormat)
            return Fail("no MPEG audio frames in the file");
        return FinishHeader();
    }

    const std::string& Error() const { return m_error; }

private:
    bool Fail(const std::string& text) {
        if (m_error.empty())
            m_error = text;
        return false;
    }

    bool OpenDecoder(const char* inputPath) {
        static std::once_flag initialised;
        std::call_once(initialised, [] { mpg123_init(); });
        int error = MPG123_OK;
        m_decoder.reset(mpg123_new(nullptr, &error));
        if (!m_decoder)
            return Fail(std::string("decoder: ") + mpg123_plain_strerror(error));
        mpg123_handle* decoder = m_decoder.get();
        mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
        // Every rate, mono or stereo as the stream has it, always as signed 16-bit samples.
        mpg123_format_none(decoder);
        const long* rates = nullptr;
        std::size_t rateCount = 0;
        mpg123_rates(&rates, &rateCount);
        for (std::size_t i = 0; i < rateCount; ++i)
            mpg123_format(decoder, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
        if (mpg123_open(decoder, inputPath) != MPG123_OK)
            return Fail(std::string("cannot open the MP3 file: ") + mpg123_strerror(decoder));
        return true;
    }

    bool TakeFormat() {
        long rate = 0;
        int channels = 0;
        int encoding = 0;
        if (mpg123_getformat(m_decoder.get(), &rate, &channels, &encoding) != MPG123_OK)
            return Fail(std::string("no output format: ") + mpg123_strerror(m_decoder.get()));
        const WaveFormat format =
            MakePcmFormat(16, static_cast<std::uint16_t>(channels), static_cast<std::uint32_t>(rate));
        if (m_haveFormat && !(format == m_format))
            return Fail("the sound format changes within the file");
        m_format = format;
        m_haveFormat = true;
        return true;
    }

    bool DecodeFrames() {
        for (;;) {
            off_t frameNumber = 0;
            unsigned char* audio = nullptr;
            std::size_t bytes = 0;
            const int result = mpg123_decode_frame(m_decoder.get(), &frameNumber, &audio, &bytes);
            if (result == MPG123_DONE)
                return true;
            if (result == MPG123_NEW_FORMAT) {
                if (!TakeFormat())
                    return false;
                continue;
            }
            if (result != MPG123_OK)
                return Fail(std::string("decoding failed: ") + mpg123_strerror(m_decoder.get()));
            if (!WriteFrame(audio, bytes))
                return false;
        }
    }

    bool WriteFrame(const unsigned char* audio, std::size_t bytes) {
        if (bytes > 0 && std::fwrite(audio, 1, bytes, m_output.get()) != bytes)
            return Fail("cannot write the WAV file");
        if (m_dataSize + bytes > UINT32_MAX - kWavHeaderSize)
            return Fail("the decoded sound is too long for a WAV file");
        m_dataSize += bytes;
        ++m_frames;
        ReportProgress();
        return true;
    }

    void ReportProgress() {
        if (!m_progress)
            return;
        mpg123_frameinfo info{};
        mpg123_info(m_decoder.get(), &info);
        const Mp3FrameHeader header{static_cast<std::int32_t>(info.layer),
                                    static_cast<std::int32_t>(info.mode)};
        m_progress(static_cast<int>(m_frames), static_cast<int>(m_dataSize), &header, 0);
    }

    bool FinishHeader() {
        const std::string header = CanonicalWavHeader(m_format, static_cast<std::uint32_t>(m_dataSize));
        if (std::fseek(m_output.get(), 0, SEEK_SET) != 0 ||
            std::fwrite(header.data(), 1, header.size(), m_output.get()) != header.size())
            return Fail("cannot write the WAV file");
        if (std::fclose(m_output.release()) != 0)
            return Fail("cannot write the WAV file");
        return true;
    }

    Mp3ProgressCallback m_progress;
    DecoderHandle m_decoder;
    FileHandle m_output;
    WaveFormat m_format;
    bool m_haveFormat = false;
    std::size_t m_dataSize = 0;
    std::size_t m_frames = 0;
    std::string m_error;
};

void CopyErrorText(char* errorText, const std::string& text) {
    if (!errorText)
        return;
    std::snprintf(errorText, kMp3ErrorTextSize, "%s", text.c_str());
}

} // namespace

int DecodeMp3ToWav(const char* inputPath, const char* outputPath, int outputKind, char* errorText,
                   Mp3ProgressCallback progress) {
    if (!inputPath || !outputPath) {
        CopyErrorText(errorText, "no input or output path");
        return 1;
    }
    if (outputKind != kMp3OutputWav) {
        CopyErrorText(errorText, "only WAV output is supported");
        return 1;
    }
    bool done = false;
    std::string error;
    {
        Mp3ToWav run(progress);
        done = run.Run(inputPath, outputPath);
        error = run.Error();
    }
    if (done)
        return 0;
    // A half-written WAV would play as noise or be measured wrongly.
    ::unlink(outputPath);
    CopyErrorText(errorText, error);
    return 1;
}
