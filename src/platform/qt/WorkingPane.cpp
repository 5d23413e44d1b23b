#include "WorkingPane.h"

#include "FirstShow.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace platform::qt {

WorkingPane::WorkingPane(QWidget* window)
    : pane(window, QStringLiteral("working"), QCoreApplication::translate("WorkingPane", "Working"))
{
    onFirstShow(window, [this, window] { buildButton(window); });
}

void WorkingPane::buildButton(QWidget* window)
{
    button = new QPushButton(window);
    button->setObjectName(QStringLiteral("showWorking"));
    button->setText(QCoreApplication::translate("WorkingPane", "Wor&king"));
    button->setAccessibleName(QCoreApplication::translate("WorkingPane", "Show working"));
    button->setToolTip(QCoreApplication::translate(
        "WorkingPane", "Show or hide how the last result was worked out"));
    button->setCheckable(true);
    // Return in a field presses the window's own button, never this one.
    button->setAutoDefault(false);
    window->layout()->addWidget(button);
    window->layout()->setAlignment(button, Qt::AlignLeft);
    QObject::connect(button, &QPushButton::toggled, button,
                     [this](bool checked) { setShown(checked); });
    button->show();
}

void WorkingPane::show(const std::vector<Text>& lines)
{
    last = lines;
    if (button != nullptr && button->isChecked())
        setShown(true);
}

void WorkingPane::setShown(bool shown)
{
    if (!shown) {
        if (pane.view() != nullptr)
            pane.view()->hide();
        return;
    }
    if (!last.empty()) {
        pane.show(last);
        return;
    }
    pane.show({Text{
        PHYSCALC_TRANSLATE_NOOP("WorkingPane", "Press a button: its working shows here."), {}}});
}

} // namespace platform::qt
