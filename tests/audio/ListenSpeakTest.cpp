#include "ListenSpeakFixture.h"

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "audio/CFileSoundDevices.h"
#include "audio/CSpeedChoice.h"
#include "audio/CWaveformStatic.h"
#include "audio/SpeakingPractice.h"
#include "fixtures/FixtureSounds.h"
#include "ui/ArtworkIds.h"
#include "ui/BitmapButton.h"
#include "ui/ResourceImages.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// A 500 Hz square wave: never a zero sample, so its voiced length is its length.
std::vector<std::int16_t> Square(double seconds, int amplitude) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * 8000));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>((i / 8) % 2 == 0 ? amplitude : -amplitude);
    return samples;
}

std::vector<std::int16_t> Silence(double seconds) {
    return std::vector<std::int16_t>(static_cast<std::size_t>(seconds * 8000), 0);
}

std::vector<std::int16_t> Join(std::initializer_list<std::vector<std::int16_t>> parts) {
    std::vector<std::int16_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

bool IsBlue(QRgb pixel) {
    return qBlue(pixel) > 160 && qRed(pixel) < 100 && qGreen(pixel) < 100;
}

// The pane on file-backed devices: the microphone plays `microphone.raw`, what is played goes to
// `played.raw`. The model lasts 1.2 s at threshold 0 and 1.0 s at threshold 2000.
class ListenSpeakTest : public ListenSpeakFixture {
protected:
    void SetUp() override {
        ListenSpeakFixture::SetUp();
        const auto model =
            Join({Silence(0.2), Square(0.1, 1000), Square(1.0, 9000), Square(0.1, 1000), Silence(0.2)});
        ASSERT_TRUE(fixtures::WriteBinaryFile(ModelWav(), fixtures::MonoWav(model)));
    }
    void UseMicrophone(const std::vector<std::int16_t>& samples) {
        ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "microphone.raw", fixtures::SampleBytes(samples)));
        m_devices =
            std::make_unique<CFileSoundDevices>(m_clock, m_dir / "microphone.raw", m_dir / "played.raw");
        UseDevices(m_devices.get());
    }
    void UseNoMicrophone() {
        m_devices = std::make_unique<CFileSoundDevices>(m_clock, "", m_dir / "played.raw");
        UseDevices(m_devices.get());
    }
    std::string ModelWav() const { return m_dir / "templesson/S010101.wav"; }
    template <class T> T* Control(int id) const { return m_panel->findChild<T*>(QString::number(id)); }
    CWaveformStatic* ModelWave() const { return Control<CWaveformStatic>(CListenSpeakDlg::IDC_MODEL_WAVE); }
    CWaveformStatic* LearnerWave() const {
        return Control<CWaveformStatic>(CListenSpeakDlg::IDC_LEARNER_WAVE);
    }
    void ClickPlayModel() {
        QTest::mouseClick(Control<BitmapButton>(CListenSpeakDlg::IDC_PLAY_MODEL), Qt::LeftButton);
    }
    // Plays the model and lets the practice run to its rating.
    void Practise() {
        ASSERT_TRUE(m_panel->SetModel(ModelWav()));
        ClickPlayModel();
        ASSERT_TRUE(RunUntilRated(10s));
    }

    std::unique_ptr<CFileSoundDevices> m_devices;
};

