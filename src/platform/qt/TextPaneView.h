// A window's notes or working on screen: lines of text made below Qt,
// translated here, shown in a read-only, selectable pane that is built the
// first time it has something to say.
#pragma once

#include "Text.h"
#include "TranslatedText.h"

#include <QPointer>
#include <QString>

class QBoxLayout;
class QPlainTextEdit;
class QWidget;

namespace platform::qt {

class TextPaneView final : public TextPane
{
public:
    // The pane goes into host's layout, which the form leaves empty; its
    // object and accessible names are given here, the latter translated.
    TextPaneView(QWidget* host, const QString& objectName, const QString& accessibleName);
    // The pane goes at the end of a column of the window's layout, at least
    // the given number of lines high.
    TextPaneView(QBoxLayout* column, const QString& objectName, const QString& accessibleName,
                 int lines);

    void show(const std::vector<Text>& lines) override;

    // Null until the first lines arrive.
    QPlainTextEdit* view() const { return edit; }

private:
    QPointer<QWidget> host;
    QBoxLayout* column = nullptr;
    int lines = 5;
    QString objectName;
    QString accessibleName;
    QPointer<QPlainTextEdit> edit;
};

} // namespace platform::qt
