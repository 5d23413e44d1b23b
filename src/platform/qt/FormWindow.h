// A window or sheet built from its Designer form, which it holds as a member.
#pragma once

#include <QWidget>

namespace platform::qt {

template <class Form, class Base = QWidget>
class FormWindow : public Base
{
public:
    FormWindow()
        : Base(nullptr)
    {
        ui.setupUi(this);
    }

    Form ui;
};

} // namespace platform::qt