TEST_F(ListenSpeakTest, PaneHasTheTemplatesControls) {
    UseMicrophone(Silence(1));
    MakePanel();
    EXPECT_TRUE(m_panel->SoundThreadsReady());
    EXPECT_TRUE(m_notice.shown.empty());
    EXPECT_EQ(m_panel->size(), QSize(436, 536));
    EXPECT_EQ(ModelWave()->geometry(), QRect(0, 66, 434, 140));
    EXPECT_EQ(LearnerWave()->geometry(), QRect(2, 250, 432, 140));
    EXPECT_EQ(Prompt(), "");
    for (const QWidget* child : m_panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(m_panel->rect().contains(child->geometry())) << child->objectName().toStdString();
    for (int id :
         {CListenSpeakDlg::IDC_ICON_LEFT, CListenSpeakDlg::IDC_ICON_RIGHT, CListenSpeakDlg::IDC_TEXT}) {
        ASSERT_NE(Control<QWidget>(id), nullptr) << id;
        EXPECT_TRUE(Control<QWidget>(id)->isHidden()) << id;
    }
    for (int id : {CListenSpeakDlg::IDC_PLAY_MODEL, CListenSpeakDlg::IDC_PLAY_LEARNER}) {
        auto* button = Control<BitmapButton>(id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->TooltipText(), "play");
    }
    for (int id : {artwork::kPlayModelHover, artwork::kPlayModelNormal, artwork::kPlayLearnerHover,
                   artwork::kPlayLearnerNormal})
        EXPECT_FALSE(LoadBitmapResource(id).isNull()) << id;
    EXPECT_EQ(m_panel->RecordPath(), g_strTempLessonDir + "\\rcsound.wav");

    // The lesson window's frame is narrower and lower than the template.
    m_panel->resize(420, 500);
    m_panel->show();
    for (const QWidget* child : m_panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            EXPECT_TRUE(m_panel->rect().contains(child->geometry())) << child->objectName().toStdString();
}

TEST_F(ListenSpeakTest, TheModelIsHeardAtTheChosenSpeed) {
    UseMicrophone(Silence(1));
    MakePanel();
    ASSERT_TRUE(m_panel->SetModel(ModelWav()));
    const std::size_t ownLength = ModelWave()->Wave().SampleCount();
    m_panel->SetSpeechSpeed(50);
    EXPECT_NE(m_panel->ModelPath(), ModelWav());
    EXPECT_NEAR(static_cast<double>(ModelWave()->Wave().SampleCount()), 2.0 * ownLength, 0.05 * ownLength);

    auto* choice = Control<CSpeedChoice>(CListenSpeakDlg::IDC_SPEED);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->Speed(), 50);
    QSignalSpy chosen(m_panel.get(), &CListenSpeakDlg::speechSpeedChosen);
    QTest::mouseClick(choice, Qt::LeftButton, {}, choice->SegmentRect(100).center());
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.front().front().toInt(), 100);
    EXPECT_EQ(m_panel->SpeechSpeed(), 50) << "the owner decides";
    m_panel->SetSpeechSpeed(100);
    EXPECT_EQ(m_panel->ModelPath(), ModelWav());
}

