#pragma once

#include <string>
#include <string_view>

// Content paths are written as on Windows: backslashes and mixed letter case ("Lesson_res",
// "skins\Lesson"). This turns such a path into the existing file whose components match without
// regard to case. Components that exist in no spelling are kept as given, so a file the program
// creates gets the spelling the program uses.
std::string ResolveContentPath(std::string_view path);

// A picture of the interface language when the content has one: the language suffix before the
// ending ("skins\lesson\Login.bmp" with "fr": "skins\lesson\Login_fr.bmp"); otherwise the path
// as given. Pictures with words are drawn per language; the others serve every language.
std::string LanguagePicturePath(const std::string& path, const std::string& languageSuffix);

// The folder of the running executable, with a trailing '/'.
std::string GetProgramFolder();
// Makes GetProgramFolder return another folder (with a trailing '/'), as tests that run the
// windows over a program folder of their own do; an empty folder restores the executable's.
void OverrideProgramFolder(const std::string& folder);

// The executable's file name without its extension ("tessalyne").
std::string GetExecutableBaseName();
