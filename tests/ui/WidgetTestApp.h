#pragma once

#include <QApplication>

// The application object of the widget tests (made by their main()).
inline QApplication& TestApp() {
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}
