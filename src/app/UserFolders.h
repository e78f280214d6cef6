#pragma once

#include <string>

// The places the program writes for the system user who runs it. The program folder is only read
// (an installation makes it read-only and shares it between users), so the learners' tables, the
// settings the program changes, the log and the scratch files live in the user's own folders.
// Every folder is returned with a trailing '/'; nothing here creates it.

// $XDG_CONFIG_HOME/ (default ~/.config/), the root of every program's settings.
std::string ConfigHome();
// $XDG_DATA_HOME/Tessalyne/ (default ~/.local/share/Tessalyne/).
std::string UserDataFolder();
// $XDG_CONFIG_HOME/Tessalyne/ (default ~/.config/Tessalyne/).
std::string UserConfigFolder();
// $XDG_STATE_HOME/Tessalyne/ (default ~/.local/state/Tessalyne/).
std::string UserStateFolder();

// The learners' accounts, scores and trainer cards of this system user.
std::string LearnerDatabasePath();

// A settings file the program writes (`relative` to the program folder, such as "TSSet.ini" or
// "Lesson_res\lessonres_en.ini"): the user's copy in the configuration folder.
std::string UserSettingsPath(const std::string& relative);
// The file to read that setting from: the user's copy once there is one, else the program
// folder's default.
std::string SettingsPathToRead(const std::string& relative);
// Makes the folder the user's copy lives in; false when it cannot be made.
bool MakeUserSettingsFolder(const std::string& relative);

// Sends the trace log to $XDG_STATE_HOME/Tessalyne/Log/<executable>.log, making the folder; called
// before the first line is written.
void LogToUserStateFolder();

// A fresh private scratch folder (mode 0700, made with mkdtemp) under $XDG_RUNTIME_DIR, else
// $TMPDIR, else /tmp: "<parent>/<application>-XXXXXX", no trailing separator. Empty when none could
// be made; `error` then says why.
std::string MakeScratchFolder(const std::string& application, std::string& error);

// Removes the scratch folders that instances of `application` killed before their clean-up left
// behind (only the caller's own); called by a program that admits one instance per user once it
// knows no other one runs. Returns how many were removed.
int RemoveLeftoverScratchFolders(const std::string& application);
