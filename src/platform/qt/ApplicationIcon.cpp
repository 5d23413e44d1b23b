#include "ApplicationIcon.h"

#include "IconPixels.h"

#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace platform::qt {

namespace {

// Makes each size's pixels when they are asked for, from the compiled-in
// ones, instead of holding a copy of every size for the program's lifetime:
// the window system takes them once, when a window is first shown.
class CompiledIconEngine final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(mode)
        Q_UNUSED(state)
        const IconPixels& entry = closest(size);
        const QImage image(reinterpret_cast<const uchar*>(entry.argb32), entry.size, entry.size,
                           QImage::Format_ARGB32);
        QPixmap pixels = QPixmap::fromImage(image);
        if (entry.size != size.width() || entry.size != size.height())
            pixels = pixels.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return pixels;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = closest(size).size;
        return QSize(side, side).boundedTo(size);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int i = 0; i < iconPixelsCount; ++i)
            sizes.append(QSize(iconPixels[i].size, iconPixels[i].size));
        return sizes;
    }

    QIconEngine* clone() const override { return new CompiledIconEngine; }

private:
    // The smallest size at least as large as asked, else the largest.
    static const IconPixels& closest(const QSize& size)
    {
        const int wanted = std::max(size.width(), size.height());
        const IconPixels* largest = &iconPixels[0];
        const IconPixels* fitting = nullptr;
        for (int i = 0; i < iconPixelsCount; ++i) {
            const IconPixels& entry = iconPixels[i];
            if (entry.size > largest->size)
                largest = &entry;
            if (entry.size >= wanted && (fitting == nullptr || entry.size < fitting->size))
                fitting = &entry;
        }
        return fitting != nullptr ? *fitting : *largest;
    }
};

} // namespace

QIcon applicationIcon()
{
    return QIcon(new CompiledIconEngine);
}

} // namespace platform::qt
