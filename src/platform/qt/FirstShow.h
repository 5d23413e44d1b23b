// Builds part of a window the first time the window is shown, not at start:
// the buttons and panes a tool offers beside its own fields.
#pragma once

#include <QWidget>

#include <functional>

namespace platform::qt {

// Runs build once, as the window is first shown, before it is laid out.
void onFirstShow(QWidget* window, std::function<void()> build);

} // namespace platform::qt
