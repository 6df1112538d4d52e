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
    icon.addFile(QStringLiteral(":/icons/sun-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/sun-32.png"), QSize(32, 32));
    return icon;
}

QPixmap sunPixmap()
{
    ensureIconResource();
    return QPixmap(QStringLiteral(":/icons/sun-32.png"));
}

} // namespace orrindel::platform
