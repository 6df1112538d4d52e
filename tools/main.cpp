#include "orrindel_chart.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orrindel-chart"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runChart(QCoreApplication::arguments(), out, err);
}
