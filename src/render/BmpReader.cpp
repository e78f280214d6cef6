#include "render/BmpReader.h"

#include "app/FileUtils.h"
#include "app/MappedFile.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;
// Pictures in the databases are small; these bounds keep a damaged header from asking for
// gigabytes.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{64} * 1024 * 1024;

std::uint16_t U16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Everything the headers say about the pixels, checked against the buffer.
struct BmpLayout {
    std::int64_t width = 0;
    std::int64_t height = 0; // always positive here
    bool topDown = false;
    bool plain = true; // no bit fields
    int bitsPerPixel = 0;
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
    std::vector<QRgb> palette;
};

bool Fail(std::string& error, const char* why) {
    error = why;
    return false;
}

bool ReadPalette(const unsigned char* data, std::size_t size, std::size_t headerEnd, bool core,
                 std::uint32_t colorsUsed, BmpLayout& layout, std::string& error) {
    const std::uint32_t maxColors = 1u << layout.bitsPerPixel;
    const std::uint32_t count = colorsUsed == 0 ? maxColors : colorsUsed;
    if (count > maxColors)
        return Fail(error, "the colour table is larger than the bit depth allows");
    const std::size_t entrySize = core ? 3 : 4;
    if (headerEnd > size || (size - headerEnd) / entrySize < count)
        return Fail(error, "the colour table runs past the end of the file");
    layout.palette.reserve(maxColors);
    for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned char* e = data + headerEnd + i * entrySize;
        layout.palette.push_back(qRgb(e[2], e[1], e[0]));
    }
    // Indexes past the table draw black rather than reading astray.
    layout.palette.resize(maxColors, qRgb(0, 0, 0));
    return true;
}

bool ReadLayout(const unsigned char* data, std::size_t size, BmpLayout& layout, std::string& error) {
    if (!data || size < kFileHeaderSize + 4)
        return Fail(error, "too short for a BMP file");
    if (data[0] != 'B' || data[1] != 'M')
        return Fail(error, "not a BMP file (no \"BM\" signature)");
    const std::uint32_t offset = U32(data + 10);
    const std::uint32_t headerSize = U32(data + kFileHeaderSize);
    if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize)
        return Fail(error, "unknown information header size");
    if (headerSize > size - kFileHeaderSize)
        return Fail(error, "the information header runs past the end of the file");
    const unsigned char* h = data + kFileHeaderSize;
    const bool core = headerSize == kCoreHeaderSize;
    std::int64_t signedHeight = 0;
    std::uint32_t compression = kCompressionNone;
    std::uint32_t colorsUsed = 0;
    if (core) {
        layout.width = U16(h + 4);
        signedHeight = U16(h + 6);
        layout.bitsPerPixel = U16(h + 10);
        if (U16(h + 8) != 1)
            return Fail(error, "the plane count is not 1");
    } else {
        layout.width = static_cast<std::int32_t>(U32(h + 4));
        signedHeight = static_cast<std::int32_t>(U32(h + 8));
        if (U16(h + 12) != 1)
            return Fail(error, "the plane count is not 1");
        layout.bitsPerPixel = U16(h + 14);
        compression = U32(h + 16);
        colorsUsed = U32(h + 32);
    }
    layout.plain = compression == kCompressionNone;
    layout.topDown = signedHeight < 0;
    layout.height = std::llabs(signedHeight);
    if (layout.width <= 0 || layout.height <= 0)
        return Fail(error, "the picture has no pixels");
    if (layout.width > kMaxSide || layout.height > kMaxSide || layout.width * layout.height > kMaxPixels)
        return Fail(error, "the picture is too large");
    const int bpp = layout.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return Fail(error, "unsupported bit depth");
    if (compression == kCompressionBitFields) {
        // Only the ordinary 8-8-8 layout of 32-bit pixels is accepted.
        if (bpp != 32 || size < kFileHeaderSize + 52 || U32(h + 40) != 0x00FF0000u ||
            U32(h + 44) != 0x0000FF00u || U32(h + 48) != 0x000000FFu)
            return Fail(error, "unsupported bit fields");
    } else if (compression != kCompressionNone) {
        return Fail(error, "compressed BMP files are not supported");
    }
    std::size_t headerEnd = kFileHeaderSize + headerSize;
    // Bit-field masks of an info header sit right after it.
    if (compression == kCompressionBitFields && headerSize == kInfoHeaderSize)
        headerEnd += 12;
    if (bpp <= 8 && !ReadPalette(data, size, headerEnd, core, colorsUsed, layout, error))
        return false;
    layout.stride = static_cast<std::size_t>(((layout.width * bpp + 31) / 32) * 4);
    layout.pixelOffset = offset;
    if (offset < headerEnd || offset > size)
        return Fail(error, "the pixel offset lies outside the file");
    // The last row may lack its padding; every pixel must be inside the buffer.
    const std::uint64_t lastRowBytes = static_cast<std::uint64_t>((layout.width * bpp + 7) / 8);
    const std::uint64_t needed =
        static_cast<std::uint64_t>(layout.stride) * (layout.height - 1) + lastRowBytes;
    if (needed > size - offset)
        return Fail(error, "the pixel data runs past the end of the file");
    return true;
}

