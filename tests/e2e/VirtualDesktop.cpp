#include "VirtualDesktop.h"

#include <QProcessEnvironment>
#include <QThread>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace e2e {
namespace {

constexpr char kScreen[] = "1280x1024x24";

} // namespace

VirtualDesktop::VirtualDesktop() {
    // Xvfb picks a free display itself and writes its number into the pipe it is given.
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;
    m_server.setChildProcessModifier([writeEnd = pipeEnds[1]] { dup2(writeEnd, 3); });
    m_server.setProgram("Xvfb");
    m_server.setArguments({"-displayfd", "3", "-screen", "0", kScreen, "-nolisten", "tcp"});
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.setStandardErrorFile(QProcess::nullDevice());
    m_server.start();
    close(pipeEnds[1]);
    std::string number;
    char c = 0;
    while (m_server.state() != QProcess::NotRunning && read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(pipeEnds[0]);
    if (!number.empty())
        m_display = ":" + number;
}

VirtualDesktop::~VirtualDesktop() {
    m_server.terminate();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
    m_server.waitForFinished(5000);
}

bool VirtualDesktop::Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString::fromStdString(m_display));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void VirtualDesktop::Click(QPoint at) {
    Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

void VirtualDesktop::DoubleClick(QPoint at) {
    Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "--repeat", "2", "1"});
}

void VirtualDesktop::Type(const std::string& text) {
    Xdotool({"type", "--delay", "40", QString::fromStdString(text)});
}

void VirtualDesktop::Key(const std::string& keyName) {
    Xdotool({"key", QString::fromStdString(keyName)});
}

void VirtualDesktop::Drag(const std::vector<QPoint>& points) {
    if (points.empty())
        return;
    QStringList arguments{"mousemove", QString::number(points.front().x()),
                          QString::number(points.front().y()), "mousedown", "1"};
    for (QPoint p : points)
        arguments << "sleep"
                  << "0.02"
                  << "mousemove" << QString::number(p.x()) << QString::number(p.y());
    arguments << "sleep"
              << "0.05"
              << "mouseup"
              << "1";
    Xdotool(arguments);
}

bool VirtualDesktop::Screenshot(const std::string& path) {
    return Run("import", {"-window", "root", QString::fromStdString(path)});
}

} // namespace e2e
