#include "app/CLog.h"
#include "app/FileUtils.h"
#include "audio/AudioMessages.h"
#include "audio/CFileSoundDevices.h"
#include "audio/CPlaySound.h"
#include "audio/CRecordSound.h"
#include "audio/CWaveFileView.h"
#include "audio/CWriteSoundFile.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/ManualClock.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr auto kWait = std::chrono::seconds(10);

// The recorder with its writer and a player that is never started, on file-backed devices that
// record a known sound.
class RecordTest : public ::testing::Test {
protected:
    RecordTest()
        : m_devices(m_clock, m_dir / "microphone.raw", ""), m_recorder(8000, m_clock),
          m_player(8000, m_clock) {
        std::vector<std::int16_t> samples(8000 * 4);
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<std::int16_t>(i * 13 % 30011 - 15000);
        m_input = fixtures::SampleBytes(samples);
        EXPECT_TRUE(fixtures::WriteBinaryFile(m_dir / "microphone.raw", m_input));
        m_previousDevices = SetSoundDevices(&m_devices);
        EXPECT_TRUE(m_recorder.CreateThread());
        EXPECT_TRUE(m_writer.CreateThread());
        EXPECT_TRUE(m_player.CreateThread());
        m_recorder.SetOutputPath(Recording());
    }
    ~RecordTest() override {
        m_recorder.PostThreadMessage(WM_RECORD_END);
        EXPECT_TRUE(m_recorder.WaitForEnd(kWait));
        SetSoundDevices(m_previousDevices);
    }

    std::string Recording() const { return m_dir / "rcsound.wav"; }
    void Connect() {
        m_recorder.PostThreadMessage(WM_RECORD_SET_PLAYER, 0, std::make_unique<ThreadLink>(&m_player));
        m_recorder.PostThreadMessage(WM_RECORD_SET_WRITER, 0, std::make_unique<ThreadLink>(&m_writer));
    }
    void Settle() {
        ASSERT_TRUE(m_recorder.WaitUntilIdle(kWait));
        ASSERT_TRUE(m_writer.WaitUntilIdle(kWait));
        ASSERT_TRUE(m_player.WaitUntilIdle(kWait));
    }
    void Run(IClock::Duration total) {
        for (IClock::Duration done{0}; done < total; done += 100ms) {
            Settle();
            m_clock.Advance(100ms);
        }
        Settle();
    }

    TempFolder m_dir;
    ManualClock m_clock;
    CFileSoundDevices m_devices;
    CRecordSound m_recorder;
    CWriteSoundFile m_writer;
    CPlaySound m_player;
    std::string m_input;
    ISoundDevices* m_previousDevices = nullptr;
};

TEST_F(RecordTest, RecordingHoldsOnlyTheWholeBuffersFilledBeforeTheStop) {
    Connect();
    m_recorder.PostThreadMessage(WM_RECORD_START);
    Run(600ms);
    // A second start while recording changes nothing.
    m_recorder.PostThreadMessage(WM_RECORD_START);
    Run(700ms);
    m_recorder.PostThreadMessage(WM_RECORD_STOP);
    Settle();
    EXPECT_EQ(m_devices.InputOpenCount(), 1);

    CWaveFileView view;
    ASSERT_TRUE(view.Load(Recording()));
    EXPECT_EQ(view.Format(), MakePcmFormat(16, 1, 8000));
    EXPECT_EQ(view.DataChunk().size, 10u * 2000u);
    ASSERT_EQ(view.SampleByteCount(), 20000u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(view.SampleBytes()), 20000),
              m_input.substr(0, 20000));
    view.Unload();

    // A stop while idle changes nothing; the next recording starts a fresh file.
    m_recorder.PostThreadMessage(WM_RECORD_STOP);
    m_recorder.PostThreadMessage(WM_RECORD_START);
    Run(500ms);
    m_recorder.PostThreadMessage(WM_RECORD_STOP);
    Settle();
    ASSERT_TRUE(view.Load(Recording()));
    EXPECT_EQ(view.DataChunk().size, 4u * 2000u);
    EXPECT_EQ(m_devices.InputOpenCount(), 2);
}

TEST_F(RecordTest, WithoutAWriterNothingIsWritten) {
    m_recorder.PostThreadMessage(WM_RECORD_SET_PLAYER, 0, std::make_unique<ThreadLink>(&m_player));
    m_recorder.PostThreadMessage(WM_RECORD_START);
    Run(500ms);
    m_recorder.PostThreadMessage(WM_RECORD_STOP);
    Settle();
    EXPECT_EQ(m_devices.InputOpenCount(), 1);
    EXPECT_FALSE(FileExists(Recording()));
}

TEST_F(RecordTest, FormatFallbackWalksTheTable) {
    const WaveFormat last = MakePcmFormat(16, 2, 20050);
    m_devices.SetFormatFilter([&](const WaveFormat& format) { return format == last; });
    Connect();
    m_recorder.PostThreadMessage(WM_RECORD_START);
    Run(300ms);
    m_recorder.PostThreadMessage(WM_RECORD_STOP);
    Settle();

    const std::vector<WaveFormat> expected{
        MakePcmFormat(16, 1, 8000),  MakePcmFormat(16, 2, 8000),  MakePcmFormat(8, 1, 8000),
        MakePcmFormat(8, 2, 8000),   MakePcmFormat(8, 1, 20050),  MakePcmFormat(8, 2, 20050),
        MakePcmFormat(16, 1, 20050), MakePcmFormat(16, 2, 20050),
    };
    EXPECT_EQ(m_devices.InputAttempts(), expected);
    CWaveFileView view;
    ASSERT_TRUE(view.Load(Recording()));
    EXPECT_EQ(view.Format(), last);
    EXPECT_EQ(view.Format().avgBytesPerSec, 80200u);
    // Buffers of 1000 frames of 4 bytes: 4000 bytes, about 50 ms each.
    EXPECT_EQ(view.DataChunk().size % 4000, 0u);
    EXPECT_GT(view.DataChunk().size, 0u);
}

TEST_F(RecordTest, NoDeviceTakingAnyFormatLeavesTheRecorderIdle) {
    m_devices.SetFormatFilter([](const WaveFormat&) { return false; });
    Connect();
    m_recorder.PostThreadMessage(WM_RECORD_START);
    Settle();
    EXPECT_EQ(m_devices.InputAttempts().size(), 8u);
    EXPECT_EQ(m_devices.InputOpenCount(), 0);
    EXPECT_EQ(m_clock.PendingTimers(), 0);
    EXPECT_FALSE(FileExists(Recording()));
    const std::string log = ReadWholeFile(g_log.GetPath()).value_or("");
    for (int attempt = 0; attempt < 8; ++attempt)
        EXPECT_NE(log.find("waveInOpen error:" + std::to_string(attempt)), std::string::npos) << attempt;
}

} // namespace
