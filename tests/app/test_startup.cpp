// The program answers --help and --version on a machine without a display and refuses any
// other command line; its icon is drawn from the SVG.

#include "orrindel/version.h"
#include "platform/icons.h"

#include <QProcess>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status"); // 0: the text comes on stdout, else on stderr
        QTest::addColumn<QString>("text");
        const QString help = "(?s)Usage: \\S*orrindel \\[options\\]\n.*-h, --help.*-v, --version.*";
        const QString version = "Orrindel " + QRegularExpression::escape(ORRINDEL_VERSION_STRING);
        const QString bad = "orrindel: %1\\. Try 'orrindel --help'\\.\n";
        QTest::newRow("--help wins") << QStringList{"x", "--help"} << 0 << help;
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version + "\n";
        QTest::newRow("Qt's own, -v") << QStringList{"-session", "s1", "-v"} << 0 << version + "\n";
        QTest::newRow("bad wins") << QStringList{"-q", "-h"} << 2 << bad.arg("Unknown option 'q'");
        QTest::newRow("argument") << QStringList{"a"} << 2 << bad.arg("Unexpected argument 'a'");
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, text);
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qunsetenv(name);
        QProcess program;
        program.start(ORRINDEL_BINARY, args);
        QVERIFY(program.waitForFinished(10000));
        const QString out = program.readAllStandardOutput(), err = program.readAllStandardError();
        QCOMPARE(status ? out : err, QString());
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(text));
        QVERIFY2(pattern.match(status ? err : out).hasMatch(), qPrintable(out + err));
        // A crash is no exit status.
        QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, status);
    }
    void icon()
    {
        // Drawn from the SVG at any size, not a 32-pixel picture that stays small.
        QCOMPARE(orrindel::platform::sunIcon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
