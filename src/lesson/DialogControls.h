#pragma once

#include <QRect>
#include <QString>
#include <string>

class BitmapButton;
class QKeyEvent;
class QPainter;
class QWidget;

// Small pieces the lesson dialogs share.
namespace dialogs {

// A bitmap button with the control id as its object name, placed and set up with its faces.
BitmapButton* AddButton(QWidget* parent, int id, const QRect& place, int hoverId, int normalId,
                        const QString& tooltip = {});
// A message painted in white, word-wrapped in the rectangle, on a transparent ground.
void PaintMessage(QPainter& painter, const QRect& rect, const QString& text);
// The click sound of every button: program folder + "sound\pagedownup.wav", played asynchronously.
void PlayClickSound();

// Windows that must not close on the keyboard swallow Enter and Escape; true when it was one of them.
bool SwallowEnterEscape(QKeyEvent* event);
// A picture of the interface language: program folder + "Lesson_res\lesson_<suffix>\" + name.
std::string LessonResFile(const std::string& name);

} // namespace dialogs
