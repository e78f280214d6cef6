#include "app/FileUtils.h"
#include "app/UserNotice.h"
#include "audio/AudioMessages.h"
#include "audio/CFileSoundDevices.h"
#include "audio/CPlayMMSound.h"
#include "audio/CPlaySound.h"
#include "audio/CRecordSound.h"
#include "audio/CSoundPlayer.h"
#include "audio/CSystemClock.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/ManualClock.h"
#include "fixtures/TempFolder.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr auto kWait = std::chrono::seconds(10);

// Equal byte strings; on a difference tells the sizes and where they part, not the whole bytes.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto parted = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure() << actual.size() << " bytes instead of " << expected.size()
                                         << ", first difference at " << (parted.first - actual.begin());
}

class RecordingNotice final : public UserNotice {
public:
    void Show(Kind, const std::string&, const std::string& text) override {
        std::lock_guard<std::mutex> guard(m_lock);
        m_texts.push_back(text);
        m_threads.push_back(std::this_thread::get_id());
    }
    bool Ask(const std::string&, const std::string&) override { return false; }
    std::vector<std::string> Texts() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_texts;
    }
    std::vector<std::thread::id> Threads() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_threads;
    }

private:
    std::mutex m_lock;
    std::vector<std::string> m_texts;
    std::vector<std::thread::id> m_threads;
};

class PlaybackTest : public ::testing::Test {
protected:
    PlaybackTest() : m_devices(m_clock, "", m_dir / "played.raw") {
        m_previousDevices = SetSoundDevices(&m_devices);
        m_previousNotice = SetUserNotice(&m_notice);
    }
    ~PlaybackTest() override {
        GetSoundPlayer().Stop();
        GetSoundPlayer().WaitUntilIdle(kWait);
        SetSoundDevices(m_previousDevices);
        SetUserNotice(m_previousNotice);
    }

    // A mono 16-bit WAV at 8000 per second whose samples all differ, and its sample bytes.
    std::string MakeWav(const std::string& name, double seconds, int seed) {
        std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * 8000));
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<std::int16_t>(i * 7 + seed);
        m_data[name] = fixtures::SampleBytes(samples);
        EXPECT_TRUE(fixtures::WriteBinaryFile(m_dir / name, fixtures::MonoWav(samples)));
        return m_dir / name;
    }
    std::string Played() { return ReadWholeFile(m_dir / "played.raw").value_or(""); }
    // Lets the clock run in steps, letting the threads catch up between them.
    void Run(IClock::Duration total, std::initializer_list<CWorkerThread*> threads) {
        for (IClock::Duration done{0}; done < total; done += 50ms) {
            for (auto* thread : threads)
                ASSERT_TRUE(thread->WaitUntilIdle(kWait));
            m_clock.Advance(50ms);
        }
        for (auto* thread : threads)
            ASSERT_TRUE(thread->WaitUntilIdle(kWait));
    }

    TempFolder m_dir;
    ManualClock m_clock;
    CFileSoundDevices m_devices;
    RecordingNotice m_notice;
    std::map<std::string, std::string> m_data;
    ISoundDevices* m_previousDevices = nullptr;
    UserNotice* m_previousNotice = nullptr;
};

TEST_F(PlaybackTest, AsynchronousPlayReturnsAtOnceAndANewSoundStopsTheOld) {
    const std::string first = MakeWav("first.wav", 1.0, 1);
    const std::string second = MakeWav("second.wav", 0.5, 2);
    PlaySoundFile(first, SND_ASYNC);
    Run(300ms, {&GetSoundPlayer()});
    // A missing file plays nothing and leaves the sound playing alone.
    PlaySoundFile(m_dir / "absent.wav", SND_ASYNC);
    Run(100ms, {&GetSoundPlayer()});
    PlaySoundFile(second, SND_FILENAME | SND_ASYNC);
    Run(1s, {&GetSoundPlayer()});
    // Four tenths of the first sound, then the whole second one.
    EXPECT_TRUE(SameBytes(Played(), m_data["first.wav"].substr(0, 6400) + m_data["second.wav"]));
}

TEST_F(PlaybackTest, SynchronousPlayReturnsWhenTheSoundHasEnded) {
    const std::string path = MakeWav("du.wav", 0.8, 3);
    std::atomic<bool> returned{false};
    std::thread caller([&] {
        PlaySoundFile(path, SND_FILENAME);
        returned = true;
    });
    for (int i = 0; i < 10000 && m_clock.PendingTimers() == 0; ++i)
        std::this_thread::sleep_for(1ms);
    ASSERT_GT(m_clock.PendingTimers(), 0);
    Run(700ms, {&GetSoundPlayer()});
    EXPECT_FALSE(returned);
    Run(100ms, {&GetSoundPlayer()});
    caller.join();
    EXPECT_TRUE(returned);
    EXPECT_TRUE(SameBytes(Played(), m_data["du.wav"]));
}

