#include "lesson/CHelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(const QString& guideFile, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpwindow"));
    setWindowTitle(QStringLiteral("Tessalyne Lessons – Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("guide"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(guideFile));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(900, 720);
}
