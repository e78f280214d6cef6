#include "ContactSheet.h"

#include "ArtStyle.h"
#include "ui/ArtworkIds.h"

#include <QPainter>

namespace {

const QColor kBackdrop{216, 220, 224};

// The picture as the learner sees it: key-coloured pixels show the backdrop.
QImage Revealed(const QImage& picture, QRgb key, const QColor& backdrop) {
    QImage shown = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if (row[x] == key)
                row[x] = backdrop.rgb();
    }
    return shown;
}

// Places tiles left to right, wrapping at the sheet width.
class TileFlow {
public:
    TileFlow(QPainter& painter, int width, int y)
        : m_painter(painter), m_width(width), m_x(kMargin), m_y(y) {}

    void Add(const QImage& image, const QString& caption) {
        const int tileWidth = std::max(image.width(), 70);
        if (m_x + tileWidth > m_width - kMargin) {
            m_x = kMargin;
            m_y += m_rowHeight + kGap;
            m_rowHeight = 0;
        }
        m_painter.drawImage(m_x, m_y, image);
        art::Label(m_painter, QRectF(m_x - 4, m_y + image.height() + 2, tileWidth + 8, 14), caption, 10,
                   art::kInk, Qt::AlignLeft | Qt::AlignTop);
        m_x += tileWidth + kGap;
        m_rowHeight = std::max(m_rowHeight, image.height() + 18);
    }
    int Bottom() const { return m_y + m_rowHeight; }
    void Heading(const QString& text) {
        m_x = kMargin;
        m_y = Bottom() + kGap;
        m_rowHeight = 0;
        art::Label(m_painter, QRectF(kMargin, m_y, m_width, 24), text, 16, art::kTealDark, Qt::AlignLeft,
                   true);
        m_y += 30;
    }

    static constexpr int kMargin = 20, kGap = 14;

private:
    QPainter& m_painter;
    int m_width;
    int m_x;
    int m_y;
    int m_rowHeight = 0;
};

} // namespace

QImage MakeContactSheet(const std::vector<ProgramPicture>& pictures, const std::map<int, QImage>& faces,
                        const std::map<int, QImage>& resourcePictures, const QImage& cursor) {
    QImage sheet(1400, 3200, QImage::Format_RGB32);
    sheet.fill(QColor(240, 241, 243));
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    art::Label(painter, QRectF(20, 10, 1360, 30), QStringLiteral("Tessalyne Lessons \u2014 artwork"), 22,
               art::kTealDark, Qt::AlignLeft, true);
    TileFlow flow(painter, sheet.width(), 50);
    flow.Heading(QStringLiteral("Window skins and dialog pictures (skins at half size)"));
    for (const ProgramPicture& picture : pictures) {
        QImage shown = Revealed(picture.image, art::kGreenKey, kBackdrop);
        if (shown.width() > 500)
            shown = shown.scaled(shown.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        flow.Add(shown, picture.path);
    }
    flow.Heading(QStringLiteral("Button faces (hover / normal) on the panel colour"));
    for (const auto& [id, face] : faces) {
        if (id >= artwork::kLessonFaceBase)
            continue;
        flow.Add(Revealed(face, art::kRedKey, art::kCream), QString::number(id));
    }
    for (int state = 0; state < 3; ++state)
        for (bool pressed : {false, true}) {
            const int id = artwork::LessonFaceId(1, state, pressed);
            flow.Add(Revealed(faces.at(id), art::kRedKey, art::kCream), QString::number(id));
        }
    flow.Heading(QStringLiteral("Pictures, menu strip, icon and the hand cursor 251 (hot spot 5,0)"));
    for (const auto& [id, picture] : resourcePictures) {
        QImage shown = picture;
        if (shown.width() > 400)
            shown = shown.scaled(shown.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        flow.Add(shown, QString::number(id));
    }
    flow.Add(cursor.scaled(cursor.size() * 2), QStringLiteral("251 (x2)"));
    painter.end();
    return sheet.copy(0, 0, sheet.width(), std::min(sheet.height(), flow.Bottom() + 20));
}

QImage MakeLessonFaceSheet(const std::map<int, QImage>& faces) {
    QImage sheet(1240, 2200, QImage::Format_RGB32);
    sheet.fill(QColor(240, 241, 243));
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    TileFlow flow(painter, sheet.width(), 0);
    flow.Heading(QStringLiteral("Lesson buttons: new, finished, started \u2014 normal and pressed"));
    for (int lesson = 1; lesson <= 35; ++lesson)
        for (int state = 0; state < 3; ++state)
            for (bool pressed : {false, true}) {
                const int id = artwork::LessonFaceId(lesson, state, pressed);
                flow.Add(Revealed(faces.at(id), art::kRedKey, art::kCream), QString::number(id));
            }
    painter.end();
    return sheet.copy(0, 0, sheet.width(), std::min(sheet.height(), flow.Bottom() + 20));
}
