#pragma once

#include <QColor>

// The colours the practice windows draw their own controls in, matching the artwork's palette:
// ink for texts, teal for the frame, green for what is right and red for what is wrong (each with
// a light tint for grounds), and the paper ground Chinese pictures are drawn on.
namespace practicecolours {

inline const QColor kInk{46, 58, 75};
inline const QColor kMuted{120, 128, 138};
inline const QColor kTeal{47, 127, 122};
inline const QColor kTealDark{33, 94, 90};
inline const QColor kTealLight{207, 230, 226};
inline const QColor kRight{61, 125, 82};
inline const QColor kRightLight{214, 236, 219};
inline const QColor kWrong{178, 60, 32};
inline const QColor kWrongLight{248, 221, 212};
inline const QColor kGround{255, 253, 247};

} // namespace practicecolours
