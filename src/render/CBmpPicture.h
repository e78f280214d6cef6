#pragma once

#include <QImage>
#include <QSize>

#include <memory>
#include <vector>

// The picture of one glyph: a whole BMP file as read from the word database, drawn in a chosen
// colour over a transparent ground. The file is decoded once, when loaded; copies of a picture
// share the bytes and the bitmap, so a glyph shown many times is held once. A result of (0, 0)
// means nothing was drawn.
class CBmpPicture {
public:
    enum Kind { kindNone = 0, kindCharacter = 1, kindPunctuation = 2 };

    // Takes the bytes of a BMP file, replacing what was loaded before and forgetting the width.
    void Load(std::vector<unsigned char> bytes);
    // Frees the bytes; the picture then draws nothing.
    void Free();
    bool HasBytes() const { return m_glyph && !m_glyph->bytes.empty(); }
    const std::vector<unsigned char>& Bytes() const;

    // Pixel width; 0 without bytes or when they are not a BMP picture.
    int Width() const { return m_glyph ? m_glyph->width : 0; }
    // Draws the strokes in `colour` with the top-left corner at (x, y): per pixel the target
    // becomes (target OR NOT glyph) AND (glyph OR colour), so black strokes take the colour, the
    // white ground leaves the target as it was and grey edges mix the two.
    QSize DrawColorWord(QImage& target, int x, int y, QRgb colour);
    // DrawColorWord in draw modes 0 and 1; any other mode draws nothing.
    QSize Draw(QImage& target, int x, int y, QRgb colour);

    int DrawMode() const { return m_drawMode; }
    void SetDrawMode(int mode) { m_drawMode = mode; }
    int GetKind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }

private:
    struct Glyph {
        std::vector<unsigned char> bytes;
        QImage bitmap; // null when the bytes are not a picture
        int width = 0; // as the file's header gives it
    };

    std::shared_ptr<const Glyph> m_glyph;
    int m_drawMode = 0;
    int m_kind = kindNone;
};
