#pragma once

#include <QFont>

class QMenu;

// The look of the program's own controls, matching its artwork: the artwork's sans-serif face and
// palette (ink text on paper, teal frames and highlights).
namespace programlook {

// The face the artwork writes its words in.
QFont Font(int pixelSize, bool bold = false);
// A pop-up menu in the program's colours and face instead of the desktop's default menu.
void StyleMenu(QMenu& menu);

} // namespace programlook
