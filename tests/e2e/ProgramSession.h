#pragma once

#include <QPoint>
#include <QProcess>
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

    QPoint Centre() const { return rect.center(); }
};

using Widgets = std::vector<Widget>;

// Widgets of `type` (and `name`, `window` when not empty).
Widgets Find(const Widgets& all, const std::string& type, const std::string& name = "",
             const std::string& window = "");

// The program started from a program folder, as a learner on a desktop starts it: its own home,
// configuration and runtime folders, the sound devices playing into a file and recording from
// one, and the test probe switched on.
class ProgramSession {
public:
    struct Folders {
        std::string program;  // the program folder (holds the executable)
        std::string home;     // HOME; the configuration folder is home/.config
        std::string runtime;  // XDG_RUNTIME_DIR
        std::string temp;     // TMPDIR
        std::string probe;    // where the probe answers
        std::string played;   // raw samples played
        std::string captured; // raw samples the "microphone" gives
        std::string alsaConfig;
        // An empty ALSA configuration instead of the file device, as on a machine without ALSA data.
        bool emptyAlsaConfig = false;
    };

    ProgramSession(Folders folders, std::string display);
    ~ProgramSession();

    bool Start();
    bool IsRunning();
    // Waits for the program to end; its exit status, or nullopt when it did not end in time.
    std::optional<int> WaitForExit(int milliseconds);

    // Asks the probe for every visible widget.
    Widgets Describe();
    // Polls until `ready` holds for the described widgets (or the time is up); the last
    // description, or nullopt on a time-out.
    std::optional<Widgets> WaitFor(const std::function<bool(const Widgets&)>& ready,
                                   int milliseconds = 15000);
    // Polls until a file exists.
    bool WaitForFile(const std::string& path, int milliseconds = 15000);

    std::string Log() const;
    std::string Output();
    // Bytes the sound device has played so far.
    long long PlayedBytes() const;

private:
    Folders m_folders;
    std::string m_display;
    QProcess m_process;
    std::string m_output;
};

} // namespace e2e
