#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

class QPainter;

// A picture (not a window) loaded from a file, a resource or memory (BMP, JPEG, GIF, PNG) and drawn
// stretched into a rectangle. A picture that fails to load stays empty and draws nothing.
class OlePicture {
public:
    // Reads the whole file; true on success. Content paths are resolved without regard to case.
    bool Load(const std::string& path);
    // A compiled-in resource: name is a resource path such as ":/bitmaps/293.png".
    bool LoadFromResource(const std::string& name);
    // Decodes a copy of the bytes; loading first releases the old picture.
    bool LoadFromMemory(const unsigned char* bytes, size_t length);

    // Draws the whole picture stretched into (x, y, width, height); false when nothing is loaded.
    bool Draw(QPainter& painter, int x, int y, int width, int height) const;

    bool IsLoaded() const { return !m_image.isNull(); }
    QSize Size() const { return m_image.size(); }
    const QImage& Image() const { return m_image; }
    void Release();

private:
    QImage m_image;
    QByteArray m_bytes;
};
