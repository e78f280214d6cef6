// Draws every bitmap the program needs: the compiled-in button faces, pictures and cursor (with
// the resource file that lists them) and the skins and dialog pictures of the program folder.
//
//   artworkgen <resource folder> <program folder>

#include "ArtTexts.h"
#include "ButtonFaces.h"
#include "ContactSheet.h"
#include "WindowPictures.h"
#include "ui/ArtworkIds.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

const int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool SaveImage(const QImage& image, const QString& path, const char* format) {
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path, format)) {
        std::fprintf(stderr, "artworkgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A window skin as a BMP whose pixels are already the program's RGB32 words (32 bits, blue, green,
// red and 255, rows top-down): the program then shows the file's mapping as it is, without
// converting megabytes of pixels at every start.
bool SaveSkin(const QImage& image, const QString& path) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const quint32 width = static_cast<quint32>(pixels.width());
    const quint32 height = static_cast<quint32>(pixels.height());
    const quint32 pixelBytes = width * height * 4;
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(14 + 40 + pixelBytes) << quint32(0) << quint32(14 + 40);
    out << quint32(40) << qint32(width) << -qint32(height) << quint16(1) << quint16(32) << quint32(0)
        << pixelBytes << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (quint32 x = 0; x < width; ++x)
            out << quint32(row[x] | 0xFF000000u);
    }
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bmp) != bmp.size() || !file.commit()) {
        std::fprintf(stderr, "artworkgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The program folder's pictures: window skins in the skin form, the others as plain BMP files.
bool SaveProgramPicture(const QImage& image, const QString& program, const QString& path) {
    const QString file = program + '/' + path;
    return path.startsWith(QLatin1String("skins/")) ? SaveSkin(image, file) : SaveImage(image, file, "BMP");
}

bool WriteResourceList(const QString& path, const QStringList& files) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& name : files)
        text += "  <file>" + name.toUtf8() + "</file>\n";
    text += "</qresource>\n</RCC>\n";
    file.write(text);
    return file.commit();
}

// A program-folder picture of another interface language: the language suffix before the ending
// ("skins/Lesson/Login.bmp" becomes "skins/Lesson/Login_fr.bmp"), as the program looks for it.
QString LanguagePath(const QString& path, const QString& language) {
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot) + '_' + language + path.mid(dot);
}

// Draws the pictures with words again in every other interface language, keeping those whose words
// differ from the English ones; the faces' names go into the resource list.
bool DrawOtherLanguages(const QString& resources, const QString& program, const std::map<int, QImage>& faces,
                        const std::vector<ProgramPicture>& programPictures, QStringList& files) {
    bool ok = true;
    for (const QString& language : arttexts::Languages().mid(1)) {
        arttexts::SetLanguage(language);
        for (const auto& [id, image] : MakeButtonFaces()) {
            if (image == faces.at(id))
                continue;
            const QString name = QStringLiteral("bitmaps/%1/%2.png").arg(language).arg(id);
            ok = SaveImage(image, resources + '/' + name, "PNG") && ok;
            files << name;
        }
        const std::vector<ProgramPicture> localised = MakeProgramPictures();
        for (size_t i = 0; i < localised.size() && i < programPictures.size(); ++i)
            if (localised[i].image != programPictures[i].image)
                ok = SaveProgramPicture(localised[i].image, program,
                                        LanguagePath(localised[i].path, language)) &&
                     ok;
    }
    arttexts::SetLanguage(arttexts::Languages().first());
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: artworkgen <resource folder> <program folder>\n");
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[1]);
    const QString program = QString::fromLocal8Bit(argv[2]);
    bool ok = true;

    const std::map<int, QImage> faces = MakeButtonFaces();
    const std::map<int, QImage> pictures = MakeResourcePictures();
    const QImage cursor = MakeHandCursor();
    QStringList files;
    for (const auto* set : {&faces, &pictures})
        for (const auto& [id, image] : *set) {
            const QString name = QStringLiteral("bitmaps/%1.png").arg(id);
            ok = SaveImage(image, resources + '/' + name, "PNG") && ok;
            files << name;
        }
    const QString cursorName = QStringLiteral("cursors/%1.png").arg(artwork::kHandCursor);
    ok = SaveImage(cursor, resources + '/' + cursorName, "PNG") && ok;
    files << cursorName;

    const std::vector<ProgramPicture> programPictures = MakeProgramPictures();
    for (const ProgramPicture& picture : programPictures)
        ok = SaveProgramPicture(picture.image, program, picture.path) && ok;

    ok = DrawOtherLanguages(resources, program, faces, programPictures, files) && ok;

    // The desktop's icons, in the hicolor theme's usual sizes.
    for (int side : kDesktopIconSizes)
        ok = SaveImage(MakeAppIcon(side),
                       resources + QStringLiteral("/icons/hicolor/%1x%1/apps/tessalyne.png").arg(side),
                       "PNG") &&
             ok;

    ok = SaveImage(MakeContactSheet(programPictures, faces, pictures, cursor),
                   resources + "/contact_sheet.png", "PNG") &&
         ok;
    ok = SaveImage(MakeLessonFaceSheet(faces), resources + "/lesson_faces.png", "PNG") && ok;
    // The resource list comes last: the build takes its presence as "artwork complete".
    if (ok && !WriteResourceList(resources + "/artwork.qrc", files)) {
        std::fprintf(stderr, "artworkgen: cannot write the resource list\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
