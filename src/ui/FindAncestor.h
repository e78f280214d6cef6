#pragma once

#include <QWidget>

// The nearest ancestor widget that implements `Interface` (a pane finds the window it serves).
template <class Interface> Interface* FindAncestor(const QWidget* widget) {
    for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* found = dynamic_cast<Interface*>(w))
            return found;
    return nullptr;
}
