#include "audio/AudioMessages.h"
#include "audio/CWaveFileView.h"
#include "audio/CWriteSoundFile.h"
#include "audio/WaveHeader.h"
#include "audio/WaveWriteRequest.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/TempFolder.h"

#include "app/FileUtils.h"

#include <gtest/gtest.h>

using fixtures::MonoWav;
using fixtures::WriteBinaryFile;

namespace {

constexpr auto kWait = std::chrono::seconds(10);

std::unique_ptr<WaveHeader> Block(const std::string& bytes) {
    auto block = std::make_unique<WaveHeader>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), block->data.begin());
    return block;
}

std::unique_ptr<WaveWriteRequest> OpenRequest(const std::string& path) {
    auto request = std::make_unique<WaveWriteRequest>();
    request->path = path;
    request->format = MakePcmFormat(16, 1, 8000);
    return request;
}

// A loud stretch of `count` samples of `value` between quiet samples.
std::vector<std::int16_t> WithRun(std::size_t before, std::size_t count, std::int16_t value,
                                  std::size_t after) {
    std::vector<std::int16_t> samples(before, 0);
    samples.insert(samples.end(), count, value);
    samples.insert(samples.end(), after, 0);
    return samples;
}

class WaveFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = m_dir / name;
        EXPECT_TRUE(WriteBinaryFile(path, bytes));
        return path;
    }
    TempFolder m_dir;
};

