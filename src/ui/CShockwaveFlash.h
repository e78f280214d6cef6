#pragma once

#include "ui/MovieFormat.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

class QMovie;

// The movie control: plays the animation a movie file holds (GIF, animated PNG or WebP, whatever the
// file is named) scaled into the control. A real Flash file cannot be played here: it shows a
// neutral still frame and is logged. A missing file leaves the control empty.
class CShockwaveFlash : public QWidget {
public:
    explicit CShockwaveFlash(QWidget* parent);
    ~CShockwaveFlash() override;

    // Replaces whatever was loaded by the movie at url (a file path; layer is always 0).
    void LoadMovie(int layer, const std::string& url);
    // Starts or resumes the loaded movie.
    void Play();
    bool IsPlaying() const;
    void Stop();
    void StopPlay();

    MovieFormat LoadedFormat() const { return m_format; }
    // The picture the control shows now (null when empty).
    QImage CurrentFrame() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Unload();
    void Pause();

    MovieFormat m_format = MovieFormat::Unknown;
    QByteArray m_bytes;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QMovie> m_movie;
    QImage m_still;
};
