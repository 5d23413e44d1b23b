// Qt adapters for fields, choice controls, windows and sheets.
#include "QtControls.h"

#include "FieldMarks.h"
#include "TextPaneView.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace platform::qt {

namespace {

QWidget* widgetOf(Window& window)
{
    return dynamic_cast<WidgetWindow&>(window).widget();
}

// The window-modal dialog currently attached to the window, if any.
QDialog* attachedSheet(QWidget* window)
{
    const auto dialogs = window->findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    for (QDialog* dialog : dialogs) {
        if (dialog->isVisible() && dialog->windowModality() == Qt::WindowModal)
            return dialog;
    }
    return nullptr;
}

// Over the middle of its window, and wide enough for its whole title: a
// dialog left to the window manager on its first showing may land far from
// a window that has only just been mapped, with its title cut short.
void placeOver(QDialog* dialog, QWidget* window)
{
    dialog->ensurePolished();
    // Room for the title and the title bar's buttons, in the dialog's font.
    const int titleBar = dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, dialog);
    const int titleWidth =
        dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + 4 * titleBar;
    dialog->setMinimumWidth(std::max(dialog->minimumSizeHint().width(), titleWidth));
    dialog->adjustSize();
    // move() places the frame, title bar included.
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(window->frameGeometry().center());
    dialog->move(frame.topLeft());
    keepOnScreen(dialog);
}

// The widgets that a layout and the layouts of its widgets hold, in the
// order they were added: for the tool windows, the reading order.
void collectLaidOut(const QLayout* layout, QList<QWidget*>& widgets)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* widget = item->widget()) {
            widgets.append(widget);
            if (widget->layout() != nullptr)
                collectLaidOut(widget->layout(), widgets);
        } else if (const QLayout* inner = item->layout()) {
            collectLaidOut(inner, widgets);
        }
    }
}

bool takesTab(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) != 0;
}

} // namespace

LineEditField::LineEditField(QLineEdit* lineEdit)
    : edit(lineEdit)
{
}

std::string LineEditField::stringValue() const
{
    return edit->text().toStdString();
}

void LineEditField::setStringValue(const std::string& text)
{
    edit->setText(QString::fromStdString(text));
    // Show the start of a text too long for the field: the digits before the
    // point matter more than the last decimals.
    edit->setCursorPosition(0);
}

void LineEditField::setText(const Text& text)
{
    edit->setText(translated(text));
    edit->setCursorPosition(0);
}

std::string LineEditField::label() const
{
    return edit->accessibleName().toStdString();
}

void LineEditField::setMark(const std::optional<Text>& note)
{
    setFieldMark(edit, FieldMark::Note, note ? translated(*note) : QString());
}

PlainTextField::PlainTextField(QPlainTextEdit* textEdit)
    : edit(textEdit)
{
}

std::string PlainTextField::stringValue() const
{
    return edit != nullptr ? edit->toPlainText().toStdString() : held;
}

void PlainTextField::setStringValue(const std::string& text)
{
    if (edit == nullptr) {
        held = text;
        return;
    }
    edit->setPlainText(QString::fromStdString(text));
}

void PlainTextField::attach(QPlainTextEdit* built)
{
    edit = built;
    edit->setPlainText(QString::fromStdString(std::exchange(held, {})));
}

ComboBoxChoice::ComboBoxChoice(QComboBox* comboBox)
    : box(comboBox)
{
}

std::string ComboBoxChoice::title() const
{
    return box->currentText().toStdString();
}

void ComboBoxChoice::setTitle(const std::string& title)
{
    const int index = box->findText(QString::fromStdString(title));
    if (index >= 0)
        box->setCurrentIndex(index);
}

LabelPane::LabelPane(QLabel* shown)
    : label(shown)
{
}

void LabelPane::show(const std::vector<Text>& lines)
{
    QStringList texts;
    for (const Text& line : lines)
        texts.append(translated(line));
    label->setText(texts.join(QLatin1Char('\n')));
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

WidgetWindow::WidgetWindow(QWidget* widget)
    : window(widget)
{
}

void WidgetWindow::makeKeyAndOrderFront(Sender)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    keepOnScreen(window);
    window->raise();
    window->activateWindow();
}

void WidgetWindow::orderOut(Sender)
{
    window->hide();
}

SheetDialog::SheetDialog(QWidget* parent)
    : QDialog(parent)
{
}

void SheetDialog::setRejectHandler(std::function<void()> handler)
{
    rejectHandler = std::move(handler);
}

void SheetDialog::reject()
{
    if (rejectHandler)
        rejectHandler();
}

void SheetDialog::setFirstInput(QLineEdit* input)
{
    firstInput = input;
    input->installEventFilter(this);
}

// Placed as it is shown, after what its first showing builds and before the
// window system maps it.
void SheetDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (parentWidget() != nullptr)
        placeOver(this, parentWidget()->window());
    if (firstInput) {
        selectOnFocus = true;
        firstInput->setFocus(Qt::OtherFocusReason);
    }
}

