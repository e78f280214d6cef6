#pragma once

#include <QKeyEvent>

// Child dialogs that must never close swallow Enter and Escape: true when the key was swallowed.
inline bool SwallowDialogKeys(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
        return false;
    event->accept();
    return true;
}
