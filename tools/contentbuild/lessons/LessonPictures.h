#pragma once

#include "LessonSource.h"

#include <QImage>

#include <string>

// The pictures the lesson window shows from the lesson database, drawn in one interface language:
// notes and language points fill the width of the right pane and grow downwards with their text;
// the lesson head and the child-lesson title fill the places the window leaves for them.
namespace lessons {

class PictureTexts;

// The words a note explains with their pinyin, then the note's text.
QImage NotePicture(const Note& note, const std::string& language);
// All language points of a lesson: title, explanation, examples with pinyin and translation.
QImage LanguagePointsPicture(const std::vector<LanguagePoint>& points, const std::string& language);
// "Lesson n" and the lesson's title on the header colour of the lesson window.
QImage LessonHeadPicture(const LessonSource& lesson, const PictureTexts& texts);
// The number and title of child lesson `index` (0-based) on the strip above the text.
QImage ChildTitlePicture(const ChildLesson& child, int index, const std::string& language);

} // namespace lessons
