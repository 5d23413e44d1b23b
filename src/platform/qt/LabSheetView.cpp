#include "LabSheetView.h"

#include "FirstShow.h"
#include "QtControls.h"
#include "TextPaneView.h"
#include "ui_LabSheet.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>

namespace platform::qt {

namespace {

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
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
    sheetColumn->insertWidget(0, widget);
    QWidget* previous = ui->unit;
    for (QWidget* next : std::initializer_list<QWidget*>{
             ui->resolution, ui->count, ui->values, ui->minimum, ui->maximum, ui->mean,
             ui->halfRange, ui->deviation, ui->deviationOfMean, ui->result, ui->removeLast,
             ui->copySheet}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    placeInTabOrder(widget);
    widget->setVisible(button != nullptr && button->isChecked());
    connect(ui->removeLast, &QPushButton::clicked, this, &LabSheetView::removeLastClicked);
    connect(ui->copySheet, &QPushButton::clicked, this, &LabSheetView::copyClicked);
    // Any change, not only typing: voice control sets the text through the
    // accessibility interface, which Qt does not report as an edit.
    connect(ui->unit, &QLineEdit::textChanged, this, &LabSheetView::settingsEdited);
    connect(ui->resolution, &QLineEdit::textChanged, this, &LabSheetView::settingsEdited);
    return *ui;
}

void LabSheetView::appendValue(const std::string& value)
{
    QListWidget* list = built().values;
    list->addItem(toQString(value));
    // Scrolling lays out every item, so a quick run of values scrolls once,
    // when the event loop comes round; each time, a long series slows down.
    if (!scrollPending) {
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

void LabSheetView::removeLastValue()
{
    QListWidget* list = built().values;
    delete list->takeItem(list->count() - 1);
}

void LabSheetView::clearValues()
{
    if (ui != nullptr)
        ui->values->clear();
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

void LabSheetView::copy(const std::vector<CopyRow>& rows)
{
    // Translators give the decimal separator that their language's
    // spreadsheets read: "," for Italian.
    const QString separator = QCoreApplication::translate(
        "LabSheetView", ".", "decimal separator of numbers pasted into a spreadsheet");
    QStringList plain;
    QStringList columns;
    for (const CopyRow& line : rows) {
        const QString label = line.label.source[0] != '\0' ? translated(line.label) : QString();
        const QString value = toQString(line.value);
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