TEST_F(ListenSpeakTest, SetModelLoadsTheModelAndTheCharacterLine) {
    UseMicrophone(Silence(1));
    MakePanel();
    m_panel->SetSentenceText(u"你好， 我是学生");
    EXPECT_FALSE(m_panel->SetModel(m_dir / "templesson/missing.mp3"));
    EXPECT_EQ(m_panel->CharacterCount(), 0);
    ASSERT_TRUE(m_panel->SetModel(ModelWav()));
    EXPECT_EQ(m_panel->ModelPath(), ModelWav());
    EXPECT_TRUE(ModelWave()->IsLoaded());
    EXPECT_EQ(m_panel->CharacterCount(), 7); // the blank is skipped

    // One line at y = 30 from x = 40, drawn in blue.
    const QImage shown = m_panel->grab().toImage();
    int blueInLine = 0, blueElsewhere = 0;
    for (int y = 0; y < 66; ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (IsBlue(shown.pixel(x, y)))
                ++(y >= 30 && y < 30 + 28 && x >= 40 && x < 40 + 7 * 18 + 10 ? blueInLine : blueElsewhere);
    EXPECT_GT(blueInLine, 50);
    EXPECT_EQ(blueElsewhere, 0);

    // A missing model changes nothing; a sentence too long for three lines draws nothing.
    m_panel->SetSentenceText(std::u16string(66, u'你'));
    EXPECT_FALSE(m_panel->SetModel(m_dir / "templesson/other.mp3"));
    EXPECT_EQ(m_panel->ModelPath(), ModelWav());
    EXPECT_TRUE(ModelWave()->IsLoaded());
    ASSERT_TRUE(m_panel->SetModel(ModelWav()));
    EXPECT_EQ(m_panel->CharacterCount(), 66);
    const QImage empty = m_panel->grab().toImage();
    for (int y = 0; y < 66; ++y)
        for (int x = 0; x < empty.width(); ++x)
            ASSERT_FALSE(IsBlue(empty.pixel(x, y))) << x << "," << y;
}

TEST_F(ListenSpeakTest, DamagedModelLeavesTheWaveformEmptyAndArmsNothing) {
    UseMicrophone(Silence(1));
    MakePanel();
    ASSERT_TRUE(fixtures::WriteBinaryFile(m_dir / "templesson/bad.wav", "RIFF\x04\0\0\0WAVEjunk"));
    ASSERT_TRUE(m_panel->SetModel(m_dir / "templesson/bad.wav"));
    EXPECT_FALSE(ModelWave()->IsLoaded());
    ClickPlayModel();
    EXPECT_EQ(m_panel->Timer1DelayMs(), 0);
    Run(3s);
    EXPECT_FALSE(m_panel->IsRecording());
    EXPECT_EQ(Prompt(), "This sentence has no sound to repeat.");
}

TEST_F(ListenSpeakTest, AModelWithoutSamplesIsToldAndANewSentenceForgetsTheLastAttempt) {
    UseMicrophone(Join({Silence(0.3), Square(1.2, 9000), Silence(3)}));
    MakePanel();
    m_panel->SetSentenceText(u"你好");
    Practise();
    ASSERT_EQ(Prompt(), "good!");
    ASSERT_TRUE(LearnerWave()->IsLoaded());

    // The next sentence's model decodes to nothing.
    const std::string silentModel = m_dir / "templesson/S010102.mp3";
    ASSERT_TRUE(fixtures::WriteBinaryFile(silentModel, std::string(4096, '\0')));
    m_panel->SetSentenceText(u"我是学生");
    ASSERT_TRUE(m_panel->SetModel(silentModel));
    EXPECT_FALSE(LearnerWave()->IsLoaded());
    EXPECT_FALSE(FileExists(m_panel->RecordPath()));
    EXPECT_EQ(Prompt(), "This sentence has no sound to repeat.");
    ClickPlayModel();
    EXPECT_EQ(m_panel->Timer1DelayMs(), 0);
    EXPECT_EQ(Prompt(), "This sentence has no sound to repeat.");

    // A sentence with sound starts with an empty prompt line.
    m_panel->SetSentenceText(u"你好");
    ASSERT_TRUE(m_panel->SetModel(ModelWav()));
    EXPECT_EQ(Prompt(), "");
}

TEST_F(ListenSpeakTest, RepeatOfAboutTheModelsLengthIsGood) {
    UseMicrophone(Join({Silence(0.3), Square(1.2, 9000), Silence(3)}));
    MakePanel();
    ASSERT_TRUE(m_panel->SetModel(ModelWav()));
    ClickPlayModel();
    // The model's voiced length (1.2 s) plus one second.
    EXPECT_NEAR(m_panel->Timer1DelayMs(), 2200, 2);
    Run(2100ms);
    EXPECT_FALSE(m_panel->IsRecording());
    Run(200ms);
    ASSERT_TRUE(m_panel->IsRecording());
    EXPECT_EQ(Prompt(), "Start speaking...");
    // The model's voiced length at threshold 2000 (1.0 s) plus two seconds.
    EXPECT_NEAR(m_panel->Timer1DelayMs(), 3000, 2);
    ASSERT_TRUE(RunUntilRated(4s));
    EXPECT_EQ(Prompt(), "good!");
    EXPECT_FALSE(m_panel->IsRecording());
    EXPECT_EQ(m_panel->Timer1DelayMs(), 0);
    ASSERT_TRUE(LearnerWave()->IsLoaded());
    EXPECT_NEAR(LearnerWave()->Wave().VoicedDuration(3000), 1.2, 0.01);
    const std::vector<double> logged = LastRatingLogLine();
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_NEAR(logged[1], 1.0, 0.01);
    EXPECT_NEAR(logged[2], 1.2, 0.01);
    EXPECT_NEAR(logged[0], logged[1] / logged[2], 0.001);

    // Button 1097 plays the recording.
    const auto playedBefore = ReadWholeFile(m_dir / "played.raw").value_or("").size();
    QTest::mouseClick(Control<BitmapButton>(CListenSpeakDlg::IDC_PLAY_LEARNER), Qt::LeftButton);
    Run(4s);
    EXPECT_GE(ReadWholeFile(m_dir / "played.raw").value_or("").size(),
              playedBefore + LearnerWave()->Wave().SampleByteCount());
}

TEST_F(ListenSpeakTest, ARecordingClosedLateIsStillPickedUp) {
    UseMicrophone(Join({Silence(0.3), Square(1.2, 9000), Silence(3)}));
    MakePanel();
    ASSERT_TRUE(m_panel->SetModel(ModelWav()));
    ClickPlayModel();
    Run(2300ms);
    ASSERT_TRUE(m_panel->IsRecording());
    Run(2500ms);
    ASSERT_EQ(Prompt(), "Start speaking...");
    // The recorder waits 1.5 s before it has the file closed.
    m_clock.SetSlowThreadSleep(1500ms);
    for (int step = 0; step < 25; ++step) {
        m_clock.Advance(100ms);
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(5ms);
    }
    ASSERT_TRUE(RunUntilRated(4s));
    EXPECT_EQ(Prompt(), "good!");
    EXPECT_TRUE(LearnerWave()->IsLoaded());
}

TEST_F(ListenSpeakTest, SlowRepeatIsNotSoBad) {
    UseMicrophone(Join({Silence(0.1), Square(2.5, 9000), Silence(3)}));
    MakePanel();
    Practise();
    EXPECT_EQ(Prompt(), "Not So bad!");
    EXPECT_NEAR(LearnerWave()->Wave().VoicedDuration(3000), 2.5, 0.01);
}

TEST_F(ListenSpeakTest, SilentRecordingIsTryAgain) {
    // Louder than nothing, but never six samples above 3000 in a row.
    UseMicrophone(Square(5, 2500));
    MakePanel();
    Practise();
    EXPECT_EQ(Prompt(), "Try again!");
    ASSERT_TRUE(LearnerWave()->IsLoaded());
    const std::vector<double> logged = LastRatingLogLine();
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[2], 0.0);
}

