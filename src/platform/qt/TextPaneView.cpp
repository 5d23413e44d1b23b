#include "TextPaneView.h"

#include "QtControls.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QLayout>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace platform::qt {

TextPaneView::TextPaneView(QWidget* hostWidget, const QString& name, const QString& spokenName)
    : host(hostWidget)
    , objectName(name)
    , accessibleName(spokenName)
{
}

TextPaneView::TextPaneView(QBoxLayout* inColumn, const QString& name, const QString& spokenName,
                           int height)
    : host(inColumn->parentWidget())
    , column(inColumn)
    , lines(height)
    , objectName(name)
    , accessibleName(spokenName)
{
}

void TextPaneView::show(const std::vector<Text>& shown)
{
    if (shown.empty() && edit == nullptr)
        return;
    if (edit == nullptr) {
        edit = new QPlainTextEdit(host);
        edit->setObjectName(objectName);
        edit->setAccessibleName(accessibleName);
        edit->setReadOnly(true);
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        edit->setTabChangesFocus(true);
        // Five lines even at the window's smallest, as wide as a drawing
        // beside the fields; a longer text scrolls.
        const int margins = 2 * (edit->frameWidth() + qRound(edit->document()->documentMargin()));
        const int line = edit->fontMetrics().lineSpacing();
        edit->setMinimumSize(line * 15, line * lines + margins);
        if (column != nullptr) {
            column->addWidget(edit);
        } else {
            if (host->layout() == nullptr)
                new QVBoxLayout(host);
            host->layout()->addWidget(edit);
        }
        placeInTabOrder(edit);
    }
    QStringList texts;
    for (const Text& line : shown)
        texts.append(translated(line));
    edit->setPlainText(texts.join(QLatin1Char('\n')));
    edit->setVisible(!shown.empty());
    // A screen reader hears what the press found out, not only the results.
    QAccessibleTextUpdateEvent event(edit, 0, QString(), edit->toPlainText());
    QAccessible::updateAccessibility(&event);
}

} // namespace platform::qt
