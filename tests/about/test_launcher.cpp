// The launcher of this platform: starting a program by its path and the file test.

#include "engine/runtimeerror.h"
#include "platform/launcher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace orrindel;

class TestLauncher : public QObject
{
    Q_OBJECT

private slots:
    void fileExists_data();
    void fileExists();
    void startsThePathAsOneProgram();
    void startFailures_data();
    void startFailures();

private:
    static bool writeScript(const QString &path, const QString &body);
};

bool TestLauncher::writeScript(const QString &path, const QString &body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("#!/bin/sh\n%1\n").arg(body).toUtf8());
    file.close();
    return file.setPermissions(file.permissions() | QFile::ExeOwner);
}

void TestLauncher::fileExists_data()
{
    QTest::addColumn<QString>("create"); // "file", "dir" or "" for nothing
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");

    QTest::newRow("plain file") << "file"
                                << "MSINFO32.EXE" << true;
    QTest::newRow("file with spaces") << "file"
                                      << "System Info.exe" << true;
    QTest::newRow("hidden file") << "file"
                                 << ".msinfo32" << false;
    QTest::newRow("folder") << "dir"
                            << "MSINFO32.EXE" << false;
    QTest::newRow("missing") << ""
                             << "MSINFO32.EXE" << false;
    QTest::newRow("empty path") << ""
                                << "" << false;
}

void TestLauncher::fileExists()
{
    QFETCH(QString, create);
    QFETCH(QString, name);
    QFETCH(bool, exists);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    if (create == QLatin1String("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (create == QLatin1String("dir")) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    }
    const auto launcher = platform::makeSystemLauncher();
    QCOMPARE(launcher->fileExists(path.toStdString()), exists);
}

// A path with spaces starts that program, not the shorter name before the first space,
// and the launcher does not wait for it.
void TestLauncher::startsThePathAsOneProgram()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("System Info")));
    const QString marker = dir.filePath(QStringLiteral("started"));
    const QString decoyMarker = dir.filePath(QStringLiteral("decoy started"));
    const QString release = dir.filePath(QStringLiteral("release"));
    const QString program = dir.filePath(QStringLiteral("System Info/msinfo 32"));
    // The program marks that it ran, waits up to ten seconds for the test to let it go and
    // removes its mark as it ends.
    QVERIFY(writeScript(program, QStringLiteral("touch '%1'\ni=0\nwhile [ ! -e '%2' ] && "
                                                "[ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done\n"
                                                "rm -f '%1'")
                                     .arg(marker, release)));
    QVERIFY(writeScript(dir.filePath(QStringLiteral("System")),
                        QStringLiteral("touch '%1'").arg(decoyMarker)));

    const auto launcher = platform::makeSystemLauncher();
    QElapsedTimer timer;
    timer.start();
    launcher->start(program.toStdString());
    QVERIFY2(timer.elapsed() < 5000, "the launcher waited for the program");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    QVERIFY(QFile(release).open(QIODevice::WriteOnly));
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(marker), 10000);
    QVERIFY(!QFile::exists(decoyMarker));
}

void TestLauncher::startFailures_data()
{
    QTest::addColumn<QString>("name"); // "" for the folder itself

    QTest::newRow("missing program") << "nothing here";
    QTest::newRow("file that is not executable") << "plain.txt";
    QTest::newRow("folder") << "";
}

void TestLauncher::startFailures()
{
    QFETCH(QString, name);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (name == QLatin1String("plain.txt")) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("text");
    }
    const QString path = name.isEmpty() ? dir.path() : dir.filePath(name);
    const auto launcher = platform::makeSystemLauncher();
    for (const QString &tried : {path, QString()}) {
        try {
            launcher->start(tried.toStdString());
            QFAIL(qPrintable(QStringLiteral("started \"%1\"").arg(tried)));
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), int(RuntimeError::FileNotFound));
        }
    }
}

QTEST_MAIN(TestLauncher)
#include "test_launcher.moc"
