// A tool window's working: a checkable button at the foot of the window that
// shows or hides it, built when the window is first shown, and the pane
// itself, built the first time the button shows it.
// While it is hidden, the window keeps only the last lines it was given.
#pragma once

#include "TextPaneView.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace platform::qt {

class WorkingPane final : public TextPane
{
public:
    explicit WorkingPane(QWidget* window);

    void show(const std::vector<Text>& lines) override;

    // Null until the window is first shown.
    QPushButton* toggle() const { return button; }
    // Null until the pane is first shown.
    QPlainTextEdit* view() const { return pane.view(); }

private:
    void buildButton(QWidget* window);
    void setShown(bool shown);

    QPointer<QPushButton> button;
    TextPaneView pane;
    std::vector<Text> last;
};

} // namespace platform::qt