TEST_F(ListenSpeakTest, WithoutAMicrophoneTheRatingIsTryAgain) {
    UseNoMicrophone();
    MakePanel();
    Practise();
    EXPECT_EQ(Prompt(), "Try again!");
    EXPECT_FALSE(LearnerWave()->IsLoaded());
    EXPECT_FALSE(FileExists(m_panel->RecordPath()));
    const std::vector<double> logged = LastRatingLogLine();
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[2], -1.0);
    EXPECT_LT(logged[0], 0.0);
}

TEST_F(ListenSpeakTest, ReplayingTheModelWhileRecordingOnlyReplaysIt) {
    UseMicrophone(Join({Silence(0.1), Square(1.0, 9000), Silence(4)}));
    MakePanel();
    ASSERT_TRUE(m_panel->SetModel(ModelWav()));
    // A click on the model waveform plays the model as the button does.
    QTest::mouseClick(ModelWave(), Qt::LeftButton);
    EXPECT_NEAR(m_panel->Timer1DelayMs(), 2200, 2);
    Run(2300ms);
    ASSERT_TRUE(m_panel->IsRecording());
    const int window = m_panel->Timer1DelayMs();
    Run(500ms);
    ClickPlayModel();
    EXPECT_TRUE(m_panel->IsRecording());
    EXPECT_EQ(m_panel->Timer1DelayMs(), window);
    // The recording still ends on its own timer, 3 s after it started.
    Run(2000ms);
    EXPECT_TRUE(m_panel->IsRecording());
    Run(600ms);
    EXPECT_FALSE(m_panel->IsRecording());
    EXPECT_EQ(Prompt(), "good!");
}

TEST_F(ListenSpeakTest, ClosingWhileRecordingEndsTheThreads) {
    UseMicrophone(Join({Silence(0.1), Square(1.0, 9000)}));
    MakePanel();
    ASSERT_TRUE(m_panel->SetModel(ModelWav()));
    ClickPlayModel();
    Run(2300ms);
    ASSERT_TRUE(m_panel->IsRecording());
    m_panel.reset();
    // The next pane starts again from nothing.
    MakePanel();
    EXPECT_TRUE(m_panel->SoundThreadsReady());
    EXPECT_FALSE(m_panel->IsRecording());
}

TEST_F(ListenSpeakTest, EnterAndEscapeAreSwallowed) {
    UseMicrophone(Silence(1));
    MakePanel();
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_panel.get(), &press);
        EXPECT_TRUE(press.isAccepted()) << key;
    }
}

} // namespace
