#include "orrindel_houses.h"
#include "translations/language.h"

#include "platform/controls.h"
#include "ui/print/housereport.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    orrindel::Translation translation(orrindel::systemLanguage());
    std::unique_ptr<QCoreApplication> app;
    HouseReportWriter writer;
    // Only a report needs fonts and painting; it is drawn off screen, so no display is needed.
    bool report = false;
    for (int i = 1; i < argc; ++i)
        report = report || std::strcmp(argv[i], "report") == 0;
    if (report) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
        writer = &orrindel::writeHouseReport;
        // Chinese in the language's own face, as the window draws it.
        orrindel::platform::installFontSubstitutes(orrindel::cjkFontRegion(translation.language()));
    }
    if (!app)
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orrindel-houses"));
    translation.install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runHouses(QCoreApplication::arguments(), out, err, writer);
}
