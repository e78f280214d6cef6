#pragma once

#include <string>

class CShockwaveFlash;
class QWidget;

// Nocontent.swf of the interface language, the movie a page without content shows.
std::string NoContentMoviePath();
// Covers the pane with a movie control (id 1024, created on first use: pass the one the pane has
// or nullptr) playing the no-content movie; returns the control.
CShockwaveFlash* ShowNoContentMovie(QWidget* pane, CShockwaveFlash* existing);
