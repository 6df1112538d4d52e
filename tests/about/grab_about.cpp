// Saves a picture of the About box: grab_about <file.png>. Runs headless
// (QT_QPA_PLATFORM=offscreen) or on any display.

#include "support/doubles.h"

#include "platform/controls.h"
#include "ui/about/frmabout.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: grab_about <file.png>\n";
        return 2;
    }
    orrindel::platform::installFontSubstitutes();
    orrindel::test::TestServices doubles;
    orrindel::frmAbout dialog(doubles.services);
    dialog.show();
    QApplication::processEvents();
    return dialog.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
