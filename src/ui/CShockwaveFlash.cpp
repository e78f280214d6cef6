#include "ui/CShockwaveFlash.h"

#include "app/CLog.h"
#include "app/ContentPath.h"
#include "app/FileUtils.h"

#include <QMovie>
#include <QPainter>
#include <QPainterPath>

namespace {

// The still frame shown for a Flash file: a calm panel with a play mark.
QImage FlashStillFrame(QSize size) {
    QImage frame(size.isEmpty() ? QSize(320, 240) : size, QImage::Format_RGB32);
    frame.fill(QColor(252, 245, 223));
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(frame.rect()).adjusted(8, 8, -8, -8);
    painter.setPen(QPen(QColor(47, 127, 122), 2));
    painter.setBrush(QColor(255, 253, 247));
    painter.drawRoundedRect(area, 14, 14);
    const double radius = std::min(area.width(), area.height()) / 6;
    const QPointF centre = area.center();
    QPainterPath triangle;
    triangle.moveTo(centre + QPointF(-radius * 0.5, -radius * 0.8));
    triangle.lineTo(centre + QPointF(radius * 0.9, 0));
    triangle.lineTo(centre + QPointF(-radius * 0.5, radius * 0.8));
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(207, 230, 226));
    painter.drawEllipse(centre, radius * 1.6, radius * 1.6);
    painter.setBrush(QColor(47, 127, 122));
    painter.drawPath(triangle);
    return frame;
}

} // namespace

CShockwaveFlash::CShockwaveFlash(QWidget* parent) : QWidget(parent) {}

CShockwaveFlash::~CShockwaveFlash() {
    Unload();
}

void CShockwaveFlash::Unload() {
    if (m_movie)
        m_movie->stop();
    m_movie.reset();
    m_buffer.reset();
    m_bytes.clear();
    m_still = QImage();
    m_format = MovieFormat::Unknown;
}

void CShockwaveFlash::LoadMovie(int /*layer*/, const std::string& url) {
    Unload();
    const std::string path = ResolveContentPath(url);
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        update();
        return;
    }
    m_format = SniffMovieFormat(*bytes);
    if (m_format == MovieFormat::Swf) {
        g_log.Write("CShockwaveFlash: %s is a Flash movie; showing a still frame", path.c_str());
        m_still = FlashStillFrame(size());
    } else if (m_format == MovieFormat::Unknown) {
        g_log.Write("CShockwaveFlash: %s holds no movie format this control plays", path.c_str());
    } else {
        m_bytes = QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
        m_buffer = std::make_unique<QBuffer>(&m_bytes);
        m_buffer->open(QIODevice::ReadOnly);
        m_movie = std::make_unique<QMovie>(m_buffer.get(), QByteArray(MovieDecoderName(m_format)));
        if (!m_movie->isValid()) {
            g_log.Write("CShockwaveFlash: %s cannot be decoded", path.c_str());
            m_movie.reset();
            m_buffer.reset();
        } else {
            connect(m_movie.get(), &QMovie::frameChanged, this, [this] { update(); });
            m_movie->jumpToFrame(0);
        }
    }
    update();
}

void CShockwaveFlash::Play() {
    if (!m_movie)
        return;
    if (m_movie->state() == QMovie::Paused)
        m_movie->setPaused(false);
    else if (m_movie->state() == QMovie::NotRunning)
        m_movie->start();
}

bool CShockwaveFlash::IsPlaying() const {
    return m_movie && m_movie->state() == QMovie::Running;
}

void CShockwaveFlash::Pause() {
    if (m_movie && m_movie->state() == QMovie::Running)
        m_movie->setPaused(true);
}

void CShockwaveFlash::Stop() {
    Pause();
}

void CShockwaveFlash::StopPlay() {
    Pause();
}

QImage CShockwaveFlash::CurrentFrame() const {
    if (m_movie)
        return m_movie->currentImage();
    return m_still;
}

void CShockwaveFlash::paintEvent(QPaintEvent*) {
    const QImage frame = CurrentFrame();
    if (frame.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), frame);
}