// One row of the file into 32-bit pixels; the depth is chosen once per row, not per pixel.
void ConvertRow(const unsigned char* row, const BmpLayout& layout, QRgb* out) {
    const std::int64_t width = layout.width;
    const auto& palette = layout.palette;
    switch (layout.bitsPerPixel) {
    case 1:
        for (std::int64_t x = 0; x < width; ++x)
            out[x] = palette[(row[x / 8] >> (7 - x % 8)) & 1];
        break;
    case 4:
        for (std::int64_t x = 0; x < width; ++x)
            out[x] = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F];
        break;
    case 8:
        for (std::int64_t x = 0; x < width; ++x)
            out[x] = palette[row[x]];
        break;
    case 24:
        for (std::int64_t x = 0; x < width; ++x, row += 3)
            out[x] = qRgb(row[2], row[1], row[0]);
        break;
    default:
        for (std::int64_t x = 0; x < width; ++x, row += 4)
            out[x] = qRgb(row[2], row[1], row[0]);
        break;
    }
}

} // namespace

bool ReadBmpSize(const unsigned char* data, std::size_t size, int& width, int& height, std::string& error) {
    BmpLayout layout;
    if (!ReadLayout(data, size, layout, error))
        return false;
    width = static_cast<int>(layout.width);
    height = static_cast<int>(layout.height);
    return true;
}

bool ReadBmp(const unsigned char* data, std::size_t size, QImage& image, std::string& error) {
    BmpLayout layout;
    if (!ReadLayout(data, size, layout, error))
        return false;
    QImage result(static_cast<int>(layout.width), static_cast<int>(layout.height), QImage::Format_RGB32);
    if (result.isNull())
        return Fail(error, "not enough memory for the picture");
    for (std::int64_t y = 0; y < layout.height; ++y) {
        const std::int64_t fileRow = layout.topDown ? y : layout.height - 1 - y;
        const unsigned char* row = data + layout.pixelOffset + fileRow * layout.stride;
        ConvertRow(row, layout, reinterpret_cast<QRgb*>(result.scanLine(static_cast<int>(y))));
    }
    image = std::move(result);
    error.clear();
    return true;
}

QImage WrapRgb32Bmp(const unsigned char* data, std::size_t size, QImageCleanupFunction release, void* owner) {
    BmpLayout layout;
    std::string error;
    if (!ReadLayout(data, size, layout, error) || layout.bitsPerPixel != 32 || !layout.plain ||
        !layout.topDown)
        return {};
    // ReadLayout found every pixel inside the buffer. The fourth byte, unused by the format, must
    // be 255 for the words to be RGB32 pixels.
    const unsigned char* pixels = data + layout.pixelOffset;
    const std::size_t count = static_cast<std::size_t>(layout.width * layout.height);
    bool opaque = true;
    for (std::size_t i = 0; i < count; ++i)
        opaque &= pixels[i * 4 + 3] == 0xFF;
    if (!opaque)
        return {};
    return QImage(pixels, static_cast<int>(layout.width), static_cast<int>(layout.height),
                  static_cast<qsizetype>(layout.stride), QImage::Format_RGB32, release, owner);
}

QImage LoadPictureFile(const std::string& path) {
    // Mapped rather than read: a skin is megabytes, and copying it in cost as much as decoding it.
    auto file = std::make_unique<MappedFile>(ToSlashes(path));
    if (!file->IsOpen())
        return {};
    const unsigned char* data = file->Data();
    const std::size_t size = file->Size();
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        // A skin stored as RGB32 words is shown from the mapping itself, which the image then keeps.
        QImage inPlace = WrapRgb32Bmp(
            data, size, [](void* owner) { delete static_cast<MappedFile*>(owner); }, file.get());
        if (!inPlace.isNull()) {
            (void)file.release();
            return inPlace;
        }
        QImage image;
        std::string error;
        if (ReadBmp(data, size, image, error))
            return image;
    }
    return QImage::fromData(QByteArrayView(data, static_cast<qsizetype>(size)));
}
