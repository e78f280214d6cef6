#include "GifWriter.h"

#include "MedianCutPalette.h"

#include "app/FileUtils.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Index 255 is left out of the palette: it marks the pixels a frame leaves as they were.
constexpr int kTransparentIndex = 255;
constexpr int kPaletteColours = 255;

struct GifCloser {
    void operator()(GifFileType* gif) const { EGifCloseFile(gif, nullptr); }
};

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + length);
    return length;
}

std::string GifError(const char* what, int code) {
    const char* text = GifErrorString(code);
    return std::string("GIF ") + what + ": " + (text ? text : "unknown error");
}

// The smallest rectangle holding every pixel that differs between two pictures of one size (RGB32);
// empty when none does.
QRect ChangedArea(const QImage& before, const QImage& after) {
    int left = after.width(), top = -1, right = -1, bottom = -1;
    const std::size_t rowBytes = static_cast<std::size_t>(after.width()) * sizeof(QRgb);
    for (int y = 0; y < after.height(); ++y) {
        const auto* old = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (std::memcmp(old, now, rowBytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int first = 0, last = after.width() - 1;
        while (old[first] == now[first])
            ++first;
        while (old[last] == now[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool PutLoopExtension(GifFileType* gif, int loopCount) {
    static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const GifByteType loop[] = {1, static_cast<GifByteType>(loopCount & 0xff),
                                static_cast<GifByteType>((loopCount >> 8) & 0xff)};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kApplication, kApplication) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

// Writes the changed area of a frame; pixels in it that did not change are left transparent.
bool PutFrame(GifFileType* gif, const QImage& picture, const QImage* before, QRect area, int delay,
              MedianCutPalette& palette) {
    if (area.isEmpty())
        area = QRect(0, 0, 1, 1);
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delay;
    control.TransparentColor = before ? kTransparentIndex : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) != GIF_OK ||
        EGifPutImageDesc(gif, area.left(), area.top(), area.width(), area.height(), false, nullptr) != GIF_OK)
        return false;
    std::vector<GifPixelType> line(static_cast<std::size_t>(area.width()));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* now = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* old = before ? reinterpret_cast<const QRgb*>(before->constScanLine(y)) : nullptr;
        for (int x = area.left(); x <= area.right(); ++x)
            line[static_cast<std::size_t>(x - area.left())] =
                old && old[x] == now[x] ? kTransparentIndex : palette.IndexOf(now[x]);
        if (EGifPutLine(gif, line.data(), area.width()) != GIF_OK)
            return false;
    }
    return true;
}

} // namespace

GifWriter::GifWriter(QSize size) : m_size(size) {}

void GifWriter::AddFrame(const QImage& picture, int delayMs) {
    QImage frame = picture.size() == m_size
                       ? picture.convertToFormat(QImage::Format_RGB32)
                       : picture.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);
    const int delay = std::max(2, (delayMs + 5) / 10);
    const QRect area = m_frames.empty() ? frame.rect() : ChangedArea(m_frames.back().picture, frame);
    if (area.isEmpty()) {
        m_frames.back().delay += delay;
        return;
    }
    m_frames.push_back({std::move(frame), area, delay});
}

std::vector<int> GifWriter::Delays() const {
    std::vector<int> delays;
    for (const Frame& frame : m_frames)
        delays.push_back(frame.delay);
    return delays;
}

bool GifWriter::Write(std::vector<unsigned char>& bytes, std::string& error) const {
    bytes.clear();
    if (m_frames.empty() || m_size.isEmpty()) {
        error = "GIF: a movie needs a size and at least one frame";
        return false;
    }
    MedianCutPalette palette;
    for (const Frame& frame : m_frames)
        palette.AddPicture(frame.picture, frame.area);
    palette.Build(kPaletteColours);

    GifColorType colours[256] = {};
    for (std::size_t i = 0; i < palette.Colours().size(); ++i) {
        const QRgb colour = palette.Colours()[i];
        colours[i] = {static_cast<GifByteType>(qRed(colour)), static_cast<GifByteType>(qGreen(colour)),
                      static_cast<GifByteType>(qBlue(colour))};
    }
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(256, colours),
                                                                   GifFreeMapObject);
    int code = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, AppendBytes, &code));
    if (!gif || !map) {
        error = GifError("open", code);
        return false;
    }
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), m_size.width(), m_size.height(), 8, 0, map.get()) != GIF_OK ||
        !PutLoopExtension(gif.get(), m_loopCount)) {
        error = GifError("header", gif->Error);
        return false;
    }

    for (std::size_t f = 0; f < m_frames.size(); ++f) {
        const Frame& frame = m_frames[f];
        if (!PutFrame(gif.get(), frame.picture, f == 0 ? nullptr : &m_frames[f - 1].picture, frame.area,
                      frame.delay, palette)) {
            error = GifError("frame", gif->Error);
            return false;
        }
    }
    GifFileType* finished = gif.release();
    if (EGifCloseFile(finished, &code) != GIF_OK) {
        error = GifError("close", code);
        return false;
    }
    return true;
}

bool GifWriter::WriteFile(const std::string& path, std::string& error) const {
    std::vector<unsigned char> bytes;
    if (!Write(bytes, error))
        return false;
    if (!WriteFileAtomically(path,
                             std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