// The text is selected once the focus has arrived and the line edit has
// finished its own queued work on focus, which clears a selection made any
// earlier.
bool SheetDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == firstInput && event->type() == QEvent::FocusIn && selectOnFocus) {
        selectOnFocus = false;
        QMetaObject::invokeMethod(firstInput, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void QtApplication::beginSheet(Window& sheet, Window& docWindow)
{
    auto* dialog = qobject_cast<QDialog*>(widgetOf(sheet));
    QWidget* window = widgetOf(docWindow);
    // A window carries one sheet at a time; another one asked for meanwhile
    // is not shown.
    if (QDialog* attached = attachedSheet(window); attached != nullptr && attached != dialog)
        return;
    if (dialog->parentWidget() != window)
        dialog->setParent(window, dialog->windowFlags());
    // A sheet that had the focus when it was hidden is still Qt's focus
    // window, so showing it again activates nothing and it takes no keys
    // (offscreen, and xcb without a window manager): each confirm shows the
    // new-vector sheet again, and the count panel comes back after Cancel.
    // Giving the window the focus first makes the sheet's activation a change
    // again. Not QWidget::activateWindow: it skips a window whose sheet has
    // the focus, as it counts as active.
    if (QGuiApplication::focusWindow() == dialog->windowHandle() && window->windowHandle())
        window->windowHandle()->requestActivate();
    // A sheet dialog places itself as it is shown.
    if (dynamic_cast<SheetDialog*>(dialog) == nullptr)
        placeOver(dialog, window);
    dialog->open();
}

void QtApplication::endSheet(Window& sheet)
{
    widgetOf(sheet)->hide();
}

void QtApplication::beginAlertSheet(const std::string& title, const std::string& defaultButton,
                                    const std::string& alternateButton,
                                    const std::string& otherButton, Window& docWindow,
                                    const std::string& message)
{
    QWidget* window = widgetOf(docWindow);
    if (attachedSheet(window) != nullptr)
        return;

    auto* alert = new QMessageBox(window);
    alert->setObjectName(QStringLiteral("alertSheet"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setIcon(QMessageBox::Warning);
    alert->setWindowTitle(QString::fromStdString(title));
    alert->setAccessibleName(QString::fromStdString(title));
    // The message is text, never markup: whatever it holds is shown as it is.
    alert->setTextFormat(Qt::PlainText);
    alert->setText(QString::fromStdString(message));
    QPushButton* ok =
        alert->addButton(QString::fromStdString(defaultButton), QMessageBox::AcceptRole);
    ok->setObjectName(QStringLiteral("alertDefaultButton"));
    alert->setDefaultButton(ok);
    if (!alternateButton.empty())
        alert->addButton(QString::fromStdString(alternateButton), QMessageBox::RejectRole);
    if (!otherButton.empty())
        alert->addButton(QString::fromStdString(otherButton), QMessageBox::ActionRole);
    alert->setEscapeButton(ok);
    alert->open();
}

Field* Outlets::field(QLineEdit* edit)
{
    return fields.emplace_back(std::make_unique<LineEditField>(edit)).get();
}

Field* Outlets::field(QPlainTextEdit* edit)
{
    return fields.emplace_back(std::make_unique<PlainTextField>(edit)).get();
}

PlainTextField* Outlets::laterField()
{
    auto field = std::make_unique<PlainTextField>();
    PlainTextField* later = field.get();
    fields.push_back(std::move(field));
    return later;
}

TextPane* Outlets::pane(QWidget* host, const QString& objectName, const QString& accessibleName)
{
    return panes.emplace_back(std::make_unique<TextPaneView>(host, objectName, accessibleName))
        .get();
}

TextPane* Outlets::pane(QBoxLayout* column, const QString& objectName,
                        const QString& accessibleName, int lines)
{
    return panes
        .emplace_back(std::make_unique<TextPaneView>(column, objectName, accessibleName, lines))
        .get();
}

TextPane* Outlets::pane(QLabel* label)
{
    return panes.emplace_back(std::make_unique<LabelPane>(label)).get();
}

ChoiceControl* Outlets::choice(QComboBox* box)
{
    return choices.emplace_back(std::make_unique<ComboBoxChoice>(box)).get();
}

Window* Outlets::window(QWidget* widget)
{
    auto& adapter = windows[widget];
    if (!adapter)
        adapter = std::make_unique<WidgetWindow>(widget);
    return adapter.get();
}

void pressOnReturn(std::initializer_list<QLineEdit*> edits, QAbstractButton* button)
{
    for (QLineEdit* edit : edits)
        QObject::connect(edit, &QLineEdit::returnPressed, button, &QAbstractButton::click);
}

void styleFields(QWidget* window)
{
    const auto edits = window->findChildren<QLineEdit*>();
    if (edits.isEmpty())
        return;
    // Wide enough for a number such as -1234.5678 in any font and scale. The
    // fields of a window share its font, so it is measured once.
    const QLineEdit* sample = edits.first();
    const int width = sample->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0000"))
                      + sample->minimumSizeHint().width();
    for (QLineEdit* edit : edits) {
        edit->setMinimumWidth(width);
        if (!edit->isReadOnly()) {
            // Qt's own limit, 32767, lets a paste of megabytes live on in the
            // undo history; no number or name needs more than this. A form
            // may set a tighter limit of its own.
            edit->setMaxLength(std::min(edit->maxLength(), maxInputLength));
            keepOneLine(edit);
            continue;
        }
        QPalette palette = edit->palette();
        palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
        edit->setPalette(palette);
    }
}

namespace {

// Watches one field's edits; its split may be set after it was made.
class OneLine final : public QObject
{
public:
    explicit OneLine(QLineEdit* edit)
        : QObject(edit)
    {
        setObjectName(QStringLiteral("oneLine"));
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
            static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
            if (!text.contains(breaks))
                return;
            if (split && split(text)) {
                edit->clear();
                return;
            }
            const int cursor = edit->cursorPosition();
            QString line = text;
            line.replace(breaks, QStringLiteral(" "));
            edit->setText(line);
            edit->setCursorPosition(cursor);
        });
    }

    std::function<bool(const QString&)> split;
};

} // namespace

void keepOneLine(QLineEdit* edit, std::function<bool(const QString&)> split)
{
    auto* watch = edit->findChild<OneLine*>(QStringLiteral("oneLine"), Qt::FindDirectChildrenOnly);
    if (watch == nullptr)
        watch = new OneLine(edit);
    if (split)
        watch->split = std::move(split);
}

void addNumberHint(QWidget* window)
{
    auto* layout = qobject_cast<QBoxLayout*>(window->layout());
    auto* hint = new QLabel(
        QCoreApplication::translate("NumberHint", "Numbers take a point or a comma, as in 2.5 or "
                                                  "2,5, and a unit converts, as in 14 cm."),
        window);
    hint->setObjectName(QStringLiteral("numberHint"));
    hint->setWordWrap(true);
    layout->insertWidget(0, hint);
    // Added to a window being shown, it would otherwise appear only after
    // the window was sized without it.
    hint->show();
}

void placeInTabOrder(QWidget* built)
{
    QWidget* window = built->window();
    if (window->layout() == nullptr)
        return;
    const auto isPart = [built](const QWidget* widget) {
        return widget == built || built->isAncestorOf(widget);
    };
    const auto isOther = [window, &isPart](const QWidget* widget) {
        return widget->window() == window && !isPart(widget) && takesTab(widget);
    };
    QList<QWidget*> laidOut;
    collectLaidOut(window->layout(), laidOut);
    QWidget* next = nullptr;
    for (qsizetype i = laidOut.indexOf(built) + 1; i > 0 && i < laidOut.size(); ++i) {
        if (isOther(laidOut.at(i))) {
            next = laidOut.at(i);
            break;
        }
    }
    QList<QWidget*> moved;
    for (QWidget* widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain()) {
        if (isPart(widget) && takesTab(widget))
            moved.append(widget);
    }
    // After the input before the next one, or after the last input of all.
    QWidget* previous =
        next != nullptr ? next->previousInFocusChain() : window->previousInFocusChain();
    while (previous != window && !isOther(previous))
        previous = previous->previousInFocusChain();
    // Before the first input of all, Qt will not place a widget after the
    // last one, as Tab already wraps there: the widget just before the first
    // input, one that takes no Tab (a group or a label), holds the place.
    QWidget* holder = nullptr;
    if (previous == window) {
        holder = next != nullptr ? next->previousInFocusChain() : nullptr;
        if (holder == nullptr || holder == window || isPart(holder))
            return;
        previous = holder;
    }
    const Qt::FocusPolicy policy = previous->focusPolicy();
    if (holder != nullptr)
        holder->setFocusPolicy(Qt::TabFocus);
    QWidget* after = previous;
    for (QWidget* widget : moved) {
        QWidget::setTabOrder(after, widget);
        after = widget;
    }
    if (holder != nullptr)
        holder->setFocusPolicy(policy);
}

void keepOnScreen(QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr)
        screen = window->screen();
    const QRect available = screen->availableGeometry();
    const QSize decoration = frame.size() - window->size();
    const QSize size = window->size()
                           .boundedTo(available.size() - decoration)
                           .expandedTo(window->minimumSizeHint())
                           .expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    QRect placed(frame.topLeft(), size + decoration);
    placed.moveRight(std::min(placed.right(), available.right()));
    placed.moveBottom(std::min(placed.bottom(), available.bottom()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    if (placed.topLeft() != frame.topLeft())
        window->move(placed.topLeft());
}

QPushButton* paneButton(QWidget* window, const QString& objectName, const QString& text,
                        const QString& accessibleName, const QString& toolTip,
                        std::function<void(bool)> toggled)
{
    auto* button = new QPushButton(text, window);
    button->setObjectName(objectName);
    button->setAccessibleName(accessibleName);
    button->setToolTip(toolTip);
    button->setCheckable(true);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::toggled, button, std::move(toggled));
    button->show();
    return button;
}

} // namespace platform::qt
