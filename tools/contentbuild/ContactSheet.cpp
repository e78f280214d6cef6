#include "ContactSheet.h"

#include "StrokeGraphics.h"
#include "charstudy/StrokeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <sqlite3.h>

namespace {

using Blob = std::vector<unsigned char>;

constexpr int kPanel = strokes::kSquare;
constexpr int kGap = 8;
constexpr int kMaxStampPanels = 5;

struct StrokeRow {
    QImage image;
    int x = 0;
    int y = 0;
};

struct CharacterData {
    QImage small;
    QImage outline;
    std::vector<StrokeRow> strokes;
    Blob strokeFile;
};

Blob ReadBlob(sqlite3* db, const char* sql, const std::string& key, int column = 0) {
    Blob bytes;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(s, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW) {
            const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(s, column));
            bytes.assign(data, data + sqlite3_column_bytes(s, column));
        }
    }
    sqlite3_finalize(s);
    return bytes;
}

std::string ReadText(sqlite3* db, const char* sql, const std::string& key) {
    std::string text;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(s, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW && sqlite3_column_text(s, 0))
            text = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    }
    sqlite3_finalize(s);
    return text;
}

QImage FromBmp(const Blob& bytes) {
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP")
        .convertToFormat(QImage::Format_RGB32);
}

bool LoadCharacter(sqlite3* db, const QString& character, CharacterData& data) {
    const std::string id = ReadText(db, "SELECT id FROM tbl_hz_main WHERE hz = ?", character.toStdString());
    if (id.empty())
        return false;
    data.small = FromBmp(ReadBlob(db, "SELECT smallimg FROM tbl_hz_image_song WHERE id = ?", id));
    data.outline = FromBmp(ReadBlob(db, "SELECT emptyimg FROM tbl_hz_image_song WHERE id = ?", id));
    data.strokeFile = ReadBlob(db, "SELECT posdata FROM tbl_hz_bhpos_song WHERE id = ?", id);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT img, offsetx, offsety FROM tbl_hz_bhimg_song WHERE hzid = ? ORDER BY djh",
                       -1, &s, nullptr);
    sqlite3_bind_text(s, 1, id.c_str(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(s) == SQLITE_ROW) {
        const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(s, 0));
        StrokeRow row{FromBmp(Blob(bytes, bytes + sqlite3_column_bytes(s, 0))), sqlite3_column_int(s, 1),
                      sqlite3_column_int(s, 2)};
        data.strokes.push_back(row);
    }
    sqlite3_finalize(s);
    return !data.outline.isNull();
}

// Stamps the first `count` stroke pictures on the outline the way the animation does (AND).
QImage Stamped(const CharacterData& data, size_t count) {
    QImage panel = data.outline;
    QPainter painter(&panel);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    for (size_t i = 0; i < count && i < data.strokes.size(); ++i)
        painter.drawImage(data.strokes[i].x, data.strokes[i].y, data.strokes[i].image);
    return panel;
}

QImage WithReferenceStrokes(const CharacterData& data) {
    QImage panel = data.outline;
    std::vector<strokefile::StrokeObject> polylines;
    std::string error;
    strokefile::ReadStrokeFile(data.strokeFile.data(), data.strokeFile.size(), polylines, error);
    QPainter painter(&panel);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    painter.setFont(font);
    for (const strokefile::StrokeObject& line : polylines) {
        painter.setPen(QPen(Qt::red, 2));
        for (size_t i = 1; i < line.points.size(); ++i)
            painter.drawLine(line.points[i - 1].x, line.points[i - 1].y, line.points[i].x, line.points[i].y);
        if (!line.points.empty()) {
            painter.setBrush(Qt::blue);
            painter.drawEllipse(QPoint(line.points[0].x, line.points[0].y), 3, 3);
            painter.setPen(Qt::blue);
            painter.drawText(line.points[0].x + 4, line.points[0].y - 3, QString::number(line.strokeNumber));
        }
    }
    return panel;
}

} // namespace

bool WriteContactSheet(const std::string& databasePath, const std::vector<QString>& characters,
                       const std::string& pngPath, std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databasePath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        error = "cannot open " + databasePath;
        sqlite3_close(db);
        return false;
    }
    std::vector<CharacterData> rows;
    for (const QString& c : characters) {
        CharacterData data;
        if (LoadCharacter(db, c, data))
            rows.push_back(std::move(data));
    }
    sqlite3_close(db);
    if (rows.empty()) {
        error = "none of the characters is in the database";
        return false;
    }
    const int columns = 3 + kMaxStampPanels;
    QImage sheet(kGap + columns * (kPanel + kGap), kGap + static_cast<int>(rows.size()) * (kPanel + kGap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(235, 235, 235));
    QPainter painter(&sheet);
    for (size_t r = 0; r < rows.size(); ++r) {
        const CharacterData& data = rows[r];
        const int y = kGap + static_cast<int>(r) * (kPanel + kGap);
        auto at = [&](int column) { return kGap + column * (kPanel + kGap); };
        painter.fillRect(at(0), y, kPanel, kPanel, Qt::white);
        painter.drawImage(QRect(at(0) + 41, y + 41, 108, 108), data.small);
        painter.drawImage(at(1), y, data.outline);
        // Panels after each stroke, the last one always showing the whole character.
        const size_t n = data.strokes.size();
        for (int p = 0; p < kMaxStampPanels; ++p) {
            const size_t count = n <= kMaxStampPanels ? std::min(n, static_cast<size_t>(p + 1))
                                                      : (n * static_cast<size_t>(p + 1)) / kMaxStampPanels;
            painter.drawImage(at(2 + p), y, Stamped(data, count));
            painter.drawText(at(2 + p) + 4, y + 14, QString::number(count) + "/" + QString::number(n));
        }
        painter.drawImage(at(2 + kMaxStampPanels), y, WithReferenceStrokes(data));
    }
    painter.end();
    const QString path = QString::fromStdString(pngPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!sheet.save(path, "PNG")) {
        error = "cannot write " + pngPath;
        return false;
    }
    return true;
}
