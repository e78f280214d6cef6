#include "BmpTestFiles.h"

#include <cstdint>

namespace {

int PaletteEntries(int bits) {
    return bits <= 8 ? 1 << bits : 0;
}

// Index or colour of pixel (x, y), top row first.
int IndexAt(const BmpSpec& spec, int x, int y) {
    return (x * 7 + y * 3 + 1) % PaletteEntries(spec.bitsPerPixel);
}

QRgb ColourAt(int x, int y) {
    return qRgb((x * 40 + 10) & 0xFF, (y * 70 + 20) & 0xFF, (x * y * 30 + 5) & 0xFF);
}

int Grey(const BmpSpec& spec, int index) {
    return 255 * index / (PaletteEntries(spec.bitsPerPixel) - 1);
}

void Put16(std::vector<unsigned char>& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<unsigned char>& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

} // namespace

QImage ExpectedBmpPicture(const BmpSpec& spec) {
    QImage image(spec.width, spec.height, QImage::Format_RGB32);
    for (int y = 0; y < spec.height; ++y)
        for (int x = 0; x < spec.width; ++x) {
            if (spec.bitsPerPixel <= 8) {
                const int g = Grey(spec, IndexAt(spec, x, y));
                image.setPixel(x, y, qRgb(g, g, g));
            } else {
                image.setPixel(x, y, ColourAt(x, y));
            }
        }
    return image;
}

std::vector<unsigned char> MakeBmp(const BmpSpec& spec) {
    const int bits = spec.bitsPerPixel;
    const int entries = PaletteEntries(bits);
    const std::uint32_t headerSize = spec.coreHeader ? 12 : 40;
    const std::uint32_t masks = spec.bitFields ? 12 : 0;
    const std::uint32_t paletteSize = static_cast<std::uint32_t>(entries) * (spec.coreHeader ? 3 : 4);
    const std::uint32_t stride = static_cast<std::uint32_t>(((spec.width * bits + 31) / 32) * 4);
    const std::uint32_t offset = 14 + headerSize + masks + paletteSize;
    std::vector<unsigned char> b;
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + stride * static_cast<std::uint32_t>(spec.height));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, headerSize);
    if (spec.coreHeader) {
        Put16(b, static_cast<std::uint32_t>(spec.width));
        Put16(b, static_cast<std::uint32_t>(spec.height));
        Put16(b, 1);
        Put16(b, static_cast<std::uint32_t>(bits));
    } else {
        Put32(b, static_cast<std::uint32_t>(spec.width));
        Put32(b, static_cast<std::uint32_t>(spec.topDown ? -spec.height : spec.height));
        Put16(b, 1);
        Put16(b, static_cast<std::uint32_t>(bits));
        Put32(b, spec.bitFields ? 3 : 0);
        for (int i = 0; i < 5; ++i)
            Put32(b, 0);
    }
    if (spec.bitFields) {
        Put32(b, 0x00FF0000);
        Put32(b, 0x0000FF00);
        Put32(b, 0x000000FF);
    }
    for (int i = 0; i < entries; ++i) {
        const auto g = static_cast<unsigned char>(Grey(spec, i));
        b.insert(b.end(), {g, g, g});
        if (!spec.coreHeader)
            b.push_back(0);
    }
    for (int row = 0; row < spec.height; ++row) {
        const int y = spec.topDown ? row : spec.height - 1 - row;
        std::vector<unsigned char> line(stride, 0);
        for (int x = 0; x < spec.width; ++x) {
            if (bits <= 8) {
                const int index = IndexAt(spec, x, y);
                const int bit = x * bits;
                line[static_cast<size_t>(bit / 8)] |=
                    static_cast<unsigned char>(index << (8 - bits - bit % 8));
            } else {
                const QRgb c = ColourAt(x, y);
                unsigned char* p = &line[static_cast<size_t>(x * bits / 8)];
                p[0] = static_cast<unsigned char>(qBlue(c));
                p[1] = static_cast<unsigned char>(qGreen(c));
                p[2] = static_cast<unsigned char>(qRed(c));
            }
        }
        b.insert(b.end(), line.begin(), line.end());
    }
    return b;
}
