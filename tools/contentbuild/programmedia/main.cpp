// programmedia: writes the generated movies and interface sounds of the program folder.
//
//   programmedia <languages.txt> <movie texts ini> <program folder>
#include "ProgramMedia.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: programmedia <languages.txt> <movie texts ini> <program folder>\n");
        return 2;
    }
    // The movies are drawn with fonts, which need a GUI application (offscreen).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<std::string> written;
    std::string error;
    if (!programmedia::WriteProgramMedia(argv[1], argv[2], argv[3], written, error)) {
        std::fprintf(stderr, "programmedia: %s\n", error.c_str());
        return 1;
    }
    std::printf("programmedia: wrote %zu files\n", written.size());
    return 0;
}
