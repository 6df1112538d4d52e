#include "orrindel_chart.h"
#include "translations/language.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The text follows the desktop's language; the JSON never does.
    orrindel::Translation translation(orrindel::systemLanguage());
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orrindel-chart"));
    translation.install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runChart(QCoreApplication::arguments(), out, err);
}
