#include "render/BmpReader.h"
#include "BmpTestFiles.h"
#include "fixtures/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace {

QImage Read(const std::vector<unsigned char>& bytes, std::string* why = nullptr) {
    QImage image;
    std::string error;
    if (!ReadBmp(bytes.data(), bytes.size(), image, error)) {
        EXPECT_FALSE(error.empty());
        if (why)
            *why = error;
        return {};
    }
    return image;
}

void Set32(std::vector<unsigned char>& b, size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

} // namespace

TEST(BmpReader, ReadsEveryDepthInBothRowOrders) {
    for (const int bits : {1, 4, 8, 24, 32})
        for (const bool topDown : {false, true})
            for (const int width : {1, 5, 9, 17}) {
                BmpSpec spec;
                spec.width = width;
                spec.height = 3;
                spec.bitsPerPixel = bits;
                spec.topDown = topDown;
                const QImage image = Read(MakeBmp(spec));
                ASSERT_FALSE(image.isNull()) << bits << " bits, top-down " << topDown << ", width " << width;
                EXPECT_EQ(image.format(), QImage::Format_RGB32);
                EXPECT_EQ(image, ExpectedBmpPicture(spec))
                    << bits << " bits, top-down " << topDown << ", width " << width;
            }
}

TEST(BmpReader, ReadsOldCoreHeadersAndBitFields) {
    BmpSpec core;
    core.coreHeader = true;
    core.bitsPerPixel = 8;
    EXPECT_EQ(Read(MakeBmp(core)), ExpectedBmpPicture(core));
    BmpSpec fields;
    fields.bitsPerPixel = 32;
    fields.bitFields = true;
    EXPECT_EQ(Read(MakeBmp(fields)), ExpectedBmpPicture(fields));
}

TEST(BmpReader, SizeComesFromTheHeaderAlone) {
    BmpSpec spec;
    spec.width = 12;
    spec.height = 7;
    const std::vector<unsigned char> bytes = MakeBmp(spec);
    int width = 0;
    int height = 0;
    std::string error;
    ASSERT_TRUE(ReadBmpSize(bytes.data(), bytes.size(), width, height, error));
    EXPECT_EQ(width, 12);
    EXPECT_EQ(height, 7);
}

TEST(BmpReader, RefusesTruncatedFilesAtEveryLength) {
    BmpSpec spec;
    spec.width = 5;
    spec.height = 4;
    spec.bitsPerPixel = 8;
    const std::vector<unsigned char> bytes = MakeBmp(spec);
    // The last row needs only its pixels, not its padding: 5 bytes of a 8-byte row.
    const size_t complete = bytes.size() - 3;
    for (size_t length = 0; length < complete; ++length) {
        // A copy of exactly that length, so the sanitizer sees any read past it.
        std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
        QImage image;
        std::string error;
        EXPECT_FALSE(ReadBmp(cut.data(), cut.size(), image, error)) << "length " << length;
    }
    std::vector<unsigned char> unpadded(bytes.begin(), bytes.begin() + static_cast<long>(complete));
    EXPECT_FALSE(Read(unpadded).isNull());
}

TEST(BmpReader, RefusesInconsistentHeaders) {
    BmpSpec spec;
    spec.bitsPerPixel = 4;
    const std::vector<unsigned char> good = MakeBmp(spec);
    struct Damage {
        const char* name;
        size_t at;
        std::uint32_t value;
    };
    const Damage damages[] = {
        {"pixel offset past the end", 10, 0x7FFFFFFF},
        {"pixel offset inside the headers", 10, 20},
        {"header size past the end", 14, 0x10000},
        {"unknown header size", 14, 20},
        {"zero width", 18, 0},
        {"negative width", 18, 0xFFFFFFFF},
        {"zero height", 22, 0},
        {"huge width", 18, 0x40000000},
        {"huge height", 22, 0xC0000000},
        {"compressed", 30, 2},
        {"palette larger than the depth", 46, 17},
    };
    for (const Damage& d : damages) {
        std::vector<unsigned char> bytes = good;
        Set32(bytes, d.at, d.value);
        std::string why;
        EXPECT_TRUE(Read(bytes, &why).isNull()) << d.name;
    }
    std::vector<unsigned char> depth = good;
    depth[28] = 16;
    EXPECT_TRUE(Read(depth).isNull()) << "16 bits per pixel";
    std::vector<unsigned char> planes = good;
    planes[26] = 2;
    EXPECT_TRUE(Read(planes).isNull()) << "two planes";
}

