#pragma once

#include "CompanionProgram.h"
#include "ProgramProbe.h"

#include <QProcess>
#include <optional>
#include <string>

namespace e2e {

// The program started from a program folder, as a learner on a desktop starts it: its own home,
// configuration and runtime folders, the sound devices playing into a file and recording from
// one, and the test probe switched on.
class ProgramSession : public ProgramProbe {
public:
    struct Folders {
        std::string program;  // the program folder (holds the executable)
        std::string home;     // HOME; configuration, data and state folders are the usual ones in it
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
    ~ProgramSession() override;

    bool Start();
    bool IsRunning() override;
    // Waits for the program to end; its exit status, or nullopt when it did not end in time.
    std::optional<int> WaitForExit(int milliseconds);

    // A companion program (by its executable's name) that this program starts from its folder.
    CompanionProgram Companion(const std::string& executable) const;
    // Polls until a file exists.
    bool WaitForFile(const std::string& path, int milliseconds = 15000);

    std::string Log() const;
    std::string Output() override;
    // Bytes the sound device has played so far.
    long long PlayedBytes() const;

private:
    Folders m_folders;
    std::string m_display;
    QProcess m_process;
    std::string m_output;
};

} // namespace e2e
