#include "audio/SpeakingPracticeSession.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/UserNotice.h"
#include "audio/AudioMessages.h"
#include "audio/CPlayMMSound.h"
#include "audio/CPlaySound.h"
#include "audio/CRecordSound.h"
#include "audio/CSoundPlayer.h"
#include "audio/CWriteSoundFile.h"
#include "audio/SpeakingPractice.h"

#include <cstdio>

namespace {

constexpr unsigned kSamplesPerSec = 8000;
constexpr auto kThreadEndWait = std::chrono::milliseconds(100);
// A recording under way when the sentence changes: the writer must be done with it before it goes.
constexpr auto kStopWait = std::chrono::milliseconds(600);
// How long the practice waits for the writer to close the recording (it closes about half a
// second after the recorder stops) before it rates whatever is there.
constexpr int kPickUpLimitMs = 4000;
// Voiced-length thresholds: the model's playing time, the model and the learner in the rating.
constexpr int kModelPlayThreshold = 0;
constexpr int kModelThreshold = 2000;
constexpr int kLearnerThreshold = 3000;
constexpr char kNoModelSound[] = "This sentence has no sound to repeat.";

// The pitch of a WAV file's sound, its channels mixed.
PitchContour PitchOf(const CWaveFileView& wave) {
    if (!wave.IsLoaded())
        return {};
    const WaveFormat format = wave.Format();
    const std::size_t channels = std::max<std::size_t>(1, format.channels);
    std::vector<std::int16_t> samples(wave.SampleCount() / channels);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        int sum = 0;
        for (std::size_t c = 0; c < channels; ++c)
            sum += wave.Sample(i * channels + c);
        samples[i] = static_cast<std::int16_t>(sum / static_cast<int>(channels));
    }
    return TrackPitch(samples.data(), samples.size(), format.samplesPerSec);
}

bool LoadWave(CWaveFileView& wave, const std::string& path) {
    try {
        return wave.Load(path);
    } catch (...) {
        wave.Unload();
        return false;
    }
}

} // namespace

SpeakingPracticeSession::SpeakingPracticeSession(SpeakingPracticeView& view, IClock& clock,
                                                 std::string recordPath)
    : m_view(view), m_clock(clock), m_recordPath(std::move(recordPath)),
      m_timer1(clock, this, [this] { OnTimer1(); }),
      m_pickUpLimit(clock, this, [this] { PickUpRecording(); }) {
    if (!CreateSoundThreads())
        GetUserNotice().Show(UserNotice::Kind::Error, "", "init sound class error");
    if (m_pRecordSound && m_pPlaySound)
        m_pRecordSound->PostThreadMessage(WM_RECORD_SET_PLAYER, 0,
                                          std::make_unique<ThreadLink>(m_pPlaySound.get()));
    if (m_pRecordSound && m_pWriteSoundFile)
        m_pRecordSound->PostThreadMessage(WM_RECORD_SET_WRITER, 0,
                                          std::make_unique<ThreadLink>(m_pWriteSoundFile.get()));
}

SpeakingPracticeSession::~SpeakingPracticeSession() {
    m_timer1.Kill();
    m_pickUpLimit.Kill();
    EndSoundThreads();
}

bool SpeakingPracticeSession::CreateSoundThreads() {
    m_pRecordSound = std::make_unique<CRecordSound>(kSamplesPerSec, m_clock);
    if (!m_pRecordSound->CreateThread()) {
        m_pRecordSound.reset();
        return false;
    }
    m_pPlayMMSound = std::make_unique<CPlayMMSound>();
    if (!m_pPlayMMSound->CreateThread()) {
        m_pPlayMMSound.reset();
        return false;
    }
    m_pWriteSoundFile = std::make_unique<CWriteSoundFile>();
    // The writer's thread tells the practice's thread, which picks the recording up.
    m_pWriteSoundFile->SetClosedHandler([this](const std::string& path) {
        QMetaObject::invokeMethod(
            this, [this, path] { OnRecordingClosed(path); }, Qt::QueuedConnection);
    });
    if (!m_pWriteSoundFile->CreateThread()) {
        m_pWriteSoundFile.reset();
        return false;
    }
    m_pPlaySound = std::make_unique<CPlaySound>(kSamplesPerSec, m_clock);
    if (!m_pPlaySound->CreateThread()) {
        m_pPlaySound.reset();
        return false;
    }
    return true;
}

bool SpeakingPracticeSession::SoundThreadsReady() const {
    return m_pRecordSound && m_pPlayMMSound && m_pWriteSoundFile && m_pPlaySound;
}

bool SpeakingPracticeSession::WaitUntilSoundIdle(std::chrono::milliseconds timeout) {
    CWorkerThread* threads[] = {m_pRecordSound.get(), m_pPlayMMSound.get(), m_pWriteSoundFile.get(),
                                m_pPlaySound.get()};
    bool idle = true;
    for (CWorkerThread* thread : threads)
        if (thread)
            idle = thread->WaitUntilIdle(timeout) && idle;
    return idle;
}

void SpeakingPracticeSession::EndSoundThreads() {
    auto end = [](CWorkerThread* thread, unsigned message) {
        if (thread && thread->PostThreadMessage(message))
            thread->WaitForEnd(kThreadEndWait);
    };
    end(m_pPlayMMSound.get(), WM_FILEPLAY_END);
    end(m_pPlaySound.get(), WM_PLAY_END);
    end(m_pRecordSound.get(), WM_RECORD_END);
    end(m_pWriteSoundFile.get(), WM_WAVWRITE_END);
    // The recorder and the file reader hold links to the player and the writer: they go first.
    m_pRecordSound.reset();
    m_pPlayMMSound.reset();
    m_pPlaySound.reset();
    m_pWriteSoundFile.reset();
}