// Takes every block and never plays it, as a hung sound driver does.
class StalledDevices final : public ISoundDevices {
    struct Output final : IWaveOutput {
        explicit Output(CWorkerThread& owner) : owner(owner) {}
        int Write(std::unique_ptr<WaveHeader> block) override {
            std::lock_guard<std::mutex> guard(lock);
            queue.push_back(std::move(block));
            return MMSYSERR_NOERROR;
        }
        int Reset() override {
            HandBackQueued(lock, queue, owner, MM_WOM_DONE);
            return MMSYSERR_NOERROR;
        }
        int Close() override { return Reset(); }
        CWorkerThread& owner;
        std::mutex lock;
        BlockQueue queue;
    };

public:
    int OpenOutput(const WaveFormat&, CWorkerThread& owner, std::unique_ptr<IWaveOutput>& device) override {
        device = std::make_unique<Output>(owner);
        return MMSYSERR_NOERROR;
    }
    int OpenInput(const WaveFormat&, CWorkerThread&, std::unique_ptr<IWaveInput>&) override {
        return MMSYSERR_NODRIVER;
    }
};

TEST_F(PlaybackTest, SynchronousPlayOnAStalledDeviceIsBoundedAndKeepsTheApplicationAnswering) {
    StalledDevices stalled;
    SetSoundDevices(&stalled);
    const std::string path = MakeWav("long.wav", 1.5, 4);

    // On the application thread, events are handled while the sound plays: leaving stops it.
    {
        int argc = 1;
        char name[] = "audio_tests";
        char* argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
        // A hung wait is ended from outside after ten seconds, so that the test fails instead.
        std::atomic<bool> finished{false};
        std::thread watchdog([&] {
            for (int i = 0; i < 10000 && !finished; ++i)
                std::this_thread::sleep_for(1ms);
            GetSoundPlayer().Stop();
        });
        bool answered = false;
        QTimer::singleShot(0, [&] {
            answered = true;
            GetSoundPlayer().Stop();
        });
        PlaySoundFile(path, SND_FILENAME);
        finished = true;
        watchdog.join();
        EXPECT_TRUE(answered);
    }

    // Elsewhere the wait ends at the latest two seconds after the sound's length (1.5 s, counted as
    // the 2 whole seconds it begins).
    CSoundPlayer player(m_clock);
    std::atomic<bool> returned{false};
    std::thread caller([&] {
        player.Play(path, true);
        returned = true;
    });
    std::this_thread::sleep_for(100ms);
    m_clock.Advance(3500ms);
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(returned);
    m_clock.Advance(1000ms);
    for (int i = 0; i < 5000 && !returned; ++i)
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(returned);
    if (!returned)
        player.Stop();
    caller.join();
    SetSoundDevices(&m_devices);
}

TEST_F(PlaybackTest, SynchronousPlayOfAnUnreadableFileReturns) {
    ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "junk.wav", "not a sound"));
    PlaySoundFile(m_dir / "junk.wav", SND_FILENAME);
    PlaySoundFile(m_dir / "absent.wav", SND_FILENAME);
    EXPECT_FALSE(FileExists(m_dir / "played.raw"));
}

TEST_F(PlaybackTest, FileReaderPostsTheDataInBlocksToThePlayer) {
    const std::string path = MakeWav("model.wav", 1.0, 4);
    CPlaySound player(8000, m_clock);
    CPlayMMSound reader;
    ASSERT_TRUE(player.CreateThread());
    ASSERT_TRUE(reader.CreateThread());
    reader.PostThreadMessage(WM_FILEPLAY_SET_PLAYER, 0, std::make_unique<ThreadLink>(&player));
    reader.PostThreadMessage(WM_FILEPLAY_OPEN, 0, std::make_unique<PathPayload>(path));
    ASSERT_TRUE(reader.WaitUntilIdle(kWait));
    EXPECT_EQ(reader.BlockSize(), 3200u);
    // The reader thread runs on its own: give it real time as well as clock time.
    for (int i = 0; i < 5000 && Played().size() < m_data["model.wav"].size(); ++i) {
        std::this_thread::sleep_for(1ms);
        Run(200ms, {&player});
    }
    EXPECT_TRUE(SameBytes(Played(), m_data["model.wav"]));

    // A data chunk smaller than a block is one block.
    const std::string shortPath = MakeWav("short.wav", 0.0625, 5);
    reader.PostThreadMessage(WM_FILEPLAY_OPEN, 0, std::make_unique<PathPayload>(shortPath));
    ASSERT_TRUE(reader.WaitUntilIdle(kWait));
    EXPECT_EQ(reader.BlockSize(), 1000u);
    reader.PostThreadMessage(WM_FILEPLAY_END);
    player.PostThreadMessage(WM_PLAY_END);
    EXPECT_TRUE(reader.WaitForEnd(kWait));
    EXPECT_TRUE(player.WaitForEnd(kWait));
}

