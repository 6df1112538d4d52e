#pragma once

#include <QStringList>
#include <QTextStream>

// The whole of orrindel-chart: arguments (the program's name first) in, the chart or help
// on out, one line on err for bad input. Returns the exit status, 0 or 2.
int runChart(const QStringList &arguments, QTextStream &out, QTextStream &err);
