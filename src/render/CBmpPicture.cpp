#include "render/CBmpPicture.h"

#include "app/CLog.h"
#include "render/BmpReader.h"

#include <algorithm>
#include <exception>
#include <string>

void CBmpPicture::Load(std::vector<unsigned char> bytes) {
    m_bytes = std::move(bytes);
    m_width = 0;
}

void CBmpPicture::Free() {
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_width = 0;
}

bool CBmpPicture::MakeBitmap(QImage& glyph) const {
    std::string error;
    return !m_bytes.empty() && ReadBmp(m_bytes.data(), m_bytes.size(), glyph, error);
}

int CBmpPicture::Width() {
    int width = 0;
    int height = 0;
    std::string error;
    if (m_bytes.empty() || !ReadBmpSize(m_bytes.data(), m_bytes.size(), width, height, error))
        return 0;
    m_width = width;
    return m_width;
}

QSize CBmpPicture::DrawColorWord(QImage& target, int x, int y, QRgb colour) {
    try {
        QImage glyph;
        if (!MakeBitmap(glyph))
            return {0, 0};
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
