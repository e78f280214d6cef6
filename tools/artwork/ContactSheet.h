#pragma once

#include "WindowPictures.h"

#include <QImage>
#include <map>

// One sheet showing every skin (scaled, with the transparent green replaced by a grey backdrop) and
// every button face and picture at full size with its id; and one with all lesson button faces.
QImage MakeContactSheet(const std::vector<ProgramPicture>& pictures, const std::map<int, QImage>& faces,
                        const std::map<int, QImage>& resourcePictures, const QImage& cursor);
QImage MakeLessonFaceSheet(const std::map<int, QImage>& faces);
