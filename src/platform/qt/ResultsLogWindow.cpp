#include "ResultsLogWindow.h"

#include <QHeaderView>

namespace platform::qt {

ResultsLogWindow::ResultsLogWindow()
{
    // Sized to their contents by hand, row by row: the header's own sizing
    // measures every row on each change.
    ui.entries->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ui.entries->horizontalHeader()->setStretchLastSection(true);
    ui.entries->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Closing it only hides it; the launcher's closing quits.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void ResultsLogWindow::setRows(const QList<QStringList>& rows)
{
    QTableWidget* table = ui.entries;
    table->setRowCount(0);
    for (int column = 0; column + 1 < table->columnCount(); ++column)
        table->setColumnWidth(column, table->horizontalHeader()->sectionSizeHint(column));
    table->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList& cells = rows.at(row);
        for (int column = 0; column < table->columnCount() && column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
        widenTo(row);
    }
    rowsChanged();
}

void ResultsLogWindow::appendRow(const QStringList& cells)
{
    QTableWidget* table = ui.entries;
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < table->columnCount() && column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    widenTo(row);
    rowsChanged();
}

void ResultsLogWindow::widenTo(int row)
{
    QTableWidget* table = ui.entries;
    const QFontMetrics metrics = table->fontMetrics();
    // The last column stretches; the others grow to their widest cell.
    for (int column = 0; column + 1 < table->columnCount(); ++column) {
        const QTableWidgetItem* item = table->item(row, column);
        if (item == nullptr)
            continue;
        const int width = metrics.horizontalAdvance(item->text()) + 2 * metrics.averageCharWidth();
        if (width > table->columnWidth(column))
            table->setColumnWidth(column, width);
    }
}

void ResultsLogWindow::rowsChanged()
{
    QTableWidget* table = ui.entries;
    const bool any = table->rowCount() > 0;
    ui.copyLog->setEnabled(any);
    ui.clearLog->setEnabled(any);
    ui.saveLog->setEnabled(any);
    if (any)
        table->scrollToBottom();
}

} // namespace platform::qt
