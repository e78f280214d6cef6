#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <string>
#include <vector>

// Writes a looping animated GIF (GIF89a) from pictures drawn with Qt. All frames share one
// palette of at most 255 colours made from every frame; each frame after the first stores only
// the rectangle that changed, with unchanged pixels in it transparent, so a scene whose parts
// appear one after another stays small. A frame equal to the one before lengthens that one.
class GifWriter {
public:
    explicit GifWriter(QSize size);

    // Appends a frame shown for `delayMs` (kept to the 10 ms steps GIF stores, at least 20 ms);
    // a picture of another size is scaled to the movie's.
    void AddFrame(const QImage& picture, int delayMs);
    // Times the movie plays; 0 (the default) loops for ever.
    void SetLoopCount(int count) { m_loopCount = count; }

    QSize Size() const { return m_size; }
    int FrameCount() const { return static_cast<int>(m_frames.size()); }
    // The frame delays in 10 ms units, as written.
    std::vector<int> Delays() const;

    // The GIF file's bytes; false with `error` set when there is no frame or giflib fails.
    bool Write(std::vector<unsigned char>& bytes, std::string& error) const;
    bool WriteFile(const std::string& path, std::string& error) const;

private:
    struct Frame {
        QImage picture;
        QRect area; // what changed since the frame before (all of the first)
        int delay;  // 10 ms units
    };

    QSize m_size;
    int m_loopCount = 0;
    std::vector<Frame> m_frames;
};
