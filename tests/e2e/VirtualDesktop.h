#pragma once

#include <QPoint>
#include <QProcess>
#include <string>
#include <vector>

namespace e2e {

// A virtual X display (Xvfb) with the learner's hands on it: the mouse and the keyboard are
// driven through xdotool, so the program gets the same events a person would give it.
class VirtualDesktop {
public:
    VirtualDesktop();
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    bool IsRunning() const { return !m_display.empty(); }
    // ":<number>", for DISPLAY.
    const std::string& Display() const { return m_display; }

    void Click(QPoint at);
    void DoubleClick(QPoint at);
    void Type(const std::string& text);
    void Key(const std::string& keyName);
    // Presses the left button at the first point, moves through the others, releases at the last.
    void Drag(const std::vector<QPoint>& points);
    // The whole screen as a PNG file.
    bool Screenshot(const std::string& path);

private:
    bool Run(const QString& program, const QStringList& arguments);
    bool Xdotool(const QStringList& arguments) { return Run("xdotool", arguments); }

    QProcess m_server;
    std::string m_display;
};

} // namespace e2e
