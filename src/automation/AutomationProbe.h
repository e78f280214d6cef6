#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;
class CWritingPad;

// Compiled only into test builds: lets an end-to-end test see where things are on the screen, so
// it can drive the program with real mouse and key events the way a learner does. When the
// environment names a folder in TESSALYNE_AUTOMATION_DIR, the probe of the main program watches it
// and the probe of a companion program the subfolder named after its executable ("exercise/");
// each time a file "request" appears there it writes "widgets.txt" (a tab-separated line per
// visible widget: class, object name, screen x, y, width, height, what it shows, class of its
// window) and then removes the request. A writing pad is followed by "stroke" lines (its reference
// strokes on the screen), a menu by "action" lines (text and screen rectangle of each item), a
// bitmap button by a "face" line (the resource id of the bitmap it shows). The spelling check's
// syllable feedback shows as its verdict per syllable ("ni3:right hao3:tone").
class AutomationProbe : public QObject {
public:
    // Starts the probe when the environment asks for it; otherwise does nothing.
    static void StartIfRequested();

    explicit AutomationProbe(QString folder);

    // The lines of widgets.txt for every visible widget of the application.
    static QString DescribeWidgets();
    // The reference strokes of a writing pad as screen points, one stroke per line: "x,y x,y ...".
    static QString ReferenceStrokesOnScreen(const CWritingPad& pad);

private:
    void Poll();
    static QString DescribeWidget(const QWidget& widget);
    static QString ShownText(const QWidget& widget);

    QString m_folder;
    QTimer m_timer;
};
