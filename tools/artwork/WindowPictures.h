#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <vector>

// A picture that goes into the program folder (skins and dialog pictures), by relative path.
struct ProgramPicture {
    QString path;
    QImage image;
};

// Window skins (pure green outside their shapes) and the pictures of the image folder.
std::vector<ProgramPicture> MakeProgramPictures();

// Pictures compiled into the program that are not button faces: the menu side strip, the pictures
// of the information dialogs and the window icon.
std::map<int, QImage> MakeResourcePictures();

// The pointing hand, with its hot spot stored as the text keys "HotSpotX" and "HotSpotY".
QImage MakeHandCursor();

// The window icon, drawn at `side` pixels square (also the desktop's icons of every size).
QImage MakeAppIcon(int side);
