#include "icons.h"

// The icons live in this static library, so their resource is registered by hand before
// the first use; Q_INIT_RESOURCE must be called from the global namespace.
static void initIconResource()
{
    Q_INIT_RESOURCE(icons);
}

namespace orrindel::platform {

namespace {

void ensureIconResource()
{
    static const bool registered = (initIconResource(), true);
    Q_UNUSED(registered);
}

} // namespace

QIcon sunIcon()
{
    ensureIconResource();
    QIcon icon;
    // The first file chooses the icon engine: the SVG one where it is installed. That
    // engine keeps only the last picture added, so the 16-pixel one, drawn for that size,
    // comes last; without it, both pictures serve.
    icon.addFile(QStringLiteral(":/icons/sun.svg"));
    icon.addFile(QStringLiteral(":/icons/sun-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/sun-16.png"), QSize(16, 16));
    return icon;
}

QPixmap sunPixmap()
{
    ensureIconResource();
    return QPixmap(QStringLiteral(":/icons/sun-32.png"));
}

} // namespace orrindel::platform
