#include "ListenSpeakFixture.h"

#include "app/ContentPath.h"
#include "app/FileUtils.h"
#include "audio/CPortAudioDevices.h"
#include "audio/CWaveFileView.h"
#include "audio/CWaveformStatic.h"
#include "audio/SpeakingPractice.h"
#include "fixtures/FixtureAlsa.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/FixtureSpeech.h"
#include "ui/BitmapButton.h"

#include <QLabel>
#include <QTest>

#include <cstdio>

#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr auto kRealWait = std::chrono::seconds(20);

// The whole practice through PortAudio and ALSA: ALSA plays into a file and takes the microphone
// from another. The model is a spoken sentence made by speech synthesis and encoded as MP3, as the
// lesson content is; the "learner" is the same sentence at a known speed, or silence.
class ListenSpeakAlsaTest : public ListenSpeakFixture {
protected:
    void SetUp() override {
        ListenSpeakFixture::SetUp();
        ASSERT_TRUE(fixtures::UseAlsaFileDevice(m_dir / "asound.conf", m_dir / "played.raw", Microphone()));
        // The microphone file must exist when the device opens.
        ASSERT_TRUE(fixtures::WriteBinaryFile(Microphone(), ""));
        m_devices = std::make_unique<CPortAudioDevices>();
        ASSERT_TRUE(m_devices->HasDevice()) << m_devices->Description();
        UseDevices(m_devices.get());

        std::string error;
        ASSERT_TRUE(fixtures::MakeSpokenMp3("你好，我是学生。", ModelMp3(), error)) << error;
        MakePanel();
        m_panel->SetSentenceText(u"你好 ， 我 是 学生 。", u"nǐhǎo , wǒ shì xuésheng .");
        ASSERT_TRUE(m_panel->SetModel(ModelMp3()));
        ASSERT_NE(ModelWave(), nullptr);
        ASSERT_TRUE(ModelWave()->IsLoaded());
    }
    void TearDown() override {
        ListenSpeakFixture::TearDown();
        m_devices.reset();
        fixtures::ForgetAlsaFileDevice();
    }

    std::string Microphone() const { return m_dir / "captured.raw"; }
    std::string ModelMp3() const { return m_dir / "templesson/S010101.mp3"; }
    CWaveformStatic* ModelWave() const {
        return m_panel->findChild<CWaveformStatic*>(QString::number(CListenSpeakDlg::IDC_MODEL_WAVE));
    }
    CWaveformStatic* LearnerWave() const {
        return m_panel->findChild<CWaveformStatic*>(QString::number(CListenSpeakDlg::IDC_LEARNER_WAVE));
    }

    // Plays the model, records what the microphone file holds and waits for the rating.
    void Practise(const std::vector<std::int16_t>& microphone) {
        const std::string input = fixtures::SampleBytes(microphone);
        ASSERT_TRUE(fixtures::WriteBinaryFile(Microphone(), input));
        QTest::mouseClick(m_panel->findChild<BitmapButton*>(QString::number(CListenSpeakDlg::IDC_PLAY_MODEL)),
                          Qt::LeftButton);
        const int modelPhase = m_panel->Timer1DelayMs();
        ASSERT_GT(modelPhase, 1000);
        Run(std::chrono::milliseconds(modelPhase));
        ASSERT_TRUE(m_panel->IsRecording());
        // ALSA reads the file as fast as it can: wait in real time until all of it was recorded
        // (the writer keeps the recording under a working name until it is closed).
        const std::string writing = ResolveContentPath(m_panel->RecordPath()) + ".writing";
        const auto deadline = std::chrono::steady_clock::now() + kRealWait;
        while (ReadWholeFile(writing).value_or("").size() < 46 + input.size()) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the recording did not grow";
            ASSERT_TRUE(m_panel->WaitUntilSoundIdle(kRealWait));
            std::this_thread::sleep_for(5ms);
        }
        ASSERT_TRUE(RunUntilRated(std::chrono::milliseconds(m_panel->Timer1DelayMs() + 500)));
    }

    std::unique_ptr<CPortAudioDevices> m_devices;
};

