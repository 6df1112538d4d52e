// Orrindel starts on its main window and ends when that window closes.

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/launcher.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "ui/main/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    orrindel::platform::Application::install();
    orrindel::platform::installFontSubstitutes();

    orrindel::platform::QtMsgBox msgBox;
    const std::unique_ptr<orrindel::platform::Printer> printer =
        orrindel::platform::makeSystemPrinter();
    const std::unique_ptr<orrindel::platform::Registry> registry =
        orrindel::platform::makeSystemRegistry();
    const std::unique_ptr<orrindel::platform::Launcher> launcher =
        orrindel::platform::makeSystemLauncher();
    orrindel::platform::Services services{msgBox, &orrindel::platform::Application::Beep, *printer,
                                          *registry, *launcher};

    // Loading the start-up form runs its Form_Load; closing it by any route unloads it,
    // and with no other window left the event loop ends.
    orrindel::frmMain form(services);
    form.show();
    return app.exec();
}
