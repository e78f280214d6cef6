#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

// The one visual style of the program's artwork: a calm palette of teal, cream and warm amber,
// rounded shapes and plain sans-serif labels.
namespace art {

inline const QColor kInk{46, 58, 75};
inline const QColor kTeal{47, 127, 122};
inline const QColor kTealDark{33, 94, 90};
inline const QColor kTealLight{207, 230, 226};
inline const QColor kCream{252, 245, 223}; // the list and panel background of the windows
inline const QColor kPaper{255, 253, 247};
inline const QColor kAmber{227, 160, 58};
inline const QColor kAmberLight{248, 227, 190};
inline const QColor kGreen{90, 158, 111};
inline const QColor kGreenLight{214, 236, 219};
inline const QColor kCoral{217, 105, 79};
inline const QColor kMuted{150, 158, 168};

inline constexpr QRgb kRedKey = 0xFFFF0000;   // transparent colour of button faces
inline constexpr QRgb kGreenKey = 0xFF00FF00; // transparent colour of skins

enum class Icon {
    None,
    Close,
    Minimise,
    Note,
    ArrowUp,
    ArrowDown,
    ChevronDown,
    Speaker,
    SpeakerWaves,
    SpeakerMuted,
    Play,
    Pen,
    Star,
    Scene,
    Book,
    Page,
    Bulb,
    Quote,
    Letters,
    Back,
    Check,
    Info,
    Globe,
    Help,
    Exit,
    Cards,
    Sliders,
    Refresh,
    Film,
    Pinyin
};

// A transparent canvas to draw on with antialiasing.
QImage Canvas(QSize size);
QPainter* BeginPainter(QPainter& painter, QImage& canvas);
// Draws a picture of the given size on a canvas and flattens it onto the key colour.
QImage Drawn(QSize size, QRgb key, const std::function<void(QPainter&)>& draw);

// Turns a drawn canvas into an opaque picture: pixels less than half covered get the key colour,
// the others their own colour without blending into the key, so no key-coloured fringe remains.
QImage Flatten(const QImage& canvas, QRgb key);

QFont UiFont(int pixelSize, bool bold = false);

// A rounded panel with a soft top-to-bottom gradient and a border.
void Panel(QPainter& painter, const QRectF& rect, double radius, const QColor& top, const QColor& bottom,
           const QColor& border, double borderWidth = 1.5);
// A flat inset of a skin with a thin border, where the window draws a picture or a control.
void Inset(QPainter& painter, const QRectF& rect, const QColor& fill, double radius = 12);
// The fill of the header insets under the lesson head and pane title pictures, which fill them.
QColor HeaderInsetFill();
// An inset field (white box with a thin border) where a control will sit.
void Field(QPainter& painter, const QRectF& rect);
void Label(QPainter& painter, const QRectF& rect, const QString& text, int pixelSize, const QColor& colour,
           Qt::Alignment align = Qt::AlignCenter, bool bold = false);
// A line-drawn icon fitted into the square of side size centred in rect.
void DrawIcon(QPainter& painter, Icon icon, const QRectF& rect, const QColor& colour);

} // namespace art
