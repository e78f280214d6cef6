// BMP bytes of any kind: the reader either refuses them with a reason or returns a picture of the
// size its headers give, and drawing such a picture in colour stays inside the target.
#include "render/BmpReader.h"
#include "render/CBmpPicture.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QImage image;
    std::string error;
    const bool read = ReadBmp(data, size, image, error);
    int width = 0;
    int height = 0;
    std::string sizeError;
    const bool measured = ReadBmpSize(data, size, width, height, sizeError);
    if (read != measured || (!read && error.empty()))
        std::abort();
    if (read &&
        (image.width() != width || image.height() != height || image.format() != QImage::Format_RGB32))
        std::abort();

    // Pixels shown in place are the ones the converting reader gives, and are let go exactly once.
    int released = 0;
    bool inPlace = false;
    {
        const QImage wrapped = WrapRgb32Bmp(
            data, size, [](void* count) { ++*static_cast<int*>(count); }, &released);
        inPlace = !wrapped.isNull();
        if (inPlace && (!read || wrapped != image))
            std::abort();
    }
    if (released != (inPlace ? 1 : 0))
        std::abort();

    CBmpPicture picture;
    picture.Load(std::vector<unsigned char>(data, data + size));
    QImage target(24, 24, QImage::Format_RGB32);
    target.fill(qRgb(252, 245, 223));
    const QSize drawn = picture.DrawColorWord(target, -3, 5, qRgb(0, 0, 255));
    if (drawn != (read ? QSize(width, height) : QSize(0, 0)) || picture.Width() != (read ? width : 0))
        std::abort();
    return 0;
}
