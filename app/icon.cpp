#include "icon.h"

#include "app/iconpixels.h"

#include <QPixmap>

namespace orrindel {

QIcon appIcon()
{
    // The pixels are decoded when building and already in the pixmap's format, so each
    // pixmap shares them where they lie: no decoder runs and no copy is made.
    QIcon icon;
    for (const IconPicture &picture : IconPictures) {
        QImage image(reinterpret_cast<const uchar *>(picture.pixels), picture.size, picture.size,
                     QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

} // namespace orrindel
