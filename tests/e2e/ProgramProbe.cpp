#include "ProgramProbe.h"

#include "app/FileUtils.h"
#include "fixtures/TempFolder.h"

#include <QString>
#include <QStringList>
#include <QThread>

namespace e2e {
namespace {

constexpr int kPollMs = 100;

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

std::vector<QPoint> ParsePoints(const std::string& text) {
    std::vector<QPoint> points;
    for (const QString& pair : QString::fromStdString(text).split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(',');
        if (xy.size() == 2)
            points.emplace_back(xy[0].toInt(), xy[1].toInt());
    }
    return points;
}

Widgets ParseWidgets(const std::string& text) {
    Widgets widgets;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::vector<std::string> f = SplitTabs(text.substr(start, end - start));
        start = end + 1;
        if (f.size() == 2 && f[0] == "stroke" && !widgets.empty())
            widgets.back().strokes.push_back(ParsePoints(f[1]));
        else if (f.size() == 2 && f[0] == "face" && !widgets.empty())
            widgets.back().face = std::stoi(f[1]);
        else if (f.size() == 6 && f[0] == "action" && !widgets.empty())
            widgets.back().actions.emplace_back(
                f[1], QRect(std::stoi(f[2]), std::stoi(f[3]), std::stoi(f[4]), std::stoi(f[5])));
        else if (f.size() == 8)
            widgets.push_back({f[0],
                               f[1],
                               QRect(std::stoi(f[2]), std::stoi(f[3]), std::stoi(f[4]), std::stoi(f[5])),
                               f[6],
                               f[7],
                               {},
                               {}});
    }
    return widgets;
}

} // namespace

Widgets Find(const Widgets& all, const std::string& type, const std::string& name,
             const std::string& window) {
    Widgets found;
    for (const Widget& w : all)
        if (w.type == type && (name.empty() || w.name == name) && (window.empty() || w.window == window))
            found.push_back(w);
    return found;
}

std::string ShownText(const Widgets& all, const std::string& type, const std::string& name,
                      const std::string& window) {
    const Widgets found = Find(all, type, name, window);
    return found.empty() ? std::string() : found.front().text;
}

ProgramProbe::ProgramProbe(std::string folder) : m_folder(std::move(folder)) {
    MakeDirectoryPath(m_folder);
}

Widgets ProgramProbe::Describe() {
    const std::string request = m_folder + "/request";
    const std::string answer = m_folder + "/widgets.txt";
    std::remove(answer.c_str());
    WriteTextFile(request, "");
    for (int waited = 0; waited < 10000 && FileExists(request) && IsRunning(); waited += 20)
        QThread::msleep(20);
    return ParseWidgets(ReadWholeFile(answer).value_or(""));
}

std::optional<Widgets> ProgramProbe::WaitFor(const std::function<bool(const Widgets&)>& ready,
                                             int milliseconds) {
    for (int waited = 0; waited <= milliseconds && IsRunning(); waited += kPollMs) {
        Widgets widgets = Describe();
        if (ready(widgets))
            return widgets;
        QThread::msleep(kPollMs);
    }
    return std::nullopt;
}

} // namespace e2e
