#include "engine/chart.h"

#include <QTest>

#include <algorithm>

using namespace orrindel;

Q_DECLARE_METATYPE(orrindel::Stars)

namespace {

Stars stars(std::initializer_list<int> values)
{
    Stars result{};
    std::transform(values.begin(), values.end(), result.begin(),
                   [](int v) { return std::int16_t(v); });
    return result;
}

BuildingChart chartFor(int year, float degrees)
{
    Calc calc;
    calc.setYear(std::int16_t(year));
    calc.setDegrees(degrees);
    return buildChart(calc);
}

bool isPermutationOfOneToNine(const Stars &s)
{
    Stars sorted = s;
    std::sort(sorted.begin(), sorted.end());
    return sorted == stars({1, 2, 3, 4, 5, 6, 7, 8, 9});
}

// The palace diametrically opposite each palace in the grid.
int opposite(int palace)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (GridPalaces[r][c] == palace)
                return GridPalaces[2 - r][2 - c];
    return -1;
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT
private slots:
    void workedCharts_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<float>("degrees");
        QTest::addColumn<Stars>("time");
        QTest::addColumn<int>("facingPalace");
        QTest::addColumn<QString>("facingDirection");
        QTest::addColumn<Stars>("facing");
        QTest::addColumn<int>("sittingPalace");
        QTest::addColumn<QString>("mountainDirection");
        QTest::addColumn<Stars>("mountain");

        QTest::newRow("2004 facing 180") << 2004 << 180.0f << stars({8, 9, 1, 2, 3, 4, 5, 6, 7})
                                         << 4 << "Reverse" << stars({3, 2, 1, 9, 8, 7, 6, 5, 4})
                                         << 5 << "Forward" << stars({4, 5, 6, 7, 8, 9, 1, 2, 3});
        QTest::newRow("1990 facing 45") << 1990 << 45.0f << stars({7, 8, 9, 1, 2, 3, 4, 5, 6}) << 3
                                        << "Reverse" << stars({1, 9, 8, 7, 6, 5, 4, 3, 2}) << 6
                                        << "Forward" << stars({4, 5, 6, 7, 8, 9, 1, 2, 3});
        QTest::newRow("2010 facing 10") << 2010 << 10.0f << stars({8, 9, 1, 2, 3, 4, 5, 6, 7}) << 5
                                        << "Forward" << stars({4, 5, 6, 7, 8, 9, 1, 2, 3}) << 4
                                        << "Reverse" << stars({3, 2, 1, 9, 8, 7, 6, 5, 4});
        QTest::newRow("1950 facing 300") << 1950 << 300.0f << stars({5, 6, 7, 8, 9, 1, 2, 3, 4})
                                         << 1 << "Reverse" << stars({6, 5, 4, 3, 2, 1, 9, 8, 7})
                                         << 8 << "Reverse" << stars({4, 3, 2, 1, 9, 8, 7, 6, 5});
        QTest::newRow("2004 facing 225, a 5 in the facing palace")
            << 2004 << 225.0f << stars({8, 9, 1, 2, 3, 4, 5, 6, 7}) << 6 << "Forward"
            << stars({5, 6, 7, 8, 9, 1, 2, 3, 4}) << 3 << "Forward"
            << stars({2, 3, 4, 5, 6, 7, 8, 9, 1});
    }
    void workedCharts()
    {
        QFETCH(int, year);
        QFETCH(float, degrees);
        QFETCH(Stars, time);
        QFETCH(int, facingPalace);
        QFETCH(QString, facingDirection);
        QFETCH(Stars, facing);
        QFETCH(int, sittingPalace);
        QFETCH(QString, mountainDirection);
        QFETCH(Stars, mountain);

        const BuildingChart chart = chartFor(year, degrees);
        QCOMPARE(chart.time, time);
        QCOMPARE(chart.facingPalace, facingPalace);
        QCOMPARE(QString::fromStdString(chart.facingDirection), facingDirection);
        QCOMPARE(chart.facing, facing);
        QCOMPARE(chart.sittingPalace, sittingPalace);
        QCOMPARE(QString::fromStdString(chart.mountainDirection), mountainDirection);
        QCOMPARE(chart.mountain, mountain);
        QCOMPARE(chart.greyPalace, sittingPalace);
    }

    void annual_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("centre");
        QTest::newRow("June 2000") << 2000 << 6 << 9;
        QTest::newRow("January 2000 takes 1999") << 2000 << 1 << 1;
        QTest::newRow("February 2024") << 2024 << 2 << 3;
        QTest::newRow("January 2025") << 2025 << 1 << 3;
        QTest::newRow("February 2025") << 2025 << 2 << 2;
        QTest::newRow("March 2026") << 2026 << 3 << 1;
        QTest::newRow("December 2026") << 2026 << 12 << 1;
        QTest::newRow("earliest picker date") << 1000 << 1 << 2;
        QTest::newRow("latest picker date") << 9999 << 12 << 2;
    }
    void annual()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, centre);
        const Stars got = annualStars(std::int16_t(year), std::int16_t(month));
        for (int i = 0; i < PalaceCount; ++i)
            QCOMPARE(int(got[i]), (centre + i - 1) % 9 + 1);
    }

    void wrapRules_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("both");
        QTest::newRow("9 stays") << 9 << 9 << 9;
        QTest::newRow("10 wraps to 1") << 10 << 1 << 1;
        QTest::newRow("17") << 17 << 8 << 8;
        QTest::newRow("1 stays") << 1 << 1 << 1;
        QTest::newRow("0 wraps up only in both") << 0 << 0 << 9;
        QTest::newRow("-7") << -7 << -7 << 2;
    }
    void wrapRules()
    {
        QFETCH(int, value);
        QFETCH(int, high);
        QFETCH(int, both);
        QCOMPARE(int(wrapHigh(value)), high);
        QCOMPARE(int(wrapBoth(value)), both);
    }

    // Every bearing the window can produce, in each period: each plate is a permutation,
    // the centre stars come from the facing and sitting palaces, one grey palace opposite
    // the facing palace.
    void sweepOfEveryBearing_data()
    {
        QTest::addColumn<int>("year");
        for (int period = 1; period <= 9; ++period)
            QTest::addRow("period %d", period) << 1864 + 20 * (period - 1);
    }
    void sweepOfEveryBearing()
    {
        QFETCH(int, year);
        Calc calc;
        calc.setYear(std::int16_t(year));
        for (int tenths = 0; tenths < 3600; ++tenths) {
            calc.setDegrees(float(tenths / 10.0));
            const BuildingChart chart = buildChart(calc);
            const QByteArray where = QByteArray::number(tenths / 10.0);
            QVERIFY2(isPermutationOfOneToNine(chart.time), where);
            QVERIFY2(isPermutationOfOneToNine(chart.facing), where);
            QVERIFY2(isPermutationOfOneToNine(chart.mountain), where);
            QCOMPARE(chart.facing[0], chart.time[chart.facingPalace]);
            QCOMPARE(chart.mountain[0], chart.time[chart.sittingPalace]);
            QCOMPARE(chart.greyPalace, chart.sittingPalace);
            QVERIFY2(chart.facingPalace != Centre, where);
            QCOMPARE(opposite(chart.facingPalace), chart.sittingPalace);
        }
    }
};

QTEST_APPLESS_MAIN(TestChart)
#include "test_chart.moc"
