// Finding and clicking the real windows' widgets in GUI tests.
#pragma once

#include <QString>
#include <QWidget>

namespace test {

// The top-level window with that object name, or none; two of them are a
// fatal error.
QWidget* topLevel(const QString& name);

// The child with that object name; its absence is a fatal error.
template <class Child = QWidget>
Child* find(QWidget* window, const char* name)
{
    auto* found = window->findChild<Child*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("%s has no %s", qPrintable(window->objectName()), name);
    return found;
}

// The key of a label's or button's mnemonic, in lower case; none without one.
QChar mnemonic(const QString& text);

// What a screen reader is told a widget's value is.
QString accessibleValue(QWidget* widget);

// A click delivered through the window system, as a user's would be, so that
// modality applies to it.
void clickThroughWindow(QWidget* widget);

} // namespace test
