// The application's style, with the standard icons that a window asks for
// while it is built but rarely shows loaded on first paint or measure.
#pragma once

#include <QProxyStyle>

namespace platform::qt {

// A menu bar asks for its overflow arrow when it is built, and loading that
// icon searches the image plugins: a tenth of the launcher's start for an
// arrow shown only when the menu does not fit.
class DeferredIconStyle final : public QProxyStyle
{
public:
    // Wraps the style named key, or the platform's default when it is empty.
    explicit DeferredIconStyle(const QString& key);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace platform::qt
