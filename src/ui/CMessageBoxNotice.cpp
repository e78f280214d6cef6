#include "ui/CMessageBoxNotice.h"

#include <QApplication>
#include <QMessageBox>

void CMessageBoxNotice::Show(Kind kind, const std::string& title, const std::string& text) {
    const QString t = QString::fromStdString(title);
    const QString m = QString::fromStdString(text);
    QWidget* parent = QApplication::activeWindow();
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(parent, t, m);
        break;
    case Kind::Warning:
        QMessageBox::warning(parent, t, m);
        break;
    case Kind::Error:
        QMessageBox::critical(parent, t, m);
        break;
    }
}

bool CMessageBoxNotice::Ask(const std::string& title, const std::string& text) {
    return QMessageBox::question(QApplication::activeWindow(), QString::fromStdString(title),
                                 QString::fromStdString(text)) == QMessageBox::Yes;
}
