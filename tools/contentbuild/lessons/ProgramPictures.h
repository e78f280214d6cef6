#pragma once

#include <QImage>

#include <string>
#include <vector>

// The pictures of the program folder that carry interface texts, one set per interface language:
// in Lesson_res\lesson_<s>\ the catalogue's guide (english_exp.bmp), the background of the
// child-lesson selector (combobox.bmp) and the pane titles of the lesson window; in
// image\lesson_<s>\ the heading of the new-word list (wordtitle.bmp).
namespace lessons {

class PictureTexts;

struct ProgramPicture {
    std::string path; // relative to the program folder, '/' separated
    QImage image;
};

std::vector<ProgramPicture> MakeProgramPictures(const PictureTexts& texts);

// The relative paths MakeProgramPictures gives for `language`.
std::vector<std::string> ProgramPicturePaths(const std::string& language);

// Writes the pictures of every language below `programFolder` as BMP files; false with `error`
// set when one cannot be written.
bool WriteProgramPictures(const std::string& programFolder, const std::vector<PictureTexts>& texts,
                          std::string& error);

} // namespace lessons
