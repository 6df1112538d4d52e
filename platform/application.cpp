#include "application.h"

#include <QApplication>

namespace orrindel::platform {

void Application::install()
{
    QCoreApplication::setApplicationName(title());
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision));
}

void Application::Beep() { QApplication::beep(); }

} // namespace orrindel::platform
