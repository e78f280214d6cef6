#include "ListenSpeakFixture.h"

#include "audio/CClockTimer.h"
#include "audio/CFileSoundDevices.h"
#include "audio/CWaveformStatic.h"
#include "fixtures/FixtureSounds.h"

#include <QCoreApplication>

using namespace std::chrono_literals;

namespace {

constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// A waveform control 200 × 100 on file-backed devices and the hand-advanced clock.
class WaveformStaticTest : public ListenSpeakFixture {
protected:
    void SetUp() override {
        ListenSpeakFixture::SetUp();
        m_devices = std::make_unique<CFileSoundDevices>(m_clock, "", "");
        UseDevices(m_devices.get());
        m_wave = std::make_unique<CWaveformStatic>(nullptr, m_clock);
        m_wave->resize(200, 100);
    }
    void TearDown() override {
        m_wave.reset();
        ListenSpeakFixture::TearDown();
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        EXPECT_TRUE(fixtures::WriteBinaryFile(m_dir / name, bytes));
        return m_dir / name;
    }
    void Tick(IClock::Duration duration) {
        m_clock.Advance(duration);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<CFileSoundDevices> m_devices;
    std::unique_ptr<CWaveformStatic> m_wave;
};

TEST_F(WaveformStaticTest, SixteenBitSamplesAreScaledBy80000AroundTheCentreLine) {
    QImage empty = m_wave->Picture();
    EXPECT_EQ(empty.pixel(0, 0), kBlack); // frame
    EXPECT_EQ(empty.pixel(199, 99), kBlack);
    EXPECT_EQ(empty.pixel(100, 50), kBlue); // centre line
    EXPECT_EQ(empty.pixel(100, 30), kWhite);

    std::vector<std::int16_t> samples(400, 0);
    samples[100] = 32767;  // x = 200 × 100/400 = 50, reaches 50 + 50 × 32767/80000 = 70
    samples[300] = -32767; // x = 150, reaches up to 30
    m_wave->LoadFile(Write("a.wav", fixtures::MonoWav(samples)));
    const QImage picture = m_wave->Picture();
    EXPECT_EQ(picture.pixel(50, 60), kBlue);
    EXPECT_EQ(picture.pixel(50, 70), kBlue);
    EXPECT_EQ(picture.pixel(50, 72), kWhite);
    EXPECT_EQ(picture.pixel(150, 40), kBlue);
    EXPECT_EQ(picture.pixel(150, 30), kBlue);
    EXPECT_EQ(picture.pixel(150, 28), kWhite);
    EXPECT_EQ(picture.pixel(51, 60), kWhite);
    EXPECT_EQ(picture.pixel(10, 50), kBlue);
}

TEST_F(WaveformStaticTest, EightBitSamplesAreOnePixelEachUnscaled) {
    std::string data(150, '\x80');
    data[10] = static_cast<char>(128 + 30); // down to y = 50 + 30
    data[20] = static_cast<char>(128 - 40); // up to y = 50 - 40
    m_wave->LoadFile(Write("b.wav", fixtures::CanonicalWav(MakePcmFormat(8, 1, 8000), data)));
    const QImage picture = m_wave->Picture();
    EXPECT_EQ(picture.pixel(10, 79), kBlue);
    EXPECT_EQ(picture.pixel(10, 82), kWhite);
    EXPECT_EQ(picture.pixel(20, 11), kBlue);
    EXPECT_EQ(picture.pixel(20, 8), kWhite);
    EXPECT_EQ(picture.pixel(160, 40), kWhite); // past the data
}

TEST_F(WaveformStaticTest, LoadFailureLeavesNothingLoaded) {
    EXPECT_THROW(m_wave->LoadFile(m_dir / "missing.wav"), WaveErrors::FileOperation);
    EXPECT_THROW(m_wave->LoadFile(Write("c.wav", "RIFF\x10\0\0\0WAVXfmt ")), WaveErrors::WaveDoesntMatch);
    EXPECT_FALSE(m_wave->IsLoaded());
    EXPECT_FALSE(m_wave->PlayWithCursor());
    EXPECT_FALSE(m_wave->IsCursorRunning());
}

TEST_F(WaveformStaticTest, CursorWalksAcrossWithXorStrokes) {
    // 2 s of sound over 200 pixels: step 5 gives 40 moves of 49 ms.
    std::vector<std::int16_t> samples(16000, 9000);
    m_wave->LoadFile(Write("d.wav", fixtures::MonoWav(samples)));
    ASSERT_TRUE(m_wave->PlayWithCursor());
    ASSERT_TRUE(m_wave->IsCursorRunning());
    EXPECT_EQ(m_wave->CursorStep(), 5);
    EXPECT_EQ(CWaveformStatic::SharedCursorPosition(), 5);
    const QImage before = m_wave->Picture();

    Tick(49ms); // first stroke at 10
    QImage now = m_wave->Picture();
    EXPECT_EQ(now.pixel(10, 20), before.pixel(10, 20) ^ 0x00FFFFFF);
    EXPECT_EQ(now.pixel(5, 20), before.pixel(5, 20));
    Tick(49ms); // 10 erased, stroke at 15
    now = m_wave->Picture();
    EXPECT_EQ(now.pixel(10, 20), before.pixel(10, 20));
    EXPECT_EQ(now.pixel(15, 20), before.pixel(15, 20) ^ 0x00FFFFFF);
    EXPECT_EQ(CWaveformStatic::SharedCursorPosition(), 15);

    // Past the right edge the cursor stops and the position goes back to one step.
    for (int i = 0; i < 60 && m_wave->IsCursorRunning(); ++i)
        Tick(49ms);
    EXPECT_FALSE(m_wave->IsCursorRunning());
    EXPECT_EQ(CWaveformStatic::SharedCursorPosition(), 5);
    now = m_wave->Picture();
    for (int x = 1; x < 199; ++x)
        ASSERT_EQ(now.pixel(x, 20), before.pixel(x, 20)) << x;
}

TEST_F(WaveformStaticTest, SoundWithoutVoiceStillPlaysWithoutACursor) {
    m_wave->LoadFile(Write("e.wav", fixtures::MonoWav(std::vector<std::int16_t>(4000, 0))));
    EXPECT_EQ(m_wave->Wave().StoredVoicedDuration(), 0.0);
    EXPECT_TRUE(m_wave->PlayWithCursor());
    EXPECT_FALSE(m_wave->IsCursorRunning());
}

} // namespace

namespace {

TEST(ClockTimer, FiresOnceOnTheOwnersThreadAndDropsAFiringItWasResetOver) {
    ManualClock clock;
    QObject owner;
    int fired = 0;
    CClockTimer timer(clock, &owner, [&] { ++fired; });
    timer.Set(100);
    EXPECT_TRUE(timer.IsSet());
    clock.Advance(100ms); // due, but handled by the owner's thread only
    EXPECT_EQ(fired, 0);
    timer.Set(200); // set again before the firing was handled
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(timer.DelayMs(), 200);
    clock.Advance(200ms);
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer.IsSet());
    timer.Set(50);
    timer.Kill();
    clock.Advance(100ms);
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 1);
}

} // namespace
