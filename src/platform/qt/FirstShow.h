// Builds part of a window the first time the window is shown, not at start:
// the keys, notes, buttons and parts a tool offers beside its own fields.
#pragma once

#include <QWidget>

#include <functional>

namespace platform::qt {

// Runs build once, as the window is first shown and before it is painted,
// then lays the window out and sizes it again around what was built. Of
// several builds on one window, the one asked for last runs first.
void onFirstShow(QWidget* window, std::function<void()> build);

} // namespace platform::qt
