#pragma once

#include <QImage>

#include <vector>

// BMP files of every kind the reader understands, written the simple way for the reader's tests.
// Pixels of depths up to 8 bits are indexes into a grey palette of 2^bits entries (index i has the
// grey level 255 * i / (entries - 1)); deeper ones are the colours given.
struct BmpSpec {
    int width = 3;
    int height = 2;
    int bitsPerPixel = 24;
    bool topDown = false;
    bool coreHeader = false; // the old 12-byte header
    bool bitFields = false;  // 32 bits with explicit 8-8-8 masks
};

// The picture the pixel pattern of these file settings should read back as.
QImage ExpectedBmpPicture(const BmpSpec& spec);
std::vector<unsigned char> MakeBmp(const BmpSpec& spec);
