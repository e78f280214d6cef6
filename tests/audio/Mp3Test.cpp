#include "app/FileUtils.h"
#include "audio/CWaveFileView.h"
#include "audio/ConvertMp3ToWav.h"
#include "audio/Mp3Decoder.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Encodes a sine tone of `seconds` into an MP3 with the LAME encoder.
bool MakeMp3(const std::string& wavPath, const std::string& mp3Path, double seconds, unsigned rate) {
    if (!fixtures::WriteBinaryFile(wavPath,
                                   fixtures::MonoWav(fixtures::SineSamples(seconds, rate, 440, 12000), rate)))
        return false;
    const std::string command =
        std::string(TESSALYNE_LAME) + " --quiet -b 64 '" + wavPath + "' '" + mp3Path + "'";
    return std::system(command.c_str()) == 0;
}

struct ProgressCall {
    int frame;
    int totalBytes;
    int layer;
};
std::vector<ProgressCall> g_progress;

int RecordProgress(int frame, int totalBytes, const Mp3FrameHeader* header, int) {
    g_progress.push_back({frame, totalBytes, header ? header->layer : -1});
    return 1;
}

class Mp3Test : public ::testing::Test {
protected:
    TempFolder m_dir;
};

TEST_F(Mp3Test, DecodesToAWavOfTheSameDurationBesideTheMp3) {
    ASSERT_TRUE(MakeDirectoryPath(m_dir / "templesson"));
    ASSERT_TRUE(MakeMp3(m_dir / "source.wav", m_dir / "templesson/7.MP3", 1.5, 22050));
    // Paths come written as on Windows; the WAV path keeps the spelling given.
    const std::string wav = ConvertMp3ToWav(m_dir / "TempLesson\\7.MP3");
    EXPECT_EQ(wav, m_dir / "TempLesson\\7.wav");
    EXPECT_TRUE(FileExists(m_dir / "templesson/7.wav"));
    CWaveFileView view;
    ASSERT_TRUE(view.Load(wav));
    const WaveFormat format = view.Format();
    EXPECT_EQ(format.samplesPerSec, 22050u);
    EXPECT_EQ(format.bitsPerSample, 16u);
    EXPECT_EQ(format.channels, 1u);
    EXPECT_EQ(view.DataChunk().size, view.SampleByteCount());
    const double seconds = static_cast<double>(view.SampleByteCount()) / format.avgBytesPerSec;
    EXPECT_NEAR(seconds, 1.5, 0.06);
    // The tone survives: its loud part lasts about as long as the sound.
    EXPECT_NEAR(view.VoicedDuration(3000), 1.5, 0.1);
}

TEST_F(Mp3Test, OtherPathsAreReturnedAsTheyAre) {
    const std::string wavBytes = fixtures::MonoWav({1, 2, 3});
    ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "7.wav", wavBytes));
    EXPECT_EQ(ConvertMp3ToWav(m_dir / "7.wav"), m_dir / "7.wav");
    EXPECT_EQ(ReadWholeFile(m_dir / "7.wav").value_or(""), wavBytes);
    EXPECT_EQ(ConvertMp3ToWav(m_dir / "8.mp3"), "");
    EXPECT_EQ(ConvertMp3ToWav(""), "");
    EXPECT_FALSE(FileExists(m_dir / "8.wav"));
}

TEST_F(Mp3Test, StaleWavIsDeletedEvenWhenDecodingFails) {
    ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "9.wav", fixtures::MonoWav({1, 2, 3})));
    ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "9.mp3", std::string(5000, 'x')));
    EXPECT_EQ(ConvertMp3ToWav(m_dir / "9.mp3"), m_dir / "9.wav");
    EXPECT_FALSE(FileExists(m_dir / "9.wav"));

    ASSERT_TRUE(MakeMp3(m_dir / "source.wav", m_dir / "10.mp3", 0.5, 16000));
    ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "10.wav", "stale"));
    EXPECT_EQ(ConvertMp3ToWav(m_dir / "10.mp3"), m_dir / "10.wav");
    CWaveFileView view;
    EXPECT_TRUE(view.Load(m_dir / "10.wav"));
}

TEST_F(Mp3Test, DecoderReportsProgressAndErrors) {
    ASSERT_TRUE(MakeMp3(m_dir / "source.wav", m_dir / "a.mp3", 0.5, 44100));
    char error[kMp3ErrorTextSize];
    std::memset(error, 'z', sizeof error);
    g_progress.clear();
    ASSERT_EQ(DecodeMp3ToWav((m_dir / "a.mp3").c_str(), (m_dir / "a.wav").c_str(), kMp3OutputWav, error,
                             RecordProgress),
              0);
    ASSERT_FALSE(g_progress.empty());
    EXPECT_EQ(g_progress.front().frame, 1);
    EXPECT_EQ(g_progress.front().layer, 3);
    for (std::size_t i = 1; i < g_progress.size(); ++i) {
        EXPECT_EQ(g_progress[i].frame, g_progress[i - 1].frame + 1);
        EXPECT_GE(g_progress[i].totalBytes, g_progress[i - 1].totalBytes);
    }
    EXPECT_EQ(static_cast<std::size_t>(g_progress.back().totalBytes) + 44,
              ReadWholeFile(m_dir / "a.wav").value_or("").size());

    EXPECT_NE(DecodeMp3ToWav((m_dir / "absent.mp3").c_str(), (m_dir / "b.wav").c_str(), kMp3OutputWav, error,
                             nullptr),
              0);
    EXPECT_GT(std::strlen(error), 0u);
    EXPECT_LT(std::strlen(error), static_cast<std::size_t>(kMp3ErrorTextSize));
    EXPECT_FALSE(FileExists(m_dir / "b.wav"));
    EXPECT_NE(DecodeMp3ToWav((m_dir / "a.mp3").c_str(), (m_dir / "c.raw").c_str(), 2, error, nullptr), 0);
    EXPECT_FALSE(FileExists(m_dir / "c.raw"));
}

} // namespace
