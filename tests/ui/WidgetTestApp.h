#pragma once

#include <QApplication>

// The application object widget tests need; made on first use and kept for the whole run.
inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "ui_widget_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
