// The results log on screen: a table of the session's computations and the
// buttons to copy, clear and save it. It shows the rows it is given; what
// they hold and how they are saved is decided above it.
#pragma once

#include "FormWindow.h"
#include "ui_ResultsLogWindow.h"

#include <QStringList>

namespace platform::qt {

class ResultsLogWindow final : public FormWindow<Ui::ResultsLogWindow>
{
public:
    ResultsLogWindow();

    // One row per computation: time, tool, inputs, results.
    void setRows(const QList<QStringList>& rows);
    // Adds one row at the end: a long log costs a press no more than a
    // short one.
    void appendRow(const QStringList& cells);

private:
    void widenTo(int row);
    void rowsChanged();
};

} // namespace platform::qt
