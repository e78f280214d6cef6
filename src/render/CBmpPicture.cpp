#include "render/CBmpPicture.h"

#include "app/CLog.h"
#include "render/BmpReader.h"

#include <algorithm>
#include <exception>
#include <string>

void CBmpPicture::Load(std::vector<unsigned char> bytes) {
    auto glyph = std::make_shared<Glyph>();
    glyph->bytes = std::move(bytes);
    if (!glyph->bytes.empty()) {
        std::string error;
        int height = 0;
        if (!ReadBmpSize(glyph->bytes.data(), glyph->bytes.size(), glyph->width, height, error))
            glyph->width = 0;
        if (!ReadBmp(glyph->bytes.data(), glyph->bytes.size(), glyph->bitmap, error))
            glyph->bitmap = QImage();
    }
    m_glyph = std::move(glyph);
}

void CBmpPicture::Free() {
    m_glyph.reset();
}

const std::vector<unsigned char>& CBmpPicture::Bytes() const {
    static const std::vector<unsigned char> none;
    return m_glyph ? m_glyph->bytes : none;
}

QSize CBmpPicture::DrawColorWord(QImage& target, int x, int y, QRgb colour) {
    try {
        if (!m_glyph || m_glyph->bitmap.isNull())
            return {0, 0};
        const QImage& glyph = m_glyph->bitmap;
        if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32)
            target.convertTo(QImage::Format_RGB32);
        const QRgb colourBits = colour & 0x00FFFFFFu;
        const int left = std::max(0, -x);
        const int right = std::min(glyph.width(), target.width() - x);
        for (int row = std::max(0, -y); row < glyph.height() && y + row < target.height(); ++row) {
            const auto* in = reinterpret_cast<const QRgb*>(glyph.constScanLine(row));
            auto* out = reinterpret_cast<QRgb*>(target.scanLine(y + row));
            for (int col = left; col < right; ++col) {
                const QRgb g = in[col] & 0x00FFFFFFu;
                QRgb& t = out[x + col];
                t = (t & 0xFF000000u) | (((t | ~g) & (g | colourBits)) & 0x00FFFFFFu);
            }
        }
        return glyph.size();
    } catch (const std::exception&) {
        g_log.Write("CBmpPicture::DrawColorWord ");
        return {0, 0};
    }
}

QSize CBmpPicture::Draw(QImage& target, int x, int y, QRgb colour) {
    if (m_drawMode != 0 && m_drawMode != 1)
        return {0, 0};
    return DrawColorWord(target, x, y, colour);
}