TEST(BmpReader, RefusesWhatIsNotABmpFile) {
    std::string why;
    EXPECT_TRUE(Read({}, &why).isNull());
    const std::string png = "\x89PNG\r\n\x1a\n0000000000000000000000000000000000000000";
    EXPECT_TRUE(Read(std::vector<unsigned char>(png.begin(), png.end()), &why).isNull());
    EXPECT_NE(why.find("BM"), std::string::npos);
    QImage image;
    std::string error;
    EXPECT_FALSE(ReadBmp(nullptr, 100, image, error));
}

TEST(BmpReader, IndexesPastAShortPaletteReadAsBlack) {
    BmpSpec spec;
    spec.bitsPerPixel = 8;
    spec.width = 4;
    spec.height = 1;
    std::vector<unsigned char> bytes = MakeBmp(spec);
    Set32(bytes, 46, 1); // only the first palette entry (black) counts; indexes 1..255 are past it
    const QImage image = Read(bytes);
    ASSERT_FALSE(image.isNull());
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(image.pixel(x, 0), qRgb(0, 0, 0));
}

namespace {

// A 32-bit top-down file whose fourth bytes are 255: pixels already in Qt's RGB32 order.
std::vector<unsigned char> Rgb32Skin(const BmpSpec& spec) {
    std::vector<unsigned char> bytes = MakeBmp(spec);
    for (size_t at = 54 + 3; at < bytes.size(); at += 4)
        bytes[at] = 0xFF;
    return bytes;
}

void CountRelease(void* count) {
    ++*static_cast<int*>(count);
}

} // namespace

TEST(BmpReader, ShowsRgb32PixelsInPlaceAndLetsGoOnce) {
    BmpSpec spec;
    spec.width = 5;
    spec.height = 3;
    spec.bitsPerPixel = 32;
    spec.topDown = true;
    const std::vector<unsigned char> bytes = Rgb32Skin(spec);
    int released = 0;
    {
        const QImage image = WrapRgb32Bmp(bytes.data(), bytes.size(), CountRelease, &released);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.constBits(), bytes.data() + 54);
        EXPECT_EQ(image, ExpectedBmpPicture(spec));
        const QImage copy = image;
        EXPECT_EQ(released, 0);
    }
    EXPECT_EQ(released, 1);

    // Anything else is left to the converting reader, and nothing is released.
    std::vector<std::vector<unsigned char>> others;
    BmpSpec bottomUp = spec;
    bottomUp.topDown = false;
    others.push_back(MakeBmp(bottomUp));
    BmpSpec fields = spec;
    fields.bitFields = true;
    others.push_back(MakeBmp(fields));
    BmpSpec deep24 = spec;
    deep24.bitsPerPixel = 24;
    others.push_back(MakeBmp(deep24));
    others.push_back(Rgb32Skin(spec));
    others.back()[54 + 4 * 7 + 3] = 0; // one pixel's fourth byte unset
    others.push_back(Rgb32Skin(spec));
    others.back().pop_back(); // the last pixel cut short
    for (const auto& other : others)
        EXPECT_TRUE(WrapRgb32Bmp(other.data(), other.size(), CountRelease, &released).isNull());
    EXPECT_EQ(released, 1);
}

TEST(BmpReader, PictureFilesOutliveTheirReadingInEveryForm) {
    TempFolder folder;
    BmpSpec spec;
    spec.width = 6;
    spec.height = 4;
    BmpSpec skin = spec;
    skin.bitsPerPixel = 32;
    skin.topDown = true;
    const auto write = [&](const std::string& name, const std::vector<unsigned char>& bytes) {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return folder / name;
    };
    // Shown from the file's mapping, which the picture keeps after the reading returns.
    EXPECT_EQ(LoadPictureFile(write("skin.bmp", Rgb32Skin(skin))), ExpectedBmpPicture(skin));
    EXPECT_EQ(LoadPictureFile(write("plain.bmp", MakeBmp(spec))), ExpectedBmpPicture(spec));
    QImage png(3, 2, QImage::Format_RGB32);
    png.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(png.save(QString::fromStdString(folder / "picture.png"), "PNG"));
    EXPECT_EQ(LoadPictureFile(folder / "picture.png").pixel(2, 1), qRgb(1, 2, 3));
    EXPECT_TRUE(LoadPictureFile(folder / "missing.bmp").isNull());
    EXPECT_TRUE(LoadPictureFile(write("empty.bmp", {})).isNull());
}
