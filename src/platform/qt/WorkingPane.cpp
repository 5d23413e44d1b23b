#include "WorkingPane.h"

#include "FirstShow.h"
#include "QtControls.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>

namespace platform::qt {

WorkingPane::WorkingPane(QWidget* hostWidget)
    : host(hostWidget)
    , pane(hostWidget, QStringLiteral("working"),
           QCoreApplication::translate("WorkingPane", "Working"))
{
    onFirstShow(hostWidget->window(), [this] { buildButton(); });
}

void WorkingPane::buildButton()
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

void WorkingPane::setAccessory(std::function<QWidget*(QWidget*)> build)
{
    buildAccessory = std::move(build);
}

void WorkingPane::setShown(bool shown)
{
    if (shown && accessory == nullptr && buildAccessory && host != nullptr) {
        accessory = buildAccessory(host);
        host->layout()->addWidget(accessory);
        placeInTabOrder(accessory);
    }
    if (accessory != nullptr)
        accessory->setVisible(shown);
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
