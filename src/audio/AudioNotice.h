#pragma once

#include <string>

// Shows an error of an audio thread to the user. Message boxes belong to the user-interface
// thread: from any other thread the notice is queued to it and the worker goes on at once.
void ShowAudioError(const std::string& text);
