// Builds part of a window the first time the window is shown, not at start:
// the keys, notes, buttons and parts a tool offers beside its own fields.
#pragma once

#include <QWidget>

#include <functional>

namespace platform::qt {

// Runs build once, as the window is first shown and before it is painted;
// after all of a window's builds, lays it out and sizes it again around what
// they added. The one asked for last runs first: the wiring asks for a tool's
// parts after its panes asked for their buttons, and the parts come first.
void onFirstShow(QWidget* window, std::function<void()> build);

} // namespace platform::qt
