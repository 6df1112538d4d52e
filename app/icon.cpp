#include "icon.h"

#include <QImageReader>
#include <QPixmap>

// The pictures live in a static library, so their resource is registered by hand before the
// first use; Q_INIT_RESOURCE must be called from the global namespace.
static void initIconResource()
{
    Q_INIT_RESOURCE(icons);
}

namespace orrindel {

QIcon appIcon()
{
    static const bool registered = (initIconResource(), true);
    Q_UNUSED(registered);
    // Read as PNG without guessing: QIcon::addFile, and a reader left to detect the format,
    // would load every image plug-in to ask whether it knows the file.
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/icons/sun-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace orrindel
