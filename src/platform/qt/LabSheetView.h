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
class QLineEdit;
class QListWidgetItem;

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

    void replaceValues(std::size_t first, std::size_t count,
                       const std::vector<std::string>& with) override;
    void flagValue(std::size_t index, bool far) override;
    void showFigures(const SeriesFigures& figures) override;
    void showNotes(const std::vector<Text>& lines) override;
    std::string resolution() const override;
    std::string unit() const override;
    std::string resolutionLabel() const override;
    void copy(const std::vector<CopyRow>& rows) override;

    // Null until the window is first shown.
    QPushButton* toggle() const { return button; }
    // Null until the sheet is built.
    QWidget* sheet() const { return widget; }

Q_SIGNALS:
    void removeLastClicked();
    void copyClicked();
    // Delete, the Remove value button or the list's menu, on the selected
    // value.
    void removeRequested(int row);
    // A value edited in place, with the text typed.
    void editRequested(int row, const QString& text);
    void undoRequested();
    // The clipboard's text, pasted into the list.
    void pasteRequested(const QString& text);
    void sendToLogClicked();
    // The sheet's form was just built: its result can now be offered.
    void sheetBuilt(QLineEdit* result);
    // The resolution or the unit changed, typed or set.
    void settingsEdited();

private:
    void buildButton(QWidget* previousInTabOrder);
    Ui::LabSheet& built();
    void flag(QListWidgetItem* item, bool far) const;

    QPointer<QWidget> window;
    QGridLayout* layout;
    int row;
    QBoxLayout* sheetColumn;
    QPointer<QPushButton> button;
    QPointer<QWidget> widget;
    std::unique_ptr<Ui::LabSheet> ui;
    bool scrollPending = false;
    // Set while the sheet itself writes an item, which is no edit.
    bool writing = false;
};

} // namespace platform::qt
