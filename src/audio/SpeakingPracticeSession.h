#pragma once

#include "audio/CClockTimer.h"
#include "audio/CWaveFileView.h"
#include "audio/IClock.h"
#include "audio/PitchTracker.h"
#include "audio/ToneScoring.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class CPlayMMSound;
class CPlaySound;
class CRecordSound;
class CWriteSoundFile;

// What the speaking practice asks of the pane that shows it.
class SpeakingPracticeView {
public:
    virtual ~SpeakingPracticeView() = default;
    // Plays the model with the play cursor running over its waveform; false when it cannot.
    virtual bool PlayModelWithCursor() = 0;
    virtual void ShowPrompt(const std::string& text) = 0;
    // Shows the learner's recording (an empty path: none) and the tones heard in it.
    virtual void ShowRecording(const std::string& path) = 0;
    virtual void ShowTones() = 0;
};

// The speaking practice apart from its pane: playing the model arms timer 1; when it fires the
// cue sounds and the recording starts, and when it fires again the recording stops. The recording
// is picked up once the writer has closed it (or after a limit), then rated by its voiced length
// against the model's and by its tones against the model's. Runs the four audio threads.
class SpeakingPracticeSession : public QObject {
    Q_OBJECT
public:
    SpeakingPracticeSession(SpeakingPracticeView& view, IClock& clock, std::string recordPath);
    ~SpeakingPracticeSession() override;

    // The sentence's pinyin tones as written (5 for the neutral tone), one per character, and
    // where the speaker pauses. The previous sentence's recording and rating are dropped (a
    // recording under way is stopped).
    void SetSentenceTones(const std::vector<int>& writtenTones, const std::vector<bool>& pauseAfter = {});
    // The model WAV; false when it cannot be read (the practice then has nothing to repeat).
    bool SetModel(const std::string& wavPath);
    bool HasModelSound() const;
    void PlayModel();

    bool IsRecording() const { return m_phase == Phase::Recording || m_phase == Phase::PickingUp; }
    // The delay timer 1 was last armed with; 0 while it is not armed.
    int Timer1DelayMs() const { return m_timer1.IsSet() ? m_timer1.DelayMs() : 0; }
    const std::string& RecordPath() const { return m_recordPath; }
    const PitchContour& ModelContour() const { return m_modelContour; }
    const PitchContour& LearnerContour() const { return m_learnerContour; }
    // The model's syllables, and once a recording is rated the learner's tone scores.
    const tones::ToneScore& Tones() const { return m_tones; }
    bool IsRated() const { return m_rated; }
    const std::vector<int>& SpokenTones() const { return m_spokenTones; }

    bool SoundThreadsReady() const;
    // Waits until the audio threads have handled every message posted to them so far.
    bool WaitUntilSoundIdle(std::chrono::milliseconds timeout);

private:
    enum class Phase { Idle, ModelPlaying, Recording, PickingUp };

    bool CreateSoundThreads();
    void EndSoundThreads();
    void ForgetAttempt();
    void TellNoModelSound();
    void OnTimer1();
    void StartRecording();
    void FinishRecording();
    void OnRecordingClosed(const std::string& path);
    void PickUpRecording();
    void RateRecording();

    SpeakingPracticeView& m_view;
    IClock& m_clock;
    std::string m_recordPath;
    Phase m_phase = Phase::Idle;
    CClockTimer m_timer1;
    CClockTimer m_pickUpLimit;
    CWaveFileView m_model;
    CWaveFileView m_learner;
    PitchContour m_modelContour;
    PitchContour m_learnerContour;
    std::vector<int> m_spokenTones;
    tones::ToneScore m_tones;
    bool m_rated = false;

    std::unique_ptr<CRecordSound> m_pRecordSound;
    std::unique_ptr<CPlayMMSound> m_pPlayMMSound;
    std::unique_ptr<CWriteSoundFile> m_pWriteSoundFile;
    std::unique_ptr<CPlaySound> m_pPlaySound;
};
