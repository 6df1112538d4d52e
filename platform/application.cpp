#include "application.h"

#include <QApplication>

namespace orrindel::platform {

void Application::install()
{
    QCoreApplication::setApplicationName(title());
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(Id));
}

void Application::Beep()
{
    QApplication::beep();
}

} // namespace orrindel::platform
