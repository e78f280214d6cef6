#include "MedianCutPalette.h"

#include <algorithm>
#include <limits>

struct MedianCutPalette::Box {
    std::vector<int> bins;
    std::uint64_t count = 0;
    std::array<int, 3> low{31, 31, 31};
    std::array<int, 3> high{0, 0, 0};

    static int Channel(int bin, int channel) { return (bin >> (10 - 5 * channel)) & 31; }

    void Measure(const std::vector<Bin>& histogram) {
        count = 0;
        low = {31, 31, 31};
        high = {0, 0, 0};
        for (int bin : bins) {
            count += histogram[bin].count;
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min(low[c], Channel(bin, c));
                high[c] = std::max(high[c], Channel(bin, c));
            }
        }
    }
    int WidestChannel() const {
        int widest = 0;
        for (int c = 1; c < 3; ++c)
            if (high[c] - low[c] > high[widest] - low[widest])
                widest = c;
        return widest;
    }
    int Range() const { return high[WidestChannel()] - low[WidestChannel()]; }
};

int MedianCutPalette::BinOf(QRgb colour) {
    return ((qRed(colour) >> 3) << 10) | ((qGreen(colour) >> 3) << 5) | (qBlue(colour) >> 3);
}

void MedianCutPalette::AddPicture(const QImage& picture, const QRect& area) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRect counted = area.intersected(image.rect());
    for (int y = counted.top(); y <= counted.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = counted.left(); x <= counted.right(); ++x) {
            Bin& bin = m_bins[BinOf(line[x])];
            ++bin.count;
            bin.red += qRed(line[x]);
            bin.green += qGreen(line[x]);
            bin.blue += qBlue(line[x]);
        }
    }
}

void MedianCutPalette::Build(int maxColours) {
    maxColours = std::clamp(maxColours, 1, 256);
    std::vector<Box> boxes(1);
    for (int bin = 0; bin < static_cast<int>(m_bins.size()); ++bin)
        if (m_bins[bin].count > 0)
            boxes[0].bins.push_back(bin);
    boxes[0].Measure(m_bins);

    while (static_cast<int>(boxes.size()) < maxColours) {
        // The box spanning the widest range of one channel is cut at its pixel median.
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return std::make_pair(a.Range(), a.count) < std::make_pair(b.Range(), b.count);
        });
        if (widest->bins.size() < 2)
            break;
        const int channel = widest->WidestChannel();
        std::sort(widest->bins.begin(), widest->bins.end(),
                  [channel](int a, int b) { return Box::Channel(a, channel) < Box::Channel(b, channel); });
        std::uint64_t below = 0;
        std::size_t cut = 1;
        for (; cut < widest->bins.size() - 1; ++cut) {
            below += m_bins[widest->bins[cut - 1]].count;
            if (below * 2 >= widest->count)
                break;
        }
        Box upper;
        upper.bins.assign(widest->bins.begin() + static_cast<std::ptrdiff_t>(cut), widest->bins.end());
        widest->bins.resize(cut);
        widest->Measure(m_bins);
        upper.Measure(m_bins);
        boxes.push_back(std::move(upper));
    }

    m_colours.clear();
    for (const Box& box : boxes) {
        std::uint64_t count = 0, red = 0, green = 0, blue = 0;
        for (int bin : box.bins) {
            count += m_bins[bin].count;
            red += m_bins[bin].red;
            green += m_bins[bin].green;
            blue += m_bins[bin].blue;
        }
        if (count > 0)
            m_colours.push_back(qRgb(static_cast<int>((red + count / 2) / count),
                                     static_cast<int>((green + count / 2) / count),
                                     static_cast<int>((blue + count / 2) / count)));
    }
    if (m_colours.empty())
        m_colours.push_back(qRgb(0, 0, 0));
    m_lookup.assign(m_bins.size(), -1);
}

std::uint8_t MedianCutPalette::Nearest(QRgb colour) const {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(m_colours.size()); ++i) {
        // Weighted as the eye weighs the channels.
        const int dr = qRed(colour) - qRed(m_colours[i]);
        const int dg = qGreen(colour) - qGreen(m_colours[i]);
        const int db = qBlue(colour) - qBlue(m_colours[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::uint8_t MedianCutPalette::IndexOf(QRgb colour) {
    if (m_lookup.empty())
        Build(256);
    std::int16_t& entry = m_lookup[BinOf(colour)];
    if (entry < 0) {
        const Bin& bin = m_bins[BinOf(colour)];
        // A counted bin is matched by its mean colour, the colour its pixels really have.
        const QRgb typical = bin.count == 0 ? colour
                                            : qRgb(static_cast<int>(bin.red / bin.count),
                                                   static_cast<int>(bin.green / bin.count),
                                                   static_cast<int>(bin.blue / bin.count));
        entry = Nearest(typical);
    }
    return static_cast<std::uint8_t>(entry);
}
