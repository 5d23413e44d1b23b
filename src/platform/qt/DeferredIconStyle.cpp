#include "DeferredIconStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>

#include <optional>

namespace platform::qt {

namespace {

// Stands for a standard icon and asks the style for it the first time it is
// painted, measured or turned into pixels.
class DeferredIconEngine final : public QIconEngine
{
public:
    DeferredIconEngine(QStyle* source, QStyle::StandardPixmap icon)
        : style(source)
        , which(icon)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    // Asked while the button is built: answered without loading.
    bool isNull() override { return loaded && loaded->isNull(); }

    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    QIcon& icon()
    {
        if (!loaded) {
            QStyle* source = style ? style.data() : QApplication::style();
            loaded = source->standardIcon(which);
        }
        return *loaded;
    }

    QPointer<QStyle> style;
    QStyle::StandardPixmap which;
    std::optional<QIcon> loaded;
};

} // namespace

DeferredIconStyle::DeferredIconStyle(const QString& key)
    : QProxyStyle(key)
{
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton
        || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace platform::qt