TEST_F(ListenSpeakAlsaTest, SentenceRepeatedAtAKnownSpeedIsRatedByItsLength) {
    const double m = ModelWave()->Wave().VoicedDuration(2000);
    ASSERT_GT(m, 1.0);
    EXPECT_EQ(m_panel->CharacterCount(), 8);

    for (const double stretch : {1.25, 3.0}) {
        SCOPED_TRACE(stretch);
        const std::vector<std::int16_t> spoken = fixtures::AtSpeed(ModelWave()->Wave(), stretch);
        std::vector<std::int16_t> microphone(800, 0); // a short pause before the learner speaks
        microphone.insert(microphone.end(), spoken.begin(), spoken.end());
        ASSERT_NO_FATAL_FAILURE(Practise(microphone));

        // The learner's waveform is the recording: the stretched sentence as it was captured.
        ASSERT_TRUE(LearnerWave()->IsLoaded());
        const CWaveFileView& learner = LearnerWave()->Wave();
        ASSERT_GE(learner.SampleCount(), microphone.size());
        for (std::size_t i = 0; i < microphone.size(); i += 997)
            ASSERT_EQ(learner.Sample(i), microphone[i]) << i;
        CWaveFileView expected;
        ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "expected.wav", fixtures::MonoWav(microphone)));
        ASSERT_TRUE(expected.Load(m_dir / "expected.wav"));
        const double u = learner.VoicedDuration(3000);
        EXPECT_NEAR(u, expected.VoicedDuration(3000), 0.01);
        EXPECT_NEAR(u / m, stretch, 0.1 * stretch);

        const char* rating =
            speaking::Rating(speaking::VoiceRatio(static_cast<float>(m), static_cast<float>(u)));
        EXPECT_STREQ(rating, stretch < 2 ? "good!" : "Not So bad!");
        EXPECT_EQ(Prompt().toStdString(), rating);
        const std::vector<double> logged = LastRatingLogLine();
        ASSERT_EQ(logged.size(), 3u);
        EXPECT_NEAR(logged[1], m, 1e-5);
        EXPECT_NEAR(logged[2], u, 1e-5);
    }
}

// The tones of a recording: the model itself as the microphone hears it scores high on every
// syllable, another sentence of as many syllables low.
TEST_F(ListenSpeakAlsaTest, TheModelsOwnTonesScoreHighAndAnotherSentencesLow) {
    ASSERT_EQ(m_panel->Session().Tones().syllables.size(), 6u);
    std::vector<std::int16_t> microphone(800, 0);
    const std::vector<std::int16_t> model = fixtures::AtSpeed(ModelWave()->Wave(), 1.0);
    microphone.insert(microphone.end(), model.begin(), model.end());
    ASSERT_NO_FATAL_FAILURE(Practise(microphone));
    const int itself = m_panel->Session().Tones().sentence;
    EXPECT_GE(itself, 80);
    EXPECT_EQ(m_panel->findChild<QLabel*>(QString::number(CListenSpeakDlg::IDC_TONE_SCORE))->text(),
              QStringLiteral("Tones: %1").arg(itself));

    std::string error;
    ASSERT_TRUE(fixtures::MakeSpokenMp3("他们都很忙。", m_dir / "other.mp3", error)) << error;
    CWaveFileView other;
    ASSERT_TRUE(other.Load(m_dir / "other.mp3.source.wav"));
    microphone.resize(800);
    const std::vector<std::int16_t> spoken = fixtures::AtSpeed(other, 1.0);
    microphone.insert(microphone.end(), spoken.begin(), spoken.end());
    ASSERT_NO_FATAL_FAILURE(Practise(microphone));
    std::printf("tone scores: the model %d, another sentence %d\n", itself,
                m_panel->Session().Tones().sentence);
    EXPECT_LT(m_panel->Session().Tones().sentence, itself - 20);
}

TEST_F(ListenSpeakAlsaTest, SilenceIsTryAgain) {
    ASSERT_NO_FATAL_FAILURE(Practise(std::vector<std::int16_t>(8000 * 3, 0)));
    ASSERT_TRUE(LearnerWave()->IsLoaded());
    EXPECT_EQ(LearnerWave()->Wave().VoicedDuration(3000), 0.0);
    EXPECT_EQ(Prompt(), "Try again!");
}

} // namespace
