// Marks on a line edit beside its text: a note on how it was read, "computed"
// for a field a button wrote, and "out of date" for a result whose inputs
// changed. Each shows in the field's look, its tooltip and its accessible
// description, and is built the first time it is set.
#pragma once

#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

class QAbstractButton;
class QLineEdit;

namespace platform::qt {

enum class FieldMark {
    Note,     // a warning sign in the field; the text says what was read
    Computed, // italic: a button wrote this field
    Stale     // dimmed: an input changed since this was computed
};

// An empty text takes the mark away. Typing in the field takes all of its
// marks away.
void setFieldMark(QLineEdit* edit, FieldMark mark, const QString& text);
bool hasFieldMark(const QLineEdit* edit, FieldMark mark);

// Once an input is edited, every result that shows something looks out of
// date until one of the buttons is pressed again.
void markStaleOnEdit(std::initializer_list<QLineEdit*> inputs,
                     std::initializer_list<QLineEdit*> results,
                     std::initializer_list<QAbstractButton*> buttons);

// A group of fields each written by its own button from the other two. The
// field a button wrote is marked computed until typed in, and looks out of
// date while another field of the group is edited. Return in the group
// presses the button of the one empty field; with none empty, the button of
// the field marked computed; otherwise nothing.
void solveOnReturn(const std::vector<std::pair<QLineEdit*, QAbstractButton*>>& group);

} // namespace platform::qt
