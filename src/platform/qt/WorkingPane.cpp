#include "WorkingPane.h"

#include "FirstShow.h"
#include "QtControls.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace platform::qt {

WorkingPane::WorkingPane(QWidget* host)
    : pane(host, QStringLiteral("working"), QCoreApplication::translate("WorkingPane", "Working"))
{
    onFirstShow(host->window(), [this, host] { buildButton(host); });
}

void WorkingPane::buildButton(QWidget* host)
{
    button = paneButton(host, QStringLiteral("showWorking"),
                        QCoreApplication::translate("WorkingPane", "Wor&king"),
                        QCoreApplication::translate("WorkingPane", "Show working"),
                        QCoreApplication::translate(
                            "WorkingPane", "Show or hide how the last result was worked out"),
                        [this](bool checked) { setShown(checked); });
    host->layout()->addWidget(button);
    host->layout()->setAlignment(button, Qt::AlignLeft);
    placeInTabOrder(button);
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