void SpeakingPracticeSession::SetSentenceTones(const std::vector<int>& writtenTones,
                                               const std::vector<bool>& pauseAfter) {
    m_spokenTones = tones::SpokenTones(writtenTones, pauseAfter);
    ForgetAttempt();
}

// A rating or recording of the previous sentence would pass for one of the new sentence.
void SpeakingPracticeSession::ForgetAttempt() {
    m_timer1.Kill();
    m_pickUpLimit.Kill();
    if (IsRecording() && m_pRecordSound) {
        m_pRecordSound->PostThreadMessage(WM_RECORD_STOP);
        WaitUntilSoundIdle(kStopWait);
    }
    m_phase = Phase::Idle;
    m_learner.Unload();
    m_learnerContour = {};
    m_tones = {};
    m_rated = false;
    std::remove(ResolveContentPath(m_recordPath).c_str());
    m_view.ShowRecording("");
    m_view.ShowTones();
    m_view.ShowPrompt("");
}

bool SpeakingPracticeSession::SetModel(const std::string& wavPath) {
    if (!LoadWave(m_model, wavPath))
        g_log.Write("SpeakingPracticeSession::SetModel cannot load %s", wavPath.c_str());
    m_modelContour = PitchOf(m_model);
    m_tones = tones::ScoreTones(m_modelContour, {}, m_spokenTones);
    if (!HasModelSound()) {
        g_log.Write("SpeakingPracticeSession::SetModel %s has no samples", wavPath.c_str());
        TellNoModelSound();
    }
    m_view.ShowTones();
    return m_model.IsLoaded();
}

bool SpeakingPracticeSession::HasModelSound() const {
    return m_model.IsLoaded() && m_model.SampleByteCount() > 0;
}

void SpeakingPracticeSession::TellNoModelSound() {
    m_view.ShowPrompt(kNoModelSound);
}

void SpeakingPracticeSession::PlayModel() {
    // Without samples there is nothing to hear or to repeat: the learner is told so, and no
    // recording is armed.
    if (!HasModelSound() || !m_view.PlayModelWithCursor()) {
        if (!IsRecording())
            TellNoModelSound();
        return;
    }
    if (IsRecording())
        return;
    if (m_pRecordSound)
        m_pRecordSound->SetOutputPath(m_recordPath);
    m_phase = Phase::ModelPlaying;
    m_timer1.Set(speaking::ModelPhaseMs(m_model.VoicedDuration(kModelPlayThreshold)));
}

void SpeakingPracticeSession::OnTimer1() {
    if (m_phase == Phase::Recording)
        FinishRecording();
    else if (m_phase == Phase::ModelPlaying)
        StartRecording();
}

void SpeakingPracticeSession::StartRecording() {
    // The cue: the practice waits for it to end before the learner speaks.
    PlaySoundFile(GetProgramFolder() + "sound\\du.wav", SND_FILENAME);
    m_view.ShowPrompt("Start speaking...");
    m_learner.Unload();
    m_learnerContour = {};
    m_tones = tones::ScoreTones(m_modelContour, {}, m_spokenTones);
    m_rated = false;
    m_view.ShowRecording("");
    m_view.ShowTones();
    std::remove(ResolveContentPath(m_recordPath).c_str());
    if (m_pRecordSound)
        m_pRecordSound->PostThreadMessage(WM_RECORD_START);
    m_phase = Phase::Recording;
    m_timer1.Kill();
    m_timer1.Set(speaking::RecordingWindowMs(m_model.VoicedDuration(kModelThreshold)));
}

void SpeakingPracticeSession::FinishRecording() {
    m_view.ShowPrompt("");
    m_timer1.Kill();
    m_phase = Phase::PickingUp;
    if (!m_pRecordSound || !m_pWriteSoundFile) {
        PickUpRecording();
        return;
    }
    m_pRecordSound->PostThreadMessage(WM_RECORD_STOP);
    m_pickUpLimit.Set(kPickUpLimitMs);
}

void SpeakingPracticeSession::OnRecordingClosed(const std::string& path) {
    if (m_phase == Phase::PickingUp && path == ResolveContentPath(m_recordPath))
        PickUpRecording();
}

void SpeakingPracticeSession::PickUpRecording() {
    if (m_phase != Phase::PickingUp)
        return;
    m_pickUpLimit.Kill();
    m_phase = Phase::Idle;
    const bool loaded = LoadWave(m_learner, m_recordPath);
    m_view.ShowRecording(loaded ? m_recordPath : "");
    RateRecording();
}

void SpeakingPracticeSession::RateRecording() {
    m_learnerContour = PitchOf(m_learner);
    m_tones = tones::ScoreTones(m_modelContour, m_learnerContour, m_spokenTones);
    m_rated = true;
    g_log.Write("tone score %d of %zu syllables", m_tones.sentence, m_tones.syllables.size());
    const float m = static_cast<float>(m_model.VoicedDuration(kModelThreshold));
    const float u = static_cast<float>(m_learner.VoicedDuration(kLearnerThreshold));
    const float r = speaking::VoiceRatio(m, u);
    g_log.Write("%f,%f,%f", r, m, u);
    m_view.ShowTones();
    m_view.ShowPrompt(speaking::Rating(r));
}
