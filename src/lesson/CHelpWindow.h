#pragma once

#include <QDialog>

class QTextBrowser;

// The user guide shown in a window of the program, for desktops that have no browser to open it
// in. Links between the pages (and the other language's guide) are followed inside it; web
// addresses go to whatever the desktop has for them.
class CHelpWindow : public QDialog {
public:
    CHelpWindow(const QString& guideFile, QWidget* parent);

    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};
