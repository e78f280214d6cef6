#pragma once

#include <QImage>
#include <QString>
#include <map>

// Every button face of the program by resource id: pairs of hover and normal faces on pure red.
std::map<int, QImage> MakeButtonFaces();

// What each face shows, for the contact sheet.
std::map<int, QString> ButtonFaceCaptions();
