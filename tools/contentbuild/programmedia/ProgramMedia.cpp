#include "ProgramMedia.h"

#include "GifWriter.h"
#include "InterfaceSounds.h"
#include "LessonCourse.h"
#include "ProgramMovies.h"
#include "SceneArt.h"

#include "app/CIniFile.h"
#include "app/FileUtils.h"

namespace programmedia {
namespace {

std::string Folder(const std::string& programFolder, const std::string& relative) {
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    folder += relative;
    MakeDirectoryPath(folder);
    return folder + "/";
}

bool WriteNoContentMovies(const std::string& languagesFile, const std::string& textsFile,
                          const std::string& programFolder, std::vector<std::string>& written,
                          std::string& error) {
    std::vector<std::string> languages, problems;
    if (!lessons::ReadLanguages(languagesFile, languages, problems)) {
        error = problems.front();
        return false;
    }
    const CIniFile texts(textsFile);
    for (const std::string& language : languages) {
        const NoContentText text{texts.GetString(language, "NoContentTitle"),
                                 texts.GetString(language, "NoContentText")};
        if (text.title.empty() || text.text.empty()) {
            error = textsFile + ": no NoContentTitle and NoContentText in [" + language + "]";
            return false;
        }
        GifWriter movie(kNoContentSize);
        const std::string path = Folder(programFolder, "Lesson_res/lesson_" + language) + "Nocontent.swf";
        if (!DrawNoContentMovie(text, movie, error) || !movie.WriteFile(path, error)) {
            error = path + ": " + error;
            return false;
        }
        written.push_back(path);
    }
    return true;
}

} // namespace

bool WriteProgramMedia(const std::string& languagesFile, const std::string& textsFile,
                       const std::string& programFolder, std::vector<std::string>& written,
                       std::string& error) {
    const std::vector<std::string> missing = sceneart::MissingFonts();
    if (!missing.empty()) {
        error = "the movies need the font " + missing.front() + " (see scripts/install-deps.sh)";
        return false;
    }
    if (!WriteNoContentMovies(languagesFile, textsFile, programFolder, written, error))
        return false;

    GifWriter loading(kLoadingSize);
    DrawLoadingMovie(loading);
    const std::string loadingPath = Folder(programFolder, "image") + "loading.swf";
    if (!loading.WriteFile(loadingPath, error))
        return false;
    written.push_back(loadingPath);

    const std::string sounds = Folder(programFolder, "sound");
    for (const auto& [name, samples] :
         {std::pair{"button.wav", ButtonClick()}, std::pair{"du.wav", CueTone()},
          std::pair{"pagedownup.wav", PageTurnSwish()}}) {
        if (!WriteSound(sounds + name, samples, error))
            return false;
        written.push_back(sounds + name);
    }
    return true;
}

} // namespace programmedia
