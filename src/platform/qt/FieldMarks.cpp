#include "FieldMarks.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStyle>

namespace platform::qt {

namespace {

// Each mark's text, and the field's own tooltip and colours, live in dynamic
// properties of the line edit: a field without marks carries nothing extra.
const char* propertyOf(FieldMark mark)
{
    switch (mark) {
    case FieldMark::Note:
        return "physcalcNote";
    case FieldMark::Computed:
        return "physcalcComputed";
    case FieldMark::Stale:
        return "physcalcStale";
    }
    return "";
}

constexpr const char* ownToolTip = "physcalcToolTip";
constexpr const char* ownDescription = "physcalcDescription";
constexpr const char* ownText = "physcalcText";
constexpr const char* watched = "physcalcWatched";
constexpr FieldMark allMarks[] = {FieldMark::Note, FieldMark::Computed, FieldMark::Stale};

QAction* noteAction(QLineEdit* edit)
{
    return edit->findChild<QAction*>(QStringLiteral("readingMark"), Qt::FindDirectChildrenOnly);
}

// Shows the marks now set: the sign, the italics, the dimming, the texts.
void showMarks(QLineEdit* edit)
{
    const QString note = edit->property(propertyOf(FieldMark::Note)).toString();
    QAction* action = noteAction(edit);
    if (!note.isEmpty() && action == nullptr) {
        action = new QAction(edit);
        action->setObjectName(QStringLiteral("readingMark"));
        action->setIcon(edit->style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, edit));
        edit->addAction(action, QLineEdit::TrailingPosition);
    }
    if (action != nullptr) {
        action->setToolTip(note);
        action->setVisible(!note.isEmpty());
    }

    QFont font = edit->font();
    font.setItalic(hasFieldMark(edit, FieldMark::Computed));
    edit->setFont(font);

    QPalette palette = edit->palette();
    const QBrush own = edit->property(ownText).value<QBrush>();
    const QBrush text = hasFieldMark(edit, FieldMark::Stale)
                            ? palette.brush(QPalette::Disabled, QPalette::Text)
                            : own;
    palette.setBrush(QPalette::Active, QPalette::Text, text);
    palette.setBrush(QPalette::Inactive, QPalette::Text, text);
    edit->setPalette(palette);

    QStringList descriptions;
    for (const FieldMark mark : allMarks) {
        const QString markText = edit->property(propertyOf(mark)).toString();
        if (!markText.isEmpty())
            descriptions.append(markText);
    }
    const QString toolTip = edit->property(ownToolTip).toString();
    const QString description = edit->property(ownDescription).toString();
    edit->setToolTip(note.isEmpty() ? toolTip : note + QLatin1Char('\n') + toolTip);
    if (!description.isEmpty())
        descriptions.append(description);
    edit->setAccessibleDescription(descriptions.join(QLatin1Char(' ')));
}

void clearMarks(QLineEdit* edit)
{
    for (const FieldMark mark : allMarks)
        edit->setProperty(propertyOf(mark), QString());
    showMarks(edit);
}

} // namespace

void setFieldMark(QLineEdit* edit, FieldMark mark, const QString& text)
{
    if (text.isEmpty() && !hasFieldMark(edit, mark))
        return;
    if (!edit->property(watched).toBool()) {
        edit->setProperty(watched, true);
        edit->setProperty(ownToolTip, edit->toolTip());
        edit->setProperty(ownDescription, edit->accessibleDescription());
        edit->setProperty(ownText, QVariant::fromValue(edit->palette().brush(QPalette::Text)));
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] { clearMarks(edit); });
    }
    edit->setProperty(propertyOf(mark), text);
    showMarks(edit);
}

bool hasFieldMark(const QLineEdit* edit, FieldMark mark)
{
    return !edit->property(propertyOf(mark)).toString().isEmpty();
}

namespace {

QString staleText()
{
    return QCoreApplication::translate("FieldMarks",
                                       "Out of date: an input changed since this was computed.");
}

} // namespace

void markStaleOnEdit(std::initializer_list<QLineEdit*> inputs,
                     std::initializer_list<QLineEdit*> results,
                     std::initializer_list<QAbstractButton*> buttons)
{
    const std::vector<QLineEdit*> shown(results);
    for (QLineEdit* input : inputs) {
        QObject::connect(input, &QLineEdit::textEdited, input, [shown] {
            for (QLineEdit* result : shown) {
                if (!result->text().isEmpty())
                    setFieldMark(result, FieldMark::Stale, staleText());
            }
        });
    }
    for (QAbstractButton* button : buttons) {
        QObject::connect(button, &QAbstractButton::clicked, button, [shown] {
            for (QLineEdit* result : shown)
                setFieldMark(result, FieldMark::Stale, QString());
        });
    }
}

void solveOnReturn(const std::vector<std::pair<QLineEdit*, QAbstractButton*>>& group)
{
    for (const auto& [target, button] : group) {
        // After the action, which was connected first, has written the field.
        QObject::connect(button, &QAbstractButton::clicked, target, [target = target] {
            setFieldMark(target, FieldMark::Stale, QString());
            setFieldMark(target, FieldMark::Computed,
                         QCoreApplication::translate("FieldMarks", "Computed by its button."));
        });
        QObject::connect(target, &QLineEdit::textEdited, target, [group, edited = target] {
            for (const auto& [other, unused] : group) {
                if (other != edited && hasFieldMark(other, FieldMark::Computed))
                    setFieldMark(other, FieldMark::Stale, staleText());
            }
        });
        QObject::connect(target, &QLineEdit::returnPressed, target, [group] {
            for (const auto& [field, fieldButton] : group) {
                if (field->text().trimmed().isEmpty()) {
                    fieldButton->click();
                    return;
                }
            }
            for (const auto& [field, fieldButton] : group) {
                if (hasFieldMark(field, FieldMark::Computed)) {
                    fieldButton->click();
                    return;
                }
            }
        });
    }
}

} // namespace platform::qt
