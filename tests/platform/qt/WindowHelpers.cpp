#include "WindowHelpers.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace test {

QWidget* topLevel(const QString& name)
{
    QWidget* found = nullptr;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        if (widget->objectName() == name) {
            if (found != nullptr)
                qFatal("two top-level windows are named %s", qPrintable(name));
            found = widget;
        }
    }
    return found;
}

QChar mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == u'&') {
            if (text.at(i + 1) != u'&')
                return text.at(i + 1).toLower();
            ++i;
        }
    }
    return {};
}

QString accessibleValue(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Value) : QString();
}

void clickThroughWindow(QWidget* widget)
{
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(window, widget->rect().center()));
}

} // namespace test
