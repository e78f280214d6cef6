#include "lesson/DialogControls.h"

#include "app/ContentPath.h"
#include "app/Globals.h"
#include "audio/AudioMessages.h"
#include "audio/CSoundPlayer.h"
#include "ui/BitmapButton.h"

#include <QKeyEvent>
#include <QPainter>

namespace dialogs {

BitmapButton* AddButton(QWidget* parent, int id, const QRect& place, int hoverId, int normalId,
                        const QString& tooltip) {
    auto* button = new BitmapButton(parent);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    button->setGeometry(place);
    SetUpBitmapButton(button, hoverId, normalId, tooltip);
    return button;
}

void PaintMessage(QPainter& painter, const QRect& rect, const QString& text) {
    painter.setPen(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(rect, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
}

void PlayClickSound() {
    PlaySoundFile(GetProgramFolder() + "sound\\pagedownup.wav", SND_ASYNC | SND_FILENAME);
}

bool SwallowEnterEscape(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return true;
    default:
        return false;
    }
}

std::string LessonResFile(const std::string& name) {
    return GetProgramFolder() + "Lesson_res\\lesson_" + g_strLangSuffix + "\\" + name;
}

} // namespace dialogs
