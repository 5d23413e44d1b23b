#include "LabSheetView.h"

#include "FirstShow.h"
#include "Log.h"
#include "QtControls.h"
#include "TextPaneView.h"
#include "ui_LabSheet.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStyle>

namespace platform::qt {

namespace {

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

QListWidgetItem* valueItem(const std::string& text)
{
    auto* item = new QListWidgetItem(toQString(text));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

QString flagText()
{
    return QCoreApplication::translate(
        "LabSheetView", "Far from the others: more than 3 s from the mean of the others");
}

} // namespace

LabSheetView::LabSheetView(QWidget* parentWindow, QGridLayout* gridLayout, int gridRow,
                           QWidget* previousInTabOrder, QBoxLayout* column)
    : QObject(parentWindow)
    , window(parentWindow)
    , layout(gridLayout)
    , row(gridRow)
    , sheetColumn(column)
{
    onFirstShow(parentWindow, [this, previousInTabOrder] { buildButton(previousInTabOrder); });
}

void LabSheetView::buildButton(QWidget* previousInTabOrder)
{
    button =
        paneButton(window, QStringLiteral("showLabSheet"),
                   QCoreApplication::translate("LabSheetView", "Lab s&heet"),
                   QCoreApplication::translate("LabSheetView", "Show lab sheet"),
                   QCoreApplication::translate(
                       "LabSheetView",
                       "Show or hide the values added, their statistics and the result x̄ ± Δx"),
                   [this](bool checked) {
                       if (checked)
                           built();
                       if (widget != nullptr)
                           widget->setVisible(checked);
                   });
    layout->addWidget(button, row, layout->columnCount() - 1);
    QWidget::setTabOrder(previousInTabOrder, button);
}

LabSheetView::~LabSheetView() = default;

Ui::LabSheet& LabSheetView::built()
{
    if (ui != nullptr)
        return *ui;
    ui = std::make_unique<Ui::LabSheet>();
    widget = new QWidget(window);
    ui->setupUi(widget);
    styleFields(widget);
    // Wide enough for a result with its unit, such as (2.00 ± 0.03) mm.
    ui->result->setMinimumWidth(
        ui->result->fontMetrics().horizontalAdvance(QStringLiteral("(00.000 ± 0.000) mm"))
        + ui->result->minimumSizeHint().width());
    ui->sheetNotes->setFocusPolicy(Qt::NoFocus);
    // Two lines of notes; more scroll.
    ui->sheetNotes->setMaximumHeight(
        ui->sheetNotes->fontMetrics().lineSpacing() * 2 + 2 * ui->sheetNotes->frameWidth()
        + static_cast<int>(2 * ui->sheetNotes->document()->documentMargin()));
    sheetColumn->insertWidget(0, widget);
    QWidget* previous = ui->unit;
    for (QWidget* next : std::initializer_list<QWidget*>{
             ui->resolution, ui->sendSheetToLog, ui->count, ui->values, ui->minimum, ui->maximum,
             ui->mean, ui->halfRange, ui->deviation, ui->deviationOfMean, ui->result,
             ui->removeValue, ui->undoEdit, ui->removeLast, ui->copySheet, ui->sheetNotes}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    placeInTabOrder(widget);
    widget->setVisible(button != nullptr && button->isChecked());
    connect(ui->removeLast, &QPushButton::clicked, this, &LabSheetView::removeLastClicked);
    connect(ui->copySheet, &QPushButton::clicked, this, &LabSheetView::copyClicked);
    connect(ui->sendSheetToLog, &QPushButton::clicked, this, &LabSheetView::sendToLogClicked);
    connect(ui->undoEdit, &QPushButton::clicked, this, &LabSheetView::undoRequested);
    QListWidget* list = ui->values;
    const auto removeSelected = [this, list] {
        if (list->currentItem() != nullptr && list->currentItem()->isSelected())
            Q_EMIT removeRequested(list->currentRow());
    };
    connect(ui->removeValue, &QPushButton::clicked, this, removeSelected);
    // The list's menu; its entries' keys work while the list has the focus.
    const auto entry = [this, list](const QString& text, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(text, list);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        list->addAction(action);
    };
    entry(QCoreApplication::translate("LabSheetView", "Remove value"), QKeySequence::Delete,
          removeSelected);
    entry(QCoreApplication::translate("LabSheetView", "Edit value"), QKeySequence(Qt::Key_F2),
          [list] {
              if (list->currentItem() != nullptr)
                  list->editItem(list->currentItem());
          });
    entry(QCoreApplication::translate("LabSheetView", "Paste readings"), QKeySequence::Paste,
          [this] { Q_EMIT pasteRequested(QApplication::clipboard()->text()); });
    // Its key is the sheet's: two actions on one key would take it from both.
    entry(QCoreApplication::translate("LabSheetView", "Undo"), QKeySequence(),
          [this] { Q_EMIT undoRequested(); });
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Ctrl+Z anywhere in the sheet but its own fields, which undo typing.
    auto* undo = new QAction(widget);
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(undo, &QAction::triggered, this, &LabSheetView::undoRequested);
    widget->addAction(undo);
    connect(list, &QListWidget::itemChanged, this, [this, list](QListWidgetItem* item) {
        if (!writing)
            Q_EMIT editRequested(list->row(item), item->text());
    });
    // Any change, not only typing: voice control sets the text through the
    // accessibility interface, which Qt does not report as an edit.
    connect(ui->unit, &QLineEdit::textChanged, this, &LabSheetView::settingsEdited);
    connect(ui->resolution, &QLineEdit::textChanged, this, &LabSheetView::settingsEdited);
    // A measurement dragged as it reads, "(1.44 ± 0.03) s", into any field.
    ui->result->setDragEnabled(true);
    Q_EMIT sheetBuilt(ui->result);
    return *ui;
}

void LabSheetView::replaceValues(std::size_t first, std::size_t count,
                                 const std::vector<std::string>& with)
{
    QListWidget* list = built().values;
    writing = true;
    const int at = static_cast<int>(first);
    const int end = at + static_cast<int>(count);
    if (at == 0 && end == list->count() && with.empty()) {
        list->clear();
    } else {
        int next = at;
        for (const std::string& value : with) {
            if (next < end) {
                // An edit keeps its item, and with it the selection.
                // Its mark goes; the sheet marks it again if it still lies
                // far. Each change of an item looks for its row, through the
                // whole list once rows above it moved: change only what
                // differs.
                QListWidgetItem* item = list->item(next);
                if (item->text() != toQString(value))
                    item->setText(toQString(value));
                if (!item->icon().isNull())
                    flag(item, false);
            } else {
                list->insertItem(next, valueItem(value));
            }
            ++next;
        }
        for (int left = end - next; left > 0; --left)
            delete list->takeItem(next);
    }
    writing = false;
    // Scrolling lays out every item, so a quick run of values scrolls once,
    // when the event loop comes round; each time, a long series slows down.
    if (at == list->count() - static_cast<int>(with.size()) && count == 0 && !with.empty()
        && !scrollPending) {
        scrollPending = true;
        QMetaObject::invokeMethod(
            list,
            [this, list] {
                scrollPending = false;
                list->scrollToBottom();
            },
            Qt::QueuedConnection);
    }
}

void LabSheetView::flagValue(std::size_t index, bool far)
{
    QListWidgetItem* item = built().values->item(static_cast<int>(index));
    if (item == nullptr)
        return;
    writing = true;
    flag(item, far);
    writing = false;
}

void LabSheetView::flag(QListWidgetItem* item, bool far) const
{
    item->setIcon(far ? widget->style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
    item->setToolTip(far ? flagText() : QString());
    item->setData(Qt::AccessibleTextRole,
                  far ? item->text() + QStringLiteral(", ") + flagText() : QVariant());
}

void LabSheetView::showNotes(const std::vector<Text>& lines)
{
    if (ui == nullptr && lines.empty())
        return;
    QPlainTextEdit* pane = built().sheetNotes;
    QStringList shown;
    for (const Text& line : lines)
        shown.append(translated(line));
    const QString text = shown.join(QLatin1Char('\n'));
    if (pane->toPlainText() != text)
        pane->setPlainText(text);
    pane->setVisible(!lines.empty());
    // Hidden, it is not laid out: Tab has nothing to reach there.
    pane->setFocusPolicy(lines.empty() ? Qt::NoFocus : Qt::StrongFocus);
}

void LabSheetView::showFigures(const SeriesFigures& figures)
{
    Ui::LabSheet& form = built();
    form.count->setText(toQString(figures.count));
    form.minimum->setText(toQString(figures.minimum));
    form.maximum->setText(toQString(figures.maximum));
    form.mean->setText(toQString(figures.mean));
    form.halfRange->setText(toQString(figures.halfRange));
    form.deviation->setText(toQString(figures.deviation));
    form.deviationOfMean->setText(toQString(figures.deviationOfMean));
    form.result->setText(toQString(figures.result));
}

std::string LabSheetView::resolution() const
{
    return ui != nullptr ? ui->resolution->text().toStdString() : std::string();
}

std::string LabSheetView::unit() const
{
    return ui != nullptr ? ui->unit->text().trimmed().toStdString() : std::string();
}

std::string LabSheetView::resolutionLabel() const
{
    return ui != nullptr ? ui->resolution->accessibleName().toStdString() : std::string();
}

void LabSheetView::copy(const std::vector<CopyRow>& rows)
{
    // Translators give the decimal separator that their language's
    // spreadsheets read: "," for Italian.
    const QString separator = QCoreApplication::translate(
        "LabSheetView", ".", "decimal separator of numbers pasted into a spreadsheet");
    QStringList plain;
    QStringList columns;
    for (const CopyRow& line : rows) {
        // Nothing a person typed, such as the unit, may start a formula.
        const QString label = line.label.source[0] != '\0'
                                  ? toQString(spreadsheetSafe(translated(line.label).toStdString()))
                                  : QString();
        const QString value = toQString(spreadsheetSafe(line.value));
        QString local = value;
        local.replace(QLatin1Char('.'), separator);
        if (label.isEmpty()) {
            plain.append(value);
            columns.append(local);
        } else if (value.isEmpty()) {
            plain.append(label);
            columns.append(label);
        } else {
            plain.append(label + QStringLiteral(": ") + value);
            columns.append(label + QLatin1Char('\t') + local);
        }
    }
    auto* data = new QMimeData;
    data->setText(plain.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    data->setData(QStringLiteral("text/tab-separated-values"),
                  (columns.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    QApplication::clipboard()->setMimeData(data);
}

} // namespace platform::qt
