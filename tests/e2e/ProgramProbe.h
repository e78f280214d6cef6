#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// One visible widget of the program as its test probe describes it.
struct Widget {
    std::string type;                                   // class name
    std::string name;                                   // object name (most controls carry their control id)
    QRect rect;                                         // on the screen
    std::string text;                                   // what it shows: caption, tooltip, word, text
    std::string window;                                 // class of its window
    std::vector<std::vector<QPoint>> strokes;           // writing pad: reference strokes
    std::vector<std::pair<std::string, QRect>> actions; // menu: items
    int face = 0;                                       // bitmap button: resource id of its face

    QPoint Centre() const { return rect.center(); }
};

using Widgets = std::vector<Widget>;

// Widgets of `type` (and `name`, `window` when not empty).
Widgets Find(const Widgets& all, const std::string& type, const std::string& name = "",
             const std::string& window = "");
// What the first of those widgets shows; empty when there is none.
std::string ShownText(const Widgets& all, const std::string& type, const std::string& name,
                      const std::string& window);

// A running program asked through its test probe: a request file written into the folder the probe
// watches is answered with the description of every visible widget.
class ProgramProbe {
public:
    explicit ProgramProbe(std::string folder);
    virtual ~ProgramProbe() = default;

    virtual bool IsRunning() = 0;
    // What the program has said so far (its output or its log), to explain a failure.
    virtual std::string Output() = 0;

    // Asks the probe for every visible widget.
    Widgets Describe();
    // Polls until `ready` holds for the described widgets (or the time is up); the last
    // description, or nullopt on a time-out.
    std::optional<Widgets> WaitFor(const std::function<bool(const Widgets&)>& ready,
                                   int milliseconds = 15000);

private:
    std::string m_folder;
};

} // namespace e2e
