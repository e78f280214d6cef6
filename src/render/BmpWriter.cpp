#include "render/BmpWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <unordered_map>

namespace bmp {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void PutU16(std::vector<unsigned char>& out, size_t at, std::uint16_t v) {
    out[at] = static_cast<unsigned char>(v);
    out[at + 1] = static_cast<unsigned char>(v >> 8);
}

void PutU32(std::vector<unsigned char>& out, size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

int BitsPerPixel(Depth depth) {
    switch (depth) {
    case Depth::Mono1:
        return 1;
    case Depth::Grey4:
        return 4;
    case Depth::Palette8:
        return 8;
    case Depth::Rgb24:
        break;
    }
    return 24;
}

int ColourDistance(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b), green = qGreen(a) - qGreen(b), blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

// The 256 most used colours of an RGB32 picture, and the entry each of its colours is drawn with.
struct ColourTable {
    std::vector<QRgb> palette;
    std::unordered_map<QRgb, unsigned char> index;
};

ColourTable MostUsedColours(const QImage& source) {
    std::unordered_map<QRgb, int> uses;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            ++uses[pixels[x] | 0xFF000000];
    }
    std::vector<std::pair<QRgb, int>> byUse(uses.begin(), uses.end());
    std::sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    ColourTable table;
    for (size_t i = 0; i < byUse.size() && i < 256; ++i)
        table.palette.push_back(byUse[i].first);
    for (const auto& [colour, count] : byUse) {
        size_t nearest = 0;
        for (size_t i = 1; i < table.palette.size(); ++i)
            if (ColourDistance(colour, table.palette[i]) < ColourDistance(colour, table.palette[nearest]))
                nearest = i;
        table.index[colour] = static_cast<unsigned char>(nearest);
    }
    return table;
}

std::vector<QRgb> Palette(Depth depth, QColor ink) {
    if (depth == Depth::Mono1)
        return {ink.rgb(), qRgb(255, 255, 255)};
    std::vector<QRgb> grey;
    if (depth == Depth::Grey4)
        for (int i = 0; i < 16; ++i)
            grey.push_back(qRgb(i * 17, i * 17, i * 17));
    return grey;
}

// Index of the palette entry for one pixel; the image is already 8-bit grey. Two-colour pictures
// take the ink where the pixel is nearer the ink's grey than white.
unsigned PixelIndex(Depth depth, int grey, int inkGrey) {
    if (depth == Depth::Mono1)
        return std::abs(grey - inkGrey) < 255 - grey ? 0 : 1;
    return static_cast<unsigned>((grey + 8) / 17);
}

void WriteRow(const QImage& source, int y, Depth depth, int inkGrey, const ColourTable& colours,
              unsigned char* row) {
    if (depth == Depth::Palette8) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            row[x] = colours.index.at(pixels[x] | 0xFF000000);
        return;
    }
    if (depth == Depth::Rgb24) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        unsigned char* out = row;
        for (int x = 0; x < source.width(); ++x, out += 3) {
            out[0] = static_cast<unsigned char>(qBlue(pixels[x]));
            out[1] = static_cast<unsigned char>(qGreen(pixels[x]));
            out[2] = static_cast<unsigned char>(qRed(pixels[x]));
        }
        return;
    }
    const int bits = BitsPerPixel(depth);
    const uchar* grey = source.constScanLine(y);
    for (int x = 0; x < source.width(); ++x) {
        const unsigned index = PixelIndex(depth, grey[x], inkGrey);
        const int bitPos = x * bits;
        const int shift = 8 - bits - (bitPos % 8);
        row[bitPos / 8] |= static_cast<unsigned char>(index << shift);
    }
}

} // namespace

std::vector<unsigned char> WriteBmp(const QImage& image, Depth depth, QColor ink) {
    const bool colour = depth == Depth::Rgb24 || depth == Depth::Palette8;
    const QImage source = image.convertToFormat(colour ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    const int bits = BitsPerPixel(depth);
    const ColourTable colours = depth == Depth::Palette8 ? MostUsedColours(source) : ColourTable();
    const std::vector<QRgb> palette = depth == Depth::Palette8 ? colours.palette : Palette(depth, ink);
    const int stride = ((source.width() * bits + 31) / 32) * 4;
    const size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + palette.size() * 4;
    const size_t fileSize = pixelOffset + static_cast<size_t>(stride) * source.height();

    std::vector<unsigned char> out(fileSize, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(out, 2, static_cast<std::uint32_t>(fileSize));
    PutU32(out, 10, static_cast<std::uint32_t>(pixelOffset));
    PutU32(out, 14, kInfoHeaderSize);
    PutU32(out, 18, static_cast<std::uint32_t>(source.width()));
    PutU32(out, 22, static_cast<std::uint32_t>(source.height()));
    PutU16(out, 26, 1);
    PutU16(out, 28, static_cast<std::uint16_t>(bits));
    PutU32(out, 34, static_cast<std::uint32_t>(stride * source.height()));
    PutU32(out, 38, 2835); // 72 dpi
    PutU32(out, 42, 2835);
    PutU32(out, 46, static_cast<std::uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        const size_t at = kFileHeaderSize + kInfoHeaderSize + i * 4;
        out[at] = static_cast<unsigned char>(qBlue(palette[i]));
        out[at + 1] = static_cast<unsigned char>(qGreen(palette[i]));
        out[at + 2] = static_cast<unsigned char>(qRed(palette[i]));
    }
    for (int y = 0; y < source.height(); ++y) {
        const size_t rowStart = pixelOffset + static_cast<size_t>(stride) * (source.height() - 1 - y);
        WriteRow(source, y, depth, qGray(ink.rgb()), colours, out.data() + rowStart);
    }
    return out;
}

} // namespace bmp