TEST_F(PlaybackTest, StoppedPlayerReleasesBlocksWithoutADevice) {
    CPlaySound player(8000, m_clock);
    ASSERT_TRUE(player.CreateThread());
    player.PostThreadMessage(WM_PLAY_BLOCK, 1, std::make_unique<WaveHeader>(2000));
    ASSERT_TRUE(player.WaitUntilIdle(kWait));
    EXPECT_FALSE(FileExists(m_dir / "played.raw"));

    // Started: a block plays; after a stop the next one is released again.
    auto block = std::make_unique<WaveHeader>(1600);
    block->data.assign(1600, 0x11);
    player.PostThreadMessage(WM_PLAY_START, 1);
    player.PostThreadMessage(WM_PLAY_BLOCK, 1, std::move(block));
    Run(200ms, {&player});
    player.PostThreadMessage(WM_PLAY_STOP);
    player.PostThreadMessage(WM_PLAY_BLOCK, 1, std::make_unique<WaveHeader>(1600));
    Run(200ms, {&player});
    EXPECT_TRUE(SameBytes(Played(), std::string(1600, '\x11')));
}

TEST_F(PlaybackTest, DeviceFailuresAreReported) {
    m_devices.SetFormatFilter([](const WaveFormat&) { return false; });
    CPlaySound player(8000, m_clock);
    CPlayMMSound reader;
    ASSERT_TRUE(player.CreateThread());
    ASSERT_TRUE(reader.CreateThread());
    player.PostThreadMessage(WM_PLAY_START, 1);
    ASSERT_TRUE(player.WaitUntilIdle(kWait));
    ASSERT_GE(m_notice.Texts().size(), 2u);
    EXPECT_EQ(m_notice.Texts()[0], "OnStartPlaying");

    ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "junk.wav", "RIFF0000WAVE"));
    reader.PostThreadMessage(WM_FILEPLAY_OPEN, 0, std::make_unique<PathPayload>(m_dir / "junk.wav"));
    ASSERT_TRUE(reader.WaitUntilIdle(kWait));
    EXPECT_EQ(m_notice.Texts().size(), 3u);
}

TEST_F(PlaybackTest, WorkerErrorsReachTheUserOnTheApplicationThread) {
    int argc = 1;
    char name[] = "audio_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    m_devices.SetFormatFilter([](const WaveFormat&) { return false; });
    CPlaySound player(8000, m_clock);
    ASSERT_TRUE(player.CreateThread());
    player.PostThreadMessage(WM_PLAY_START, 1);
    ASSERT_TRUE(player.WaitUntilIdle(kWait));
    EXPECT_TRUE(m_notice.Texts().empty()) << "shown only once the application thread handles events";
    QCoreApplication::processEvents();
    EXPECT_EQ(m_notice.Texts(),
              (std::vector<std::string>{"OnStartPlaying", SoundErrorText(WAVERR_BADFORMAT)}));
    for (const auto& thread : m_notice.Threads())
        EXPECT_EQ(thread, std::this_thread::get_id());
}

// Closing while the clock's thread is finishing blocks: each block reaches the file once, in
// order, and none is written after the close.
TEST(FileSoundDevices, ClosingWaitsForTheBlocksBeingFinished) {
    TempFolder dir;
    CRecordSound owner(8000);
    for (int round = 0; round < 200; ++round) {
        const std::string path = dir / ("played" + std::to_string(round) + ".raw");
        CFileSoundDevices devices(GetSystemClock(), "", path);
        std::unique_ptr<IWaveOutput> output;
        ASSERT_EQ(devices.OpenOutput(MakePcmFormat(8, 1, 8000), owner, output), MMSYSERR_NOERROR);
        std::string expected;
        for (int i = 0; i < 40; ++i) {
            auto block = std::make_unique<WaveHeader>(2);
            block->data.assign(2, static_cast<std::uint8_t>(i));
            expected.append(2, static_cast<char>(i));
            output->Write(std::move(block));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(round % 40 * 250));
        output->Close();
        EXPECT_EQ(ReadWholeFile(path).value_or(""), expected) << round;
    }
}

} // namespace
