#pragma once

#include <string>
#include <vector>

// Writes the generated media of the program folder:
//   Lesson_res/lesson_<suffix>/Nocontent.swf  for every language of `languagesFile`, with the texts
//                                             of its section in `textsFile` (keys NoContentTitle,
//                                             NoContentText)
//   image/loading.swf
//   sound/button.wav, sound/du.wav, sound/pagedownup.wav
// The movies are GIF data, which the program's movie control plays whatever the file is named.
namespace programmedia {

bool WriteProgramMedia(const std::string& languagesFile, const std::string& textsFile,
                       const std::string& programFolder, std::vector<std::string>& written,
                       std::string& error);

} // namespace programmedia
