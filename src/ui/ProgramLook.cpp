#include "ui/ProgramLook.h"

#include <QMenu>

namespace programlook {

QFont Font(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void StyleMenu(QMenu& menu) {
    menu.setFont(Font(13));
    menu.setStyleSheet(QStringLiteral(
        "QMenu { background: #fffdf7; color: #2e3a4b; border: 1px solid #2f7f7a; padding: 4px; }"
        "QMenu::item { padding: 5px 20px 5px 14px; }"
        "QMenu::item:selected { background: #cfe6e2; color: #215e5a; }"
        "QMenu::separator { height: 1px; background: #cfe6e2; margin: 2px 6px; }"));
}

} // namespace programlook
