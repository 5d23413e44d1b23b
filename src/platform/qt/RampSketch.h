// A labelled drawing of a ramp and the weight of a body on it, beside the
// inclined plane's summary fields.
#pragma once

#include <QWidget>

namespace platform::qt {

class RampSketch : public QWidget
{
public:
    explicit RampSketch(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace platform::qt
