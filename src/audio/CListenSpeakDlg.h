#pragma once

#include "audio/IClock.h"
#include "audio/SpeakingPracticeSession.h"
#include "render/CBmpPicture.h"
#include "render/GlyphScale.h"

#include <QRect>
#include <QSize>
#include <QWidget>

#include <chrono>

#include <memory>
#include <string>
#include <vector>

class BitmapButton;
class CPitchContourView;
class CSpeedChoice;
class CWaveformStatic;
class QLabel;

// The speaking practice pane of the lesson window (dialog template 231): the sentence as a line
// of character pictures, the model's waveform above the learner's, the two pitch contours with
// the sentence's syllables and tone scores, a prompt line with the rating, the tone score and two
// play buttons. The practice itself runs in SpeakingPracticeSession; the pane shows it.
class CListenSpeakDlg : public QWidget, public SpeakingPracticeView {
    Q_OBJECT
public:
    // Control ids (each control's objectName).
    static constexpr int IDC_ICON_LEFT = 1000, IDC_ICON_RIGHT = 1001;
    static constexpr int IDC_MODEL_WAVE = 1002, IDC_LEARNER_WAVE = 1003;
    static constexpr int IDC_PROMPT = 1005, IDC_TONE_SCORE = 1006, IDC_CONTOURS = 1007, IDC_SPEED = 1008;
    static constexpr int IDC_TEXT = 1060;
    static constexpr int IDC_PLAY_MODEL = 1061, IDC_PLAY_LEARNER = 1097;
    // The template's size in dialog units, and the pixels of one dialog unit of its "System" font.
    static constexpr QSize kTemplateSize{218, 268};
    static constexpr int kPixelsPerDialogUnit = 2;

    explicit CListenSpeakDlg(QWidget* parent = nullptr, IClock& clock = GetSystemClock());
    ~CListenSpeakDlg() override;

    // The sentence's Chinese words and their pinyin (one group per word); the character line is
    // rebuilt by the next SetModel. The previous sentence's recording and rating are dropped (a
    // recording under way is stopped).
    void SetSentenceText(const std::u16string& sentence, const std::u16string& pinyin = {});
    const std::u16string& SentenceText() const { return m_strSentence; }
    // Converts the model MP3 to WAV at the speech speed, shows it in the model waveform and
    // rebuilds the character line; a model without samples is told in the prompt line. False,
    // with nothing changed, when there is no file at the path.
    bool SetModel(const std::string& modelMp3Path);
    // The speed (percent) the model is heard at; a model already set is made again at it, unless
    // a recording is under way (then the next model takes it).
    void SetSpeechSpeed(int percent);
    int SpeechSpeed() const { return m_speechSpeed; }

    // Button 1061: plays the model and, unless a recording is under way, arms the practice.
    void OnPlayModel();
    // Button 1097: plays the learner's recording.
    void OnPlayLearner();

    const std::string& ModelPath() const { return m_strModelPath; }
    const std::string& RecordPath() const { return m_session->RecordPath(); }
    bool IsRecording() const { return m_session->IsRecording(); }
    // The delay timer 1 was last armed with; 0 while it is not armed.
    int Timer1DelayMs() const { return m_session->Timer1DelayMs(); }
    int CharacterCount() const { return static_cast<int>(m_pictures.size()); }
    const SpeakingPracticeSession& Session() const { return *m_session; }
    // True when all four audio threads run.
    bool SoundThreadsReady() const { return m_session->SoundThreadsReady(); }
    // Waits until the audio threads have handled every message posted to them so far (the
    // recorder first, then what it passes on); false on time-out.
    bool WaitUntilSoundIdle(std::chrono::milliseconds timeout) {
        return m_session->WaitUntilSoundIdle(timeout);
    }

signals:
    // The learner chose another speed on the pane's speed control.
    void speechSpeedChosen(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    // Places the controls that span the pane after its width, so that all of them stay inside
    // the frame the lesson window gives it.
    void LayOutControls();
    void SetUpPlayButton(BitmapButton* button, int hoverId, int normalId);
    // Moves the controls under the sentence grid down by what the grid needs beyond its band.
    void MakeRoomForGrid(int overflow);

    bool PlayModelWithCursor() override;
    void ShowPrompt(const std::string& text) override;
    void ShowRecording(const std::string& path) override;
    void ShowTones() override;

    IClock& m_clock;
    std::string m_strModelPath;
    std::u16string m_strSentence;
    std::vector<std::string> m_syllables;
    std::vector<CBmpPicture> m_pictures;
    GlyphDisplay m_display; // the text size and screen the pictures were loaded for
    int m_gridOverflow = 0; // how far the controls under the sentence grid are moved down

    CWaveformStatic* m_pModelWave = nullptr;
    CWaveformStatic* m_pLearnerWave = nullptr;
    BitmapButton* m_pPlayLearner = nullptr;
    CPitchContourView* m_pContours = nullptr;
    QLabel* m_pPrompt = nullptr;
    QLabel* m_pToneScore = nullptr;
    CSpeedChoice* m_pSpeed = nullptr;
    std::string m_strModelMp3;
    int m_speechSpeed = 100;
    std::unique_ptr<SpeakingPracticeSession> m_session;
};
