#include "app/FileUtils.h"
#include "audio/AudioMessages.h"
#include "audio/CFileSoundDevices.h"
#include "audio/CPortAudioDevices.h"
#include "audio/CRecordSound.h"
#include "audio/CSoundPlayer.h"
#include "audio/CWaveFileView.h"
#include "audio/CWriteSoundFile.h"
#include "fixtures/FixtureAlsa.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr auto kWait = std::chrono::seconds(20);

// ALSA configured by the test alone: the default device writes what is played into one raw
// file and reads what is captured from another.
class AlsaFileDeviceTest : public ::testing::Test {
protected:
    AlsaFileDeviceTest() {
        EXPECT_TRUE(
            fixtures::UseAlsaFileDevice(m_dir / "asound.conf", m_dir / "played.raw", m_dir / "captured.raw"));
        m_input = fixtures::SampleBytes(fixtures::SineSamples(2.0, 8000, 300, 9000));
        EXPECT_TRUE(fixtures::WriteBinaryFile(m_dir / "captured.raw", m_input));
        m_devices = std::make_unique<CPortAudioDevices>();
        m_previous = SetSoundDevices(m_devices.get());
    }
    ~AlsaFileDeviceTest() override {
        SetSoundDevices(m_previous);
        m_devices.reset();
        fixtures::ForgetAlsaFileDevice();
    }

    // Records from the default device into `path` for as long as `whileRecording` runs.
    void Record(const std::string& path, const std::function<void(CWriteSoundFile&)>& whileRecording) {
        CRecordSound recorder(8000);
        CWriteSoundFile writer;
        ASSERT_TRUE(recorder.CreateThread());
        ASSERT_TRUE(writer.CreateThread());
        recorder.SetOutputPath(path);
        recorder.PostThreadMessage(WM_RECORD_SET_WRITER, 0, std::make_unique<ThreadLink>(&writer));
        recorder.PostThreadMessage(WM_RECORD_START);
        whileRecording(writer);
        recorder.PostThreadMessage(WM_RECORD_STOP);
        recorder.PostThreadMessage(WM_RECORD_END);
        ASSERT_TRUE(recorder.WaitForEnd(kWait));
        writer.PostThreadMessage(WM_WAVWRITE_END);
        ASSERT_TRUE(writer.WaitForEnd(kWait));
    }

    TempFolder m_dir;
    std::string m_input;
    std::unique_ptr<CPortAudioDevices> m_devices;
    ISoundDevices* m_previous = nullptr;
};

TEST_F(AlsaFileDeviceTest, RecordingOfAKnownInputBecomesAValidWav) {
    ASSERT_TRUE(m_devices->HasDevice()) << m_devices->Description();
    const std::string recording = m_dir / "rcsound.wav";
    Record(recording, [&](CWriteSoundFile& writer) {
        for (int i = 0; i < 2000; ++i) {
            ASSERT_TRUE(writer.WaitUntilIdle(kWait));
            const auto size = ReadWholeFile(recording).value_or("").size();
            if (size >= 46 + m_input.size())
                break;
            std::this_thread::sleep_for(5ms);
        }
    });

    CWaveFileView view;
    ASSERT_TRUE(view.Load(recording));
    EXPECT_EQ(view.Format(), MakePcmFormat(16, 1, 8000));
    EXPECT_EQ(view.DataChunk().size, view.SampleByteCount());
    EXPECT_EQ(view.SampleByteCount() % 2000, 0u);
    ASSERT_GE(view.SampleByteCount(), m_input.size());
    EXPECT_TRUE(std::string(reinterpret_cast<const char*>(view.SampleBytes()), m_input.size()) == m_input);
}

TEST_F(AlsaFileDeviceTest, AnInputFasterThanRealTimeIsHeldToTheTimeTheRecordingLasts) {
    // The file device hands over its input, then silence, as fast as it is read: unpaced, a
    // second of recording would hold hours of samples.
    ASSERT_TRUE(m_devices->HasDevice()) << m_devices->Description();
    const std::string recording = m_dir / "rcsound.wav";
    Record(recording, [](CWriteSoundFile&) { std::this_thread::sleep_for(1s); });

    CWaveFileView view;
    ASSERT_TRUE(view.Load(recording));
    // At most the second it lasted, the pacing slack and the buffers queued ahead (one second).
    EXPECT_LE(view.SampleByteCount(), 16000u * 3);
    EXPECT_GE(view.SampleByteCount(), 16000u / 2);
}

TEST_F(AlsaFileDeviceTest, PlayedWavArrivesWhole) {
    ASSERT_TRUE(m_devices->HasDevice()) << m_devices->Description();
    // An odd length, so the last block is a short one.
    const auto samples = fixtures::SineSamples(1.2345, 8000, 500, 12000);
    const std::string path = m_dir / "model.wav";
    ASSERT_TRUE(fixtures::WriteBinaryFile(path, fixtures::MonoWav(samples)));
    PlaySoundFile(path, SND_FILENAME);
    EXPECT_TRUE(ReadWholeFile(m_dir / "played.raw").value_or("") == fixtures::SampleBytes(samples));
    GetSoundPlayer().Stop();
    ASSERT_TRUE(GetSoundPlayer().WaitUntilIdle(kWait));
}

TEST(SoundDeviceChoice, WithoutAnyDeviceTheSilentStandInIsChosen) {
    TempFolder dir;
    // A default device on a sound card the machine does not have.
    ASSERT_TRUE(WriteTextFile(dir / "asound.conf", "pcm.!default { type hw card 0 }\n"));
    setenv("ALSA_CONFIG_PATH", (dir / "asound.conf").c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    CFileSoundDevices silent(GetSystemClock(), "", "");
    {
        CPortAudioDevices portAudio;
        EXPECT_FALSE(portAudio.HasDevice()) << portAudio.Description();
        EXPECT_EQ(&portAudio.OrWhenNoDevice(silent), &silent);
    }
    unsetenv("ALSA_CONFIG_PATH");
    // The stand-in has no microphone: a recording start fails quietly.
    CRecordSound recorder(8000);
    std::unique_ptr<IWaveInput> input;
    EXPECT_EQ(silent.OpenInput(MakePcmFormat(16, 1, 8000), recorder, input), MMSYSERR_BADDEVICEID);
}

TEST(SoundDeviceChoice, WithoutAnAlsaConfigurationTheProgramGoesOnSilently) {
    // ALSA with nothing to list devices from makes PortAudio's device scan assert: that must end
    // only the trial scan, never the program.
    TempFolder dir;
    ASSERT_TRUE(WriteTextFile(dir / "empty.conf", ""));
    setenv("JACK_NO_START_SERVER", "1", 1);
    CFileSoundDevices silent(GetSystemClock(), "", "");
    for (const std::string& config : {dir / "empty.conf", dir / "missing.conf"}) {
        setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
        CPortAudioDevices portAudio;
        EXPECT_FALSE(portAudio.HasDevice()) << config;
        EXPECT_NE(portAudio.Description().find("trial"), std::string::npos) << portAudio.Description();
        EXPECT_EQ(&portAudio.OrWhenNoDevice(silent), &silent);
        std::unique_ptr<IWaveOutput> output;
        CRecordSound owner(8000);
        EXPECT_EQ(portAudio.OpenOutput(MakePcmFormat(16, 1, 8000), owner, output), MMSYSERR_NODRIVER);
    }
    unsetenv("ALSA_CONFIG_PATH");
}

} // namespace
