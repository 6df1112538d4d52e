#include "engine/calc.h"
#include "engine/runtimeerror.h"

#include <QTest>

#include <cmath>
#include <limits>

using orrindel::Calc;
using orrindel::RuntimeError;

namespace {
Calc reading(float degrees, std::int16_t year = 2004)
{
    Calc calc;
    calc.setYear(year);
    calc.setDegrees(degrees);
    return calc;
}
} // namespace

class TestCalc : public QObject
{
    Q_OBJECT
private slots:
    void startsAtZero()
    {
        const Calc calc;
        QCOMPARE(calc.Year(), std::int16_t(0));
        QCOMPARE(calc.Degrees(), 0.0f);
    }

    void period_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("period");
        QTest::newRow("first valid year") << 65 << 1;
        QTest::newRow("1863 ends a cycle") << 1863 << 9;
        QTest::newRow("1864 starts period 1") << 1864 << 1;
        QTest::newRow("1883") << 1883 << 1;
        QTest::newRow("1884") << 1884 << 2;
        QTest::newRow("1924") << 1924 << 4;
        QTest::newRow("1963") << 1963 << 5;
        QTest::newRow("1964") << 1964 << 6;
        QTest::newRow("2003") << 2003 << 7;
        QTest::newRow("2004") << 2004 << 8;
        QTest::newRow("2023") << 2023 << 8;
        QTest::newRow("2024") << 2024 << 9;
        QTest::newRow("2043") << 2043 << 9;
        QTest::newRow("2044 wraps to 1") << 2044 << 1;
        QTest::newRow("1684 also period 1") << 1684 << 1;
        QTest::newRow("9999") << 9999 << 2;
    }
    void period()
    {
        QFETCH(int, year);
        QFETCH(int, period);
        QCOMPARE(int(reading(0, std::int16_t(year)).Period()), period);
    }

    void periodOverflowsBelowRange()
    {
        QCOMPARE(reading(0, -32704).Period(), std::int16_t(0)); // -32768 still fits
        try {
            (void)reading(0, -32705).Period();
            QFAIL("no overflow raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), int(RuntimeError::Overflow));
        }
    }

    void subDirection_data()
    {
        QTest::addColumn<float>("degrees");
        QTest::addColumn<float>("third");
        // Bearings exactly on an inner boundary go where their 32-bit sector falls.
        QTest::newRow("37.5") << 37.5f << 2.0f;
        QTest::newRow("52.5") << 52.5f << 3.0f;
        QTest::newRow("82.5") << 82.5f << 2.0f;
        QTest::newRow("97.5") << 97.5f << 2.0f;
        QTest::newRow("127.5") << 127.5f << 1.0f;
        QTest::newRow("142.5") << 142.5f << 3.0f;
        QTest::newRow("172.5") << 172.5f << 1.0f;
        QTest::newRow("187.5") << 187.5f << 3.0f;
        QTest::newRow("217.5") << 217.5f << 2.0f;
        QTest::newRow("232.5") << 232.5f << 2.0f;
        QTest::newRow("262.5") << 262.5f << 2.0f;
        QTest::newRow("277.5") << 277.5f << 2.0f;
        QTest::newRow("307.5") << 307.5f << 2.0f;
        QTest::newRow("322.5") << 322.5f << 2.0f;
        QTest::newRow("352.5") << 352.5f << 2.0f;
        QTest::newRow("7.5") << 7.5f << 2.0f;
        // Sector starts and the plain thirds between boundaries.
        QTest::newRow("22.5 sector start") << 22.5f << 1.0f;
        QTest::newRow("337.5 sector start") << 337.5f << 1.0f;
        QTest::newRow("22.4 still north") << 22.4f << 3.0f;
        QTest::newRow("30 NE first") << 30.0f << 1.0f;
        QTest::newRow("45 NE second") << 45.0f << 2.0f;
        QTest::newRow("60 NE third") << 60.0f << 3.0f;
        QTest::newRow("0") << 0.0f << 2.0f;
        QTest::newRow("180") << 180.0f << 2.0f;
        QTest::newRow("355") << 355.0f << 2.0f;
        QTest::newRow("359.9") << 359.9f << 2.0f;
        QTest::newRow("10") << 10.0f << 3.0f;
        QTest::newRow("a hair above 7.5") << 7.50001f << 2.0f;
        QTest::newRow("7.6") << 7.6f << 3.0f;
        QTest::newRow("a hair below 22.5") << 22.49999f << 1.0f;
    }
    void subDirection()
    {
        QFETCH(float, degrees);
        QFETCH(float, third);
        QCOMPARE(reading(degrees).CompassSubDirection(), third);
    }

    void heading_data()
    {
        QTest::addColumn<float>("degrees");
        QTest::addColumn<int>("facing");
        QTest::addColumn<int>("sitting");
        QTest::newRow("0 north") << 0.0f << 5 << 4;
        QTest::newRow("22.4 north") << 22.4f << 5 << 4;
        QTest::newRow("22.5 north-east") << 22.5f << 3 << 6;
        QTest::newRow("67.4 north-east") << 67.4f << 3 << 6;
        QTest::newRow("67.5 east") << 67.5f << 7 << 2;
        QTest::newRow("112.5 south-east") << 112.5f << 8 << 1;
        QTest::newRow("157.5 south") << 157.5f << 4 << 5;
        QTest::newRow("180 south") << 180.0f << 4 << 5;
        QTest::newRow("202.5 south-west") << 202.5f << 6 << 3;
        QTest::newRow("247.5 west") << 247.5f << 2 << 7;
        QTest::newRow("292.5 north-west") << 292.5f << 1 << 8;
        QTest::newRow("337.4 north-west") << 337.4f << 1 << 8;
        QTest::newRow("337.5 north") << 337.5f << 5 << 4;
        QTest::newRow("359.9 north") << 359.9f << 5 << 4;
        // Rounds to a sector of exactly 8, one past the table: still north.
        QTest::newRow("a hair below 22.5") << 22.49999f << 5 << 4;
    }
    void heading()
    {
        QFETCH(float, degrees);
        QFETCH(int, facing);
        QFETCH(int, sitting);
        const Calc calc = reading(degrees);
        QCOMPARE(int(calc.CompassHeading(0)), facing);
        QCOMPARE(int(calc.CompassHeading(1)), sitting);
    }

    void headingOfOtherArgumentsIsZero()
    {
        const Calc calc = reading(180);
        QCOMPARE(calc.CompassHeading(2), std::int16_t(0));
        QCOMPARE(calc.CompassHeading(-1), std::int16_t(0));
    }

    void starDirection_data()
    {
        QTest::addColumn<int>("star");
        QTest::addColumn<int>("timeStar");
        QTest::addColumn<float>("degrees");
        QTest::addColumn<QString>("direction");
        const float thirds[] = {30.0f, 45.0f, 60.0f}; // sub-directions 1, 2, 3 of north-east
        for (int third = 0; third < 3; ++third) {
            for (int star = 1; star <= 9; ++star) {
                if (star == 5)
                    continue;
                const bool odd = star % 2 == 1;
                const bool forward = third == 0 ? odd : !odd;
                QTest::addRow("star %d third %d", star, third + 1)
                    << star << 8 << thirds[third] << (forward ? "Forward" : "Reverse");
            }
            QTest::addRow("5 takes 7, third %d", third + 1)
                << 5 << 7 << thirds[third] << (third == 0 ? "Forward" : "Reverse");
            QTest::addRow("5 with time star 5, third %d", third + 1)
                << 5 << 5 << thirds[third] << "Reverse";
        }
    }
    void starDirection()
    {
        QFETCH(int, star);
        QFETCH(int, timeStar);
        QFETCH(float, degrees);
        QFETCH(QString, direction);
        const std::string got =
            reading(degrees).StarDirection(std::int16_t(star), std::int16_t(timeStar));
        QCOMPARE(QString::fromStdString(got), direction);
    }

    void nonFiniteBearingRaises_data()
    {
        QTest::addColumn<float>("degrees");
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity();
    }
    void nonFiniteBearingRaises()
    {
        QFETCH(float, degrees);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)reading(degrees).CompassHeading(0));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)reading(degrees).CompassSubDirection());
    }
};

QTEST_APPLESS_MAIN(TestCalc)
#include "test_calc.moc"
