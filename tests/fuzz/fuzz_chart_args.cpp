// orrindel-chart's argument handling on arbitrary argument lists: status 0, or 2 with one
// line on stderr and nothing on stdout.
#include "orrindel_chart.h"

#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv); // the help text names the program
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    // Arguments are separated by newlines.
    QStringList arguments = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size))
                                .split(QLatin1Char('\n'));
    arguments.prepend(QStringLiteral("orrindel-chart"));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = runChart(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    const bool failed = status == 2 && out.isEmpty() && err.count(QLatin1Char('\n')) == 1 &&
                        err.endsWith(QLatin1Char('\n'));
    if (!(failed || (status == 0 && err.isEmpty() && !out.isEmpty())))
        std::abort();
    return 0;
}
