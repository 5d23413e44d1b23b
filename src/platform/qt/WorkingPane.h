// A tool window's working: a checkable button that shows or hides it, built
// when the window is first shown, and the pane itself below the button, built
// the first time the button shows it. Both go into a host the form leaves
// empty.
// While it is hidden, the window keeps only the last lines it was given.
#pragma once

#include "TextPaneView.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace platform::qt {

class WorkingPane final : public TextPane
{
public:
    explicit WorkingPane(QWidget* host);

    void show(const std::vector<Text>& lines) override;

    // A control shown above the working while it is shown, such as a choice
    // of how the working is done; built the first time the pane is.
    void setAccessory(std::function<QWidget*(QWidget*)> build);

    // Null until the window is first shown.
    QPushButton* toggle() const { return button; }
    // Null until the pane is first shown.
    QPlainTextEdit* view() const { return pane.view(); }

private:
    void buildButton();
    void setShown(bool shown);

    QPointer<QPushButton> button;
    QPointer<QWidget> host;
    std::function<QWidget*(QWidget*)> buildAccessory;
    QPointer<QWidget> accessory;
    TextPaneView pane;
    std::vector<Text> last;
};

} // namespace platform::qt
