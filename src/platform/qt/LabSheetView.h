// The lab sheet of the measurement-error window: a checkable button that
// shows or hides it, and the sheet's form, built the first time it is shown
// or given a value. It shows what it is given and works nothing out.
#pragma once

#include "LabSheet.h"

#include <QObject>
#include <QPointer>
#include <QPushButton>

#include <memory>

class QBoxLayout;
class QGridLayout;

namespace Ui {
class LabSheet;
}

namespace platform::qt {

class LabSheetView final
    : public QObject
    , public LabSheet
{
    Q_OBJECT

public:
    // The button goes into the layout at the given row, in the last column,
    // when the window is first shown, after the given widget in the tab
    // order; the sheet, at the top of the given column, when it is first
    // needed.
    LabSheetView(QWidget* window, QGridLayout* layout, int row, QWidget* previousInTabOrder,
                 QBoxLayout* sheetColumn);
    ~LabSheetView() override;

    void appendValue(const std::string& value) override;
    void removeLastValue() override;
    void clearValues() override;
    void showFigures(const SeriesFigures& figures) override;
    std::string resolution() const override;
    std::string unit() const override;
    void copy(const std::vector<CopyRow>& rows) override;

    // Null until the window is first shown.
    QPushButton* toggle() const { return button; }
    // Null until the sheet is built.
    QWidget* sheet() const { return widget; }

Q_SIGNALS:
    void removeLastClicked();
    void copyClicked();
    // The resolution or the unit changed, typed or set.
    void settingsEdited();

private:
    void buildButton(QWidget* previousInTabOrder);
    Ui::LabSheet& built();

    QPointer<QWidget> window;
    QGridLayout* layout;
    int row;
    QBoxLayout* sheetColumn;
    QPointer<QPushButton> button;
    QPointer<QWidget> widget;
    std::unique_ptr<Ui::LabSheet> ui;
    bool scrollPending = false;
};

} // namespace platform::qt
