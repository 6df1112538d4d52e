// orrindel-chart's argument handling on arbitrary argument lists, one per line: status 0 with
// output and nothing on stderr, or 2 with one line on stderr and nothing on stdout.
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
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status =
        runChart(QStringList{"orrindel-chart"} + input.split('\n'), outStream, errStream);
    outStream.flush(), errStream.flush();
    if (status == 2 ? !out.isEmpty() || err.count('\n') != 1 || !err.endsWith('\n')
                    : status != 0 || !err.isEmpty() || out.isEmpty())
        std::abort();
    return 0;
}
