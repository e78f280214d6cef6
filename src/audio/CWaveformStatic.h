#pragma once

#include "audio/CClockTimer.h"
#include "audio/CWaveFileView.h"
#include "audio/IClock.h"

#include <QImage>
#include <QWidget>

#include <string>

// One waveform of the speaking practice: a framed white box with the sound drawn in blue around
// a centre line, and a cursor that walks across it while the sound plays. Clicks are reported to
// the owner. Every waveform control shares one cursor position.
class CWaveformStatic : public QWidget {
    Q_OBJECT
public:
    static constexpr QRgb kWaveColour = 0xFF0000FF;       // blue
    static constexpr QRgb kBackgroundColour = 0xFFFFFFFF; // white
    // A full-scale 16-bit sample reaches this fraction of the half height: 32768 / 80000.
    static constexpr double kSampleScale = 80000.0;

    explicit CWaveformStatic(QWidget* parent, IClock& clock = GetSystemClock());

    // Loads the WAV file through the reader; a failure throws one of the WaveErrors and leaves
    // nothing loaded.
    void LoadFile(const std::string& path);
    void Unload();
    bool IsLoaded() const { return m_wave.IsLoaded(); }
    const CWaveFileView& Wave() const { return m_wave; }

    // Plays the loaded file asynchronously with a cursor running over the waveform in step with
    // the sound's voiced length; false when nothing is loaded.
    bool PlayWithCursor();
    // Draws the waveform afresh on the next paint (erasing a cursor).
    void Invalidate();

    // The picture the control shows (the waveform with the cursor as it stands).
    QImage Picture();
    int CursorStep() const { return m_step; }
    bool IsCursorRunning() const { return m_cursorTimer.IsSet(); }
    // The cursor position all waveform controls share.
    static int SharedCursorPosition();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawWaveform();
    void DrawSamples(QPainter& painter);
    void OnCursorTick();
    void XorCursorLine(int x);

    CWaveFileView m_wave;
    QImage m_picture;
    bool m_pictureValid = false;
    int m_step = 0;
    int m_intervalMs = 0;
    CClockTimer m_cursorTimer;
};
