#include "icon.h"

#include "app/iconpixels.h"

#include <QPixmap>

namespace orrindel {

QIcon appIcon()
{
    // The pixels were decoded when building, and each pixmap shares them where they lie. They
    // stay in the format the window system takes icons in: converting them for the window's
    // frame would start Qt's thread pool, and painting converts them as it goes.
    QIcon icon;
    for (const IconPicture &picture : IconPictures) {
        QImage image(reinterpret_cast<const uchar *>(picture.pixels), picture.size, picture.size,
                     QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(std::move(image), Qt::NoFormatConversion));
    }
    return icon;
}

} // namespace orrindel
