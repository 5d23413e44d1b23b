#include "ApplicationIcon.h"

#include "IconPixels.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace platform::qt {

QIcon applicationIcon()
{
    QIcon icon;
    for (int i = 0; i < iconPixelsCount; ++i) {
        const IconPixels& entry = iconPixels[i];
        const QImage image(reinterpret_cast<const uchar*>(entry.argb32), entry.size, entry.size,
                           QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace platform::qt
