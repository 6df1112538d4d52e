#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(CHART_TOOL), arguments);
    if (!process.waitForFinished(10000))
        return {-1, {}, "did not finish"};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonObject json(const QStringList &arguments)
{
    const Run result = run(arguments + QStringList{QStringLiteral("--json")});
    if (result.exitCode != 0)
        return {};
    return QJsonDocument::fromJson(result.out).object();
}

QList<int> plate(const QJsonObject &chart, const char *key)
{
    QList<int> stars;
    for (const auto &palace : chart.value("palaces").toArray())
        stars << palace.toObject().value(QLatin1String(key)).toInt();
    return stars;
}

} // namespace

class TestChartTool : public QObject
{
    Q_OBJECT
private slots:
    void southFacing2004()
    {
        const QJsonObject chart = json({"--year", "2004", "--facing", "180"});
        QCOMPARE(chart.value("year").toInt(), 2004);
        QCOMPARE(chart.value("facing").toString(), QStringLiteral("180"));
        QCOMPARE(chart.value("period").toInt(), 8);
        QCOMPARE(chart.value("subDirection").toInt(), 2);
        QCOMPARE(chart.value("facingPalace").toInt(), 4);
        QCOMPARE(chart.value("sittingPalace").toInt(), 5);
        QCOMPARE(chart.value("facingStarDirection").toString(), QStringLiteral("Reverse"));
        QCOMPARE(chart.value("mountainStarDirection").toString(), QStringLiteral("Forward"));
        QCOMPARE(plate(chart, "time"), (QList<int>{8, 9, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(plate(chart, "facing"), (QList<int>{3, 2, 1, 9, 8, 7, 6, 5, 4}));
        QCOMPARE(plate(chart, "mountain"), (QList<int>{4, 5, 6, 7, 8, 9, 1, 2, 3}));
        const QJsonArray palaces = chart.value("palaces").toArray();
        for (int i = 0; i < palaces.size(); ++i) {
            QCOMPARE(palaces[i].toObject().value("index").toInt(), i);
            QCOMPARE(palaces[i].toObject().value("grey").toBool(), i == 5);
        }
        QCOMPARE(palaces[7].toObject().value("direction").toString(), QStringLiteral("east"));
        QVERIFY(!chart.contains("annual"));
        QVERIFY(!palaces[0].toObject().contains("annual"));
        QCOMPARE(chart.keys().size(), 12);
    }

    void mountainsAndFormations_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("facing");
        QTest::addColumn<QString>("facingMountain");
        QTest::addColumn<QString>("sittingMountain");
        QTest::addColumn<QString>("formation");
        QTest::newRow("2004 S2") << "2004"
                                 << "180"
                                 << "S2"
                                 << "N2"
                                 << "double-facing";
        QTest::newRow("1990 NE2") << "1990"
                                  << "45"
                                  << "NE2"
                                  << "SW2"
                                  << "double-facing";
        QTest::newRow("2010 N3") << "2010"
                                 << "10"
                                 << "N3"
                                 << "S3"
                                 << "double-sitting";
        QTest::newRow("1950 NW1") << "1950"
                                  << "300"
                                  << "NW1"
                                  << "SE1"
                                  << "wang-shan-wang-shui";
        QTest::newRow("2004 SW2") << "2004"
                                  << "225"
                                  << "SW2"
                                  << "NE2"
                                  << "shang-shan-xia-shui";
        QTest::newRow("bearing longer than the window takes") << "2004"
                                                              << "359.99"
                                                              << "N2"
                                                              << "S2"
                                                              << "double-sitting";
    }
    void mountainsAndFormations()
    {
        QFETCH(QString, year);
        QFETCH(QString, facing);
        QFETCH(QString, facingMountain);
        QFETCH(QString, sittingMountain);
        QFETCH(QString, formation);
        const QJsonObject chart = json({"--year", year, "--facing", facing});
        QCOMPARE(chart.value("facingMountain").toString(), facingMountain);
        QCOMPARE(chart.value("sittingMountain").toString(), sittingMountain);
        QCOMPARE(chart.value("formation").toString(), formation);
        QCOMPARE(chart.value("facing").toString(), facing);
    }

    void annualStars()
    {
        const QJsonObject chart =
            json({"--year", "2004", "--facing", "180", "--annual", "01/2000"});
        const QJsonObject annual = chart.value("annual").toObject();
        QCOMPARE(annual.value("month").toInt(), 1);
        QCOMPARE(annual.value("year").toInt(), 2000);
        QCOMPARE(annual.value("centre").toInt(), 1); // January still belongs to 1999
        QCOMPARE(plate(chart, "annual"), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }

    void textGrid()
    {
        const Run result = run({"--year", "2004", "--facing", "180", "--annual", "06/2000"});
        QCOMPARE(result.exitCode, 0);
        const QList<QByteArray> lines = result.out.split('\n');
        // South on top: the middle square of the first row is palace 4 (mountain 8,
        // facing 8, time 3); the sitting palace is bottom middle.
        QVERIFY(lines.size() > 20);
        QVERIFY2(lines[0].contains("S ") && lines[0].indexOf("SE") < lines[0].indexOf("SW"),
                 lines[0]);
        QCOMPARE(lines[2].mid(16, 12).trimmed(), QByteArray("8       8 |"));
        QCOMPARE(lines[3].mid(16, 11).trimmed(), QByteArray("3"));
        QVERIFY(lines[8].startsWith(" E ") && lines[8].endsWith(" W"));
        QVERIFY(lines[14].mid(16, 11).contains("sitting"));
        QVERIFY(result.out.contains("period 8"));
        QVERIFY(result.out.contains("Formation: double-facing"));
        QVERIFY(result.out.contains("[9]"));
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("field");
        QTest::newRow("year 64") << QStringList{"--year", "64", "--facing", "10"} << "--year";
        QTest::newRow("year five digits")
            << QStringList{"--year", "12345", "--facing", "10"} << "--year";
        QTest::newRow("year letters") << QStringList{"--year", "abc", "--facing", "10"} << "--year";
        QTest::newRow("year negative")
            << QStringList{"--year", "-2004", "--facing", "10"} << "--year";
        QTest::newRow("year empty") << QStringList{"--year", "", "--facing", "10"} << "--year";
        QTest::newRow("facing exponent")
            << QStringList{"--year", "2004", "--facing", "1e2"} << "--facing";
        QTest::newRow("facing 360")
            << QStringList{"--year", "2004", "--facing", "360"} << "--facing";
        QTest::newRow("facing two points")
            << QStringList{"--year", "2004", "--facing", "1.2.3"} << "--facing";
        QTest::newRow("facing comma")
            << QStringList{"--year", "2004", "--facing", "1,5"} << "--facing";
        QTest::newRow("facing missing") << QStringList{"--year", "2004"} << "--facing";
        QTest::newRow("year missing") << QStringList{"--facing", "10"} << "--year";
        QTest::newRow("annual month 13")
            << QStringList{"--year", "2004", "--facing", "10", "--annual", "13/2000"} << "--annual";
        QTest::newRow("annual year 999")
            << QStringList{"--year", "2004", "--facing", "10", "--annual", "06/999"} << "--annual";
        QTest::newRow("annual no slash")
            << QStringList{"--year", "2004", "--facing", "10", "--annual", "062000"} << "--annual";
        QTest::newRow("unknown option")
            << QStringList{"--year", "2004", "--facing", "10", "--colour"} << "colour";
    }
    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, field);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.out.isEmpty(), result.out);
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY2(result.err.contains(field.toUtf8()), result.err);
    }

    void versionAndHelp()
    {
        QCOMPARE(run({"--version"}).out.trimmed(), QByteArray("1.0.2"));
        const Run help = run({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--facing"));
    }
};

QTEST_APPLESS_MAIN(TestChartTool)
#include "test_chart_tool.moc"
