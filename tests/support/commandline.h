#pragma once

// A built program run as a script runs it, without a display, and the answer it must give.

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace orrindel::test {

constexpr int Usage = 2; // the exit status of a bad command line

// A command line, its exit status, and what the one stderr line (Usage) or stdout (0, without
// grid lines and quotes) holds: the message's lines, in order.
// clang-format off
struct Run { QString command; int status = 0; QString says; };
// clang-format on

// Runs the program for the row's command line: the first word names the program, the rest are
// its arguments.
inline void checkRun(const QString &program, const Run &row)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, row.command.split(' ').mid(1));
    QVERIFY(process.waitForFinished() && process.exitStatus() == QProcess::NormalExit);
    QCOMPARE(process.exitCode(), row.status);
    const QString out = process.readAllStandardOutput(), err = process.readAllStandardError();
    // One line on stderr and nothing on stdout, or nothing on stderr.
    QCOMPARE(err.count('\n') + (row.status ? out : err).size(), row.status ? 1 : 0);
    const QString text =
        row.status ? err : QString(out).remove(QRegularExpression("[|+\"]|---+")).simplified();
    qsizetype at = 0;
    for (const QString &part : row.says.split('\n'))
        QVERIFY2((at = text.indexOf(part, at)) >= 0, qPrintable(part + " in: " + text));
}

} // namespace orrindel::test
