#include "ResultsLogWindow.h"

#include <QHeaderView>

namespace platform::qt {

ResultsLogWindow::ResultsLogWindow()
{
    ui.entries->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui.entries->horizontalHeader()->setStretchLastSection(true);
    // Closing it only hides it; the launcher's closing quits.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void ResultsLogWindow::setRows(const QList<QStringList>& rows)
{
    QTableWidget* table = ui.entries;
    table->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QStringList& cells = rows.at(row);
        for (int column = 0; column < table->columnCount() && column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    ui.copyLog->setEnabled(!rows.isEmpty());
    ui.clearLog->setEnabled(!rows.isEmpty());
    ui.saveLog->setEnabled(!rows.isEmpty());
    if (!rows.isEmpty())
        table->scrollToBottom();
}

} // namespace platform::qt
