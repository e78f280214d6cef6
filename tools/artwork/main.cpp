// Draws every bitmap the program needs: the compiled-in button faces, pictures and cursor (with
// the resource file that lists them) and the skins and dialog pictures of the program folder.
//
//   artworkgen <resource folder> <program folder>

#include "ButtonFaces.h"
#include "ContactSheet.h"
#include "WindowPictures.h"
#include "ui/ArtworkIds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

bool SaveImage(const QImage& image, const QString& path, const char* format) {
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path, format)) {
        std::fprintf(stderr, "artworkgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
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
        ok = SaveImage(picture.image, program + '/' + picture.path, "BMP") && ok;

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
