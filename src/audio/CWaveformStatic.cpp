#include "audio/CWaveformStatic.h"

#include "app/CLog.h"
#include "audio/AudioMessages.h"
#include "audio/CSoundPlayer.h"
#include "audio/SpeakingPractice.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// The cursor position of every waveform control: one cursor runs at a time.
int g_nCursorPosition = 0;
} // namespace

CWaveformStatic::CWaveformStatic(QWidget* parent, IClock& clock)
    : QWidget(parent), m_cursorTimer(clock, this, [this] { OnCursorTick(); }) {}

void CWaveformStatic::LoadFile(const std::string& path) {
    m_pictureValid = false;
    m_wave.Load(path);
}

void CWaveformStatic::Unload() {
    m_wave.Unload();
    Invalidate();
}

void CWaveformStatic::Invalidate() {
    m_pictureValid = false;
    update();
}

int CWaveformStatic::SharedCursorPosition() {
    return g_nCursorPosition;
}

bool CWaveformStatic::PlayWithCursor() {
    if (!IsLoaded())
        return false;
    const speaking::CursorTiming timing = speaking::CursorTimingFor(m_wave.StoredVoicedDuration(), width());
    m_cursorTimer.Kill();
    m_step = timing.step;
    m_intervalMs = timing.intervalMs;
    g_nCursorPosition = m_step;
    // A sound without a voiced length gets no cursor; it still plays.
    if (m_intervalMs > 0)
        m_cursorTimer.Set(m_intervalMs);
    GetSoundPlayer().Stop();
    PlaySoundFile(m_wave.Path(), SND_ASYNC | SND_FILENAME);
    return true;
}

void CWaveformStatic::OnCursorTick() {
    if (g_nCursorPosition > width()) {
        g_nCursorPosition = m_step;
        return;
    }
    if (g_nCursorPosition > m_step)
        XorCursorLine(g_nCursorPosition);
    g_nCursorPosition += m_step;
    if (g_nCursorPosition < width())
        XorCursorLine(g_nCursorPosition);
    m_cursorTimer.Set(m_intervalMs);
}

void CWaveformStatic::XorCursorLine(int x) {
    if (!m_pictureValid)
        DrawWaveform();
    if (x < 0 || x >= m_picture.width())
        return;
    // The cursor pen is white: XOR inverts the pixels under it, a second stroke restores them.
    for (int y = 0; y < m_picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        row[x] ^= 0x00FFFFFF;
    }
    update(x, 0, 1, height());
}

QImage CWaveformStatic::Picture() {
    if (!m_pictureValid)
        DrawWaveform();
    return m_picture;
}

void CWaveformStatic::DrawWaveform() {
    m_picture = QImage(size(), QImage::Format_RGB32);
    m_picture.fill(kBackgroundColour);
    QPainter painter(&m_picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    painter.setPen(QPen(QColor::fromRgb(kWaveColour), 1));
    // The zero line lies on a whole pixel row.
    const int middle = height() / 2;
    if (IsLoaded()) {
        g_log.Write("CWaveformStatic::OnPaint window %d,%d viewport %d,%d origin 0,%d", width(), height(),
                    width(), height(), middle);
        painter.save();
        painter.translate(0, middle);
        DrawSamples(painter);
        painter.restore();
    }
    painter.drawLine(0, middle, width(), middle);
    m_pictureValid = true;
}

void CWaveformStatic::DrawSamples(QPainter& painter) {
    const std::uint8_t* bytes = m_wave.SampleBytes();
    if (m_wave.Format().bitsPerSample == 8) {
        // One pixel per sample, unscaled, around the middle value 128.
        for (std::size_t x = 0; x < m_wave.SampleByteCount(); ++x)
            painter.drawLine(static_cast<int>(x), 0, static_cast<int>(x), int{bytes[x]} - 128);
        return;
    }
    const std::size_t n = m_wave.SampleCount();
    const int halfHeight = height() / 2;
    for (std::size_t i = 0; i < n; ++i) {
        const int x = static_cast<int>(width() * (static_cast<double>(i) / static_cast<double>(n)));
        const int y = static_cast<int>(halfHeight * (m_wave.Sample(i) / kSampleScale));
        painter.drawLine(x, 0, x, y);
    }
}

void CWaveformStatic::paintEvent(QPaintEvent*) {
    if (!m_pictureValid)
        DrawWaveform();
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void CWaveformStatic::resizeEvent(QResizeEvent*) {
    m_pictureValid = false;
}

void CWaveformStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