TEST_F(WaveFileTest, WriterProducesThe46ByteHeaderAndDropsBlocksAfterClose) {
    const std::string path = m_dir / "rcsound.wav";
    CWriteSoundFile writer;
    ASSERT_TRUE(writer.CreateThread());
    // A block before any open is released unwritten.
    writer.PostThreadMessage(WM_WAVWRITE_DATA, 7, Block("early"));
    writer.PostThreadMessage(WM_WAVWRITE_OPEN, 0, OpenRequest(path));
    writer.PostThreadMessage(WM_WAVWRITE_DATA, 7, Block(std::string(2000, 'a')));
    writer.PostThreadMessage(WM_WAVWRITE_DATA, 7, Block(std::string(2000, 'b')));
    // Until it is closed the recording is not there to be read half-written.
    ASSERT_TRUE(writer.WaitUntilIdle(kWait));
    EXPECT_FALSE(FileExists(path));
    writer.PostThreadMessage(WM_WAVWRITE_CLOSE);
    writer.PostThreadMessage(WM_WAVWRITE_DATA, 7, Block(std::string(2000, 'c')));
    writer.PostThreadMessage(WM_WAVWRITE_END);
    ASSERT_TRUE(writer.WaitForEnd(kWait));

    const std::string bytes = ReadWholeFile(path).value_or("");
    ASSERT_EQ(bytes.size(), 46u + 4000u);
    const auto* raw = reinterpret_cast<const std::uint8_t*>(bytes.data());
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(ReadLe32(raw + 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(ReadLe32(raw + 16), 18u);
    EXPECT_EQ(WaveFormat::FromBytes(raw + 20), MakePcmFormat(16, 1, 8000));
    EXPECT_EQ(bytes.substr(38, 4), "data");
    EXPECT_EQ(ReadLe32(raw + 42), 4000u);
    EXPECT_EQ(bytes.substr(46), std::string(2000, 'a') + std::string(2000, 'b'));

    // The scan from offset 36 finds the data chunk at 38.
    CWaveFileView view;
    ASSERT_TRUE(view.Load(path));
    EXPECT_EQ(view.DataChunk().size, 4000u);
    EXPECT_EQ(std::string(view.DataChunk().tag, 4), "data");
    EXPECT_EQ(view.SampleCount(), 2000u);
    EXPECT_EQ(view.Sample(0), static_cast<std::int16_t>(0x6161));
    EXPECT_EQ(view.Format().avgBytesPerSec, 16000u);
    EXPECT_EQ(view.Path(), path);
}

TEST_F(WaveFileTest, WriterThatCannotCreateTheFileWritesNothing) {
    const std::string path = m_dir / "missing-folder/rcsound.wav";
    CWriteSoundFile writer;
    ASSERT_TRUE(writer.CreateThread());
    writer.PostThreadMessage(WM_WAVWRITE_OPEN, 0, OpenRequest(path));
    writer.PostThreadMessage(WM_WAVWRITE_DATA, 7, Block(std::string(2000, 'a')));
    writer.PostThreadMessage(WM_WAVWRITE_CLOSE);
    writer.PostThreadMessage(WM_WAVWRITE_END);
    ASSERT_TRUE(writer.WaitForEnd(kWait));
    EXPECT_FALSE(FileExists(path));
}

TEST_F(WaveFileTest, CanonicalFileLoadsThroughTheDirectCheck) {
    const std::string path = Write("canonical.wav", MonoWav({1, -2, 3, 32767, -32768}));
    CWaveFileView view;
    ASSERT_TRUE(view.Load(path));
    EXPECT_TRUE(view.IsLoaded());
    EXPECT_EQ(view.SampleCount(), 5u);
    EXPECT_EQ(view.Sample(1), -2);
    EXPECT_EQ(view.Sample(4), -32768);
    EXPECT_EQ(view.Format().samplesPerSec, 8000u);
    view.Unload();
    EXPECT_FALSE(view.IsLoaded());
    EXPECT_EQ(view.VoicedDuration(0), -1);
}

TEST_F(WaveFileTest, ContentPathsWithBackslashesAndOtherLetterCaseLoad) {
    ASSERT_TRUE(MakeDirectoryPath(m_dir / "Sound"));
    Write("Sound/du.wav", MonoWav({4, 5, 6}));
    CWaveFileView view;
    ASSERT_TRUE(view.Load(m_dir / "sound\\DU.WAV"));
    EXPECT_EQ(view.SampleCount(), 3u);
    EXPECT_EQ(view.Path(), m_dir / "sound\\DU.WAV");
}

TEST_F(WaveFileTest, EachMalformedFileRaisesItsOwnError) {
    const std::string good = MonoWav({1, 2, 3, 4});
    auto patched = [&](std::size_t offset, const std::string& text) {
        std::string bytes = good;
        bytes.replace(offset, text.size(), text);
        return bytes;
    };
    CWaveFileView view;
    EXPECT_THROW(view.Load(m_dir / "absent.wav"), WaveErrors::FileOperation);
    EXPECT_THROW(view.Load(Write("empty.wav", "")), WaveErrors::FileOperation);
    EXPECT_THROW(view.Load(m_dir.Path()), WaveErrors::FileOperation);
    EXPECT_THROW(view.Load(Write("riff.wav", patched(0, "RIFX"))), WaveErrors::RiffDoesntMatch);
    EXPECT_THROW(view.Load(Write("short.wav", "RIF")), WaveErrors::RiffDoesntMatch);
    EXPECT_THROW(view.Load(Write("wave.wav", patched(8, "AVI "))), WaveErrors::WaveDoesntMatch);
    EXPECT_THROW(view.Load(Write("fmt.wav", patched(12, "LIST"))), WaveErrors::FmtDoesntMatch);
    EXPECT_THROW(view.Load(Write("data.wav", patched(36, "date"))), WaveErrors::DataDoesntMatch);
    // "data" whose size field would lie past the end is not a data chunk.
    EXPECT_THROW(view.Load(Write("cut.wav", good.substr(0, 36) + "data\x04")), WaveErrors::DataDoesntMatch);
    EXPECT_FALSE(view.IsLoaded());
}

TEST_F(WaveFileTest, FailedLoadReleasesThePreviousFile) {
    CWaveFileView view;
    ASSERT_TRUE(view.Load(Write("a.wav", MonoWav({5, 6}))));
    EXPECT_THROW(view.Load(Write("b.wav", "nonsense")), WaveErrors::RiffDoesntMatch);
    EXPECT_FALSE(view.IsLoaded());
    ASSERT_TRUE(view.Load(Write("c.wav", MonoWav({7, 8, 9}))));
    EXPECT_EQ(view.SampleCount(), 3u);
}

TEST_F(WaveFileTest, ExtraChunksBeforeTheDataAreSkippedByTheScan) {
    std::string bytes = MonoWav({100, 200});
    bytes.insert(36, std::string("LIST") + std::string("\x06\0\0\0", 4) + "abcdef");
    CWaveFileView view;
    ASSERT_TRUE(view.Load(Write("list.wav", bytes)));
    ASSERT_EQ(view.SampleCount(), 2u);
    EXPECT_EQ(view.Sample(0), 100);
    EXPECT_EQ(view.Sample(1), 200);
}

TEST_F(WaveFileTest, SampleCountIsClampedToTheBytesPresent) {
    std::string bytes = MonoWav({1, 2, 3});
    bytes.replace(40, 4, std::string("\xff\xff\xff\x7f", 4));
    CWaveFileView view;
    ASSERT_TRUE(view.Load(Write("long.wav", bytes)));
    EXPECT_EQ(view.DataChunk().size, 0x7fffffffu);
    EXPECT_EQ(view.SampleCount(), 3u);
    EXPECT_EQ(view.SampleByteCount(), 6u);
    // An odd trailing byte is not a sample.
    ASSERT_TRUE(view.Load(Write("odd.wav", MonoWav({1, 2}) + "x")));
    EXPECT_EQ(view.SampleCount(), 2u);
}

TEST_F(WaveFileTest, VoicedDurationFollowsRunsOfSixLoudSamples) {
    CWaveFileView view;
    // Silent: no run anywhere.
    ASSERT_TRUE(view.Load(Write("silent.wav", MonoWav(std::vector<std::int16_t>(8000, 100)))));
    EXPECT_EQ(view.VoicedDuration(2000), 0);
    // At threshold 0 (stored at load) every sample is loud.
    EXPECT_DOUBLE_EQ(view.StoredVoicedDuration(), 2.0 * (8000 - 12) / 16000);

    // The threshold is strict: 2001 ×6 is a run, 2000 ×6 is not.
    ASSERT_TRUE(view.Load(Write("above.wav", MonoWav(WithRun(100, 4000, 2001, 100)))));
    // First run completes at sample 106 (c1 = 106), the backward one likewise: d = 4200 - 212.
    EXPECT_DOUBLE_EQ(view.VoicedDuration(2000), 2.0 * (4200 - 212) / 16000);
    ASSERT_TRUE(view.Load(Write("equal.wav", MonoWav(WithRun(100, 4000, 2000, 100)))));
    EXPECT_EQ(view.VoicedDuration(2000), 0);
    EXPECT_GT(view.VoicedDuration(1999), 0);

    // Negative samples count by their magnitude.
    ASSERT_TRUE(view.Load(Write("negative.wav", MonoWav(WithRun(0, 16000, -3001, 0)))));
    EXPECT_DOUBLE_EQ(view.VoicedDuration(3000), 2.0 * (16000 - 12) / 16000);
    EXPECT_DOUBLE_EQ(view.StoredVoicedDuration(), view.VoicedDuration(0));

    // Five loud, one quiet, five loud: both runs reset, so there is no run at all.
    std::vector<std::int16_t> broken(5, 5000);
    broken.push_back(0);
    broken.insert(broken.end(), 5, 5000);
    ASSERT_TRUE(view.Load(Write("broken.wav", MonoWav(broken))));
    EXPECT_EQ(view.VoicedDuration(3000), 0);

    // Two separate stretches: the duration spans from the first to the last.
    std::vector<std::int16_t> two = WithRun(1000, 6, 9000, 2000);
    const auto tail = WithRun(0, 6, -9000, 1000);
    two.insert(two.end(), tail.begin(), tail.end());
    ASSERT_TRUE(view.Load(Write("two.wav", MonoWav(two))));
    EXPECT_DOUBLE_EQ(view.VoicedDuration(3000), 2.0 * (two.size() - 1006 - 1006) / 16000);
}

TEST_F(WaveFileTest, SoundLengthIsWholeSecondsOfData) {
    WaveFormat format = MakePcmFormat(16, 1, 8000);
    EXPECT_EQ(SoundLengthSeconds(Write("len.wav", fixtures::CanonicalWav(format, std::string(39999, '\0')))),
              2);
    EXPECT_EQ(
        SoundLengthSeconds(Write("short.wav", fixtures::CanonicalWav(format, std::string(15999, '\0')))), 0);
    EXPECT_THROW(SoundLengthSeconds(m_dir / "absent.wav"), WaveErrors::FileOperation);
    // A damaged format with no bytes per second lasts nothing instead of dividing by zero.
    format.avgBytesPerSec = 0;
    const std::string zero = Write("zero.wav", fixtures::CanonicalWav(format, std::string(100, '\x40')));
    EXPECT_EQ(SoundLengthSeconds(zero), 0);
    CWaveFileView view;
    ASSERT_TRUE(view.Load(zero));
    EXPECT_EQ(view.VoicedDuration(0), 0);
}

} // namespace
