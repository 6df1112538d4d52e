#include "engine/chart.h"
#include "engine/keystroke.h"
#include "engine/numerictext.h"
#include "engine/runtimeerror.h"
#include "engine/validation.h"
#include "support/table.h"

#include <QTest>

using namespace orrindel;
using namespace orrindel::test;

namespace {

constexpr int Overflow = RuntimeError::Overflow;

// Bearings a hair from a boundary, by the bearing they read as in 32-bit arithmetic: 22.49999
// to 22.4999847 (2^-16 below 22.5, a tie that rounds to even) come to exactly 360 once 22.5 is
// taken off, and read as 22.5 itself; 22.4999828 and 22.49998 stay N3.
// clang-format off
struct Hair { float readsAs; std::initializer_list<float> bearings; };
constexpr Hair Hairs[] = {{.readsAs = 7.5f, .bearings = {7.50001f}},
    {.readsAs = 22.5f, .bearings = {22.49999f, 22.499995f, 22.499998f, 22.4999847f}}, {.readsAs = 22.4f, .bearings = {22.4999828f, 22.49998f}}};

// Bearings in tenths on an inner boundary of the thirds, where 32-bit rounding decides, by the
// third they fall in.
struct Third { int third; std::initializer_list<int> tenths; };
constexpr Third Thirds[] = {{.third = 1, .tenths = {1275, 1725}}, {.third = 3, .tenths = {525, 1425, 1875}},
    {.third = 2, .tenths = {375, 825, 975, 2175, 2325, 2625, 2775, 3075, 3225, 3525, 75}}};

// A year's period, or the overflow it raises, and for a month given the centre of that month's
// annual stars.
struct Year { int year, period = 0; bool overflows = false; int month = 0, centre = 0; };
constexpr Year Years[] = {
    {.year = 65, .period = 1}, {.year = 1863, .period = 9}, {.year = 1864, .period = 1}, {.year = 1883, .period = 1}, {.year = 1884, .period = 2}, {.year = 1904, .period = 3}, {.year = 1924, .period = 4}, {.year = 1963, .period = 5},
    {.year = 1964, .period = 6}, {.year = 1984, .period = 7}, {.year = 2004, .period = 8}, {.year = 2043, .period = 9}, {.year = 2044, .period = 1}, {.year = -32704, .period = 0}, {.year = -32705, .overflows = true},
    {.year = 2000, .period = 7, .month = 6, .centre = 9}, {.year = 2000, .period = 7, .month = 1, .centre = 1}, {.year = 2024, .period = 9, .month = 2, .centre = 3}, {.year = 2025, .period = 9, .month = 1, .centre = 3},
    {.year = 2025, .period = 9, .month = 2, .centre = 2}, {.year = 2026, .period = 9, .month = 12, .centre = 1}, {.year = 1000, .period = 2, .month = 1, .centre = 2}, {.year = 9999, .period = 2, .month = 12, .centre = 2}};

// A key typed in a mode, and what the filter gives: the code itself unless given, another code,
// or Dropped with a beep.
constexpr int Dropped = 0;
struct Key { int mode, code; std::optional<int> gives = std::nullopt; };
constexpr Key Keys[] = {
    {.mode = 0, .code = 97, .gives = 65}, {.mode = 0, .code = 122, .gives = 90}, {.mode = 0, .code = 96}, {.mode = 0, .code = 123},
    {.mode = 0, .code = 233}, {.mode = 0, .code = 34, .gives = Dropped}, {.mode = 0, .code = 39, .gives = Dropped},
    {.mode = 0, .code = 145, .gives = Dropped}, {.mode = 0, .code = 146, .gives = Dropped}, {.mode = 0, .code = 147}, {.mode = 0, .code = 144},
    {.mode = 0, .code = 13}, {.mode = 0, .code = -5}, {.mode = 0, .code = 0, .gives = Dropped}, {.mode = 0, .code = 27}, {.mode = 0, .code = 8},
    {.mode = 1, .code = 97}, {.mode = 1, .code = 8}, {.mode = 1, .code = 34, .gives = Dropped}, {.mode = 1, .code = 39, .gives = Dropped},
    {.mode = 1, .code = 145, .gives = Dropped}, {.mode = 1, .code = 146, .gives = Dropped}, {.mode = 1, .code = 147}, {.mode = 1, .code = -100},
    {.mode = 1, .code = 0, .gives = Dropped}, {.mode = 2, .code = 48}, {.mode = 2, .code = 57}, {.mode = 2, .code = 47, .gives = Dropped},
    {.mode = 2, .code = 58, .gives = Dropped}, {.mode = 2, .code = 46, .gives = Dropped}, {.mode = 2, .code = 0, .gives = Dropped},
    {.mode = 2, .code = 7, .gives = Dropped}, {.mode = 2, .code = 8}, {.mode = 2, .code = 9}, {.mode = 2, .code = 10},
    {.mode = 2, .code = 11, .gives = Dropped}, {.mode = 2, .code = 13}, {.mode = 2, .code = 14, .gives = Dropped}, {.mode = 3, .code = 46},
    {.mode = 3, .code = 48}, {.mode = 3, .code = 47, .gives = Dropped}, {.mode = 3, .code = 58, .gives = Dropped},
    {.mode = 3, .code = 45, .gives = Dropped}, {.mode = 3, .code = 7, .gives = Dropped}, {.mode = 3, .code = 8}, {.mode = 3, .code = 10},
    {.mode = 3, .code = 11, .gives = Dropped}, {.mode = 3, .code = 13}, {.mode = 3, .code = -1, .gives = Dropped},
    {.mode = 4, .code = 50, .gives = Dropped}, {.mode = -1, .code = 50, .gives = Dropped}, {.mode = INT32_MAX, .code = 13, .gives = Dropped}};

// Text, what it reads as (numeric text, its integer or even the single overflowing, or none),
// its value and integer (half to even), and whether the window takes it as a year or a bearing.
enum Reads { Numeric, IntegerOverflows, SingleOverflows, NotNumeric };
struct Text { const char *text; Reads reads = Numeric; double value = 0; int integer = 0; bool year = false, bearing = false; };
constexpr Text Texts[] = {
    {.text = "2004", .value = 2004, .integer = 2004, .year = true}, {.text = "0", .bearing = true}, {.text = "5.", .value = 5, .integer = 5, .bearing = true}, {.text = ".5", .value = .5, .bearing = true},
    {.text = "1.5", .value = 1.5, .integer = 2, .bearing = true}, {.text = "2.5", .value = 2.5, .integer = 2, .bearing = true},
    {.text = "2.51", .value = 2.51, .integer = 3, .bearing = true}, {.text = "64", .value = 64, .integer = 64, .bearing = true},
    {.text = "65", .value = 65, .integer = 65, .year = true, .bearing = true}, {.text = "64.5", .value = 64.5, .integer = 64, .year = true, .bearing = true}, {.text = "0065", .value = 65, .integer = 65, .year = true, .bearing = true},
    {.text = "359.99999", .value = 359.99999, .integer = 360, .year = true, .bearing = true}, {.text = "360", .value = 360, .integer = 360, .year = true}, {.text = "32767.4", .value = 32767.4, .integer = 32767, .year = true},
    {.text = "32767.5", .reads = IntegerOverflows, .value = 32767.5}, {.text = "32768", .reads = IntegerOverflows, .value = 32768}, {.text = "99999999999999999999999999999999999999999999999999", .reads = SingleOverflows, .value = 1e50},
    {.text = "\u0661\u0662", .reads = NotNumeric}, {.text = "", .reads = NotNumeric}, {.text = ".", .reads = NotNumeric}, {.text = "1.2.3", .reads = NotNumeric}, {.text = "1e3", .reads = NotNumeric}, {.text = "-5", .reads = NotNumeric},
    {.text = " 12", .reads = NotNumeric}, {.text = "1,5", .reads = NotNumeric}, {.text = "inf", .reads = NotNumeric}};

// clang-format on

QString chartLine(int year, float degrees)
{
    Calc calc;
    calc.setYear(std::int16_t(year));
    calc.setDegrees(degrees);
    const BuildingChart c = buildChart(calc);
    const auto way = [](StarDirection d) {
        return d == StarDirection::Forward ? "Forward" : "Reverse";
    };
    QString line = QString::asprintf("%d %g %d/%d %d %s %s", c.period, calc.CompassSubDirection(),
                                     c.facingPalace, c.sittingPalace, c.greyPalace,
                                     way(c.facingDirection), way(c.mountainDirection));
    for (const Stars &plate : {c.time, c.facing, c.mountain})
        for (int i = -1; i < PalaceCount; ++i)
            line += i < 0 ? QChar(' ') : QChar('0' + plate[i]);
    return line;
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT
private slots:
    // Each year's period and annual stars, and its chart at every tenth of a degree (every
    // 4.5 degrees for the annual rows) against the compass rules worked in whole tenths (on
    // an inner boundary of the thirds the Thirds table decides the third). Period, third,
    // facing/sitting palace, grey palace, both star directions, then the time, facing and
    // mountain plates: everything a chart shows, on one line.
    void years_data() { addRows(Years, &Year::year); }
    void years()
    {
        const auto &[year, period, overflows, month, centre] = current(Years);
        QCOMPARE(errorOf([&] { (void)chartLine(year, 0); }), overflows ? Overflow : 0);
        if (month)
            QCOMPARE(int(annualStars(std::int16_t(year), std::int16_t(month))[Centre]), centre);
        for (const auto &[as, bearings] : Hairs)
            for (const float hair : bearings)
                QVERIFY2(period == 0 || chartLine(year, hair) == chartLine(year, as),
                         qPrintable(QString::number(hair, 'g', 9)));
        // Palaces of the 45-degree sectors clockwise from 22.5: NE, E, SE, S, SW, W, NW, N.
        static constexpr int palaceOf[8] = {3, 7, 8, 4, 6, 2, 1, 5};
        const auto plate = [](int star, int step) {
            QString stars;
            for (int i = 0; i < 9; ++i)
                stars += QString::number((star + step * i + 17) % 9 + 1);
            return stars;
        };
        for (int tenths = 0; period > 0 && tenths < 3600; tenths += month ? 45 : 1) {
            const int from = (tenths + 3375) % 3600, sector = from / 450; // clockwise from 22.5
            int third = from % 450 / 150 + 1;
            for (const auto &[rounded, boundaries] : Thirds)
                third = std::ranges::count(boundaries, tenths) ? rounded : third;
            const int palaces[2] = {palaceOf[sector], palaceOf[(sector + 4) % 8]};
            QString line = QString::asprintf("%d %d %d/%d %d", period, third, palaces[0],
                                             palaces[1], palaces[1]);
            QString plates = ' ' + plate(period, 1);
            for (const int palace : palaces) {
                // Odd stars live in the cardinal sectors, whose first mountain is yang, even
                // stars in the corners, whose first is yin; a 5 takes the period's star.
                const int star = (period + palace + 17) % 9 + 1;
                const int home = star == 5 ? period : star;
                const bool forward = home != 5 && (third == 1) == (home % 2 == 1);
                line += forward ? " Forward" : " Reverse";
                plates += ' ' + plate(star, forward ? 1 : -1);
            }
            QCOMPARE(chartLine(year, float(tenths / 10.0)), line + plates);
        }
    }

    void keyFilter_data() { addRows(Keys); }
    void keyFilter()
    {
        const auto &[mode, code, given] = current(Keys);
        const int gives = given.value_or(code);
        int beeps = 0;
        QCOMPARE(int(Keystroke([&beeps] { ++beeps; }).Key(mode, std::int16_t(code))), gives);
        QCOMPARE(beeps, gives == Dropped ? 1 : 0);
    }

    void numericText_data() { addRows(Texts); }
    void numericText()
    {
        const auto &[text, reads, value, integer, year, bearing] = current(Texts);
        QCOMPARE(isNumericText(text), reads != NotNumeric);
        const int fails = reads == NotNumeric ? RuntimeError::TypeMismatch : 0;
        QCOMPARE(errorOf([&] { QCOMPARE(textToDouble(text), value); }), fails);
        QCOMPARE(errorOf([&] { QCOMPARE(textToSingle(text), float(value)); }),
                 reads == SingleOverflows ? Overflow : fails); // past any float
        QCOMPARE(errorOf([&] { QCOMPARE(int(textToInteger(text)), integer); }),
                 reads == Numeric || reads == NotNumeric ? fails : Overflow);
        QCOMPARE(isValidYearText(text), year);
        QCOMPARE(isValidBearingText(text), bearing);
        QCOMPARE(errorOf([] { (void)textToDouble(std::string(400, '9')); }), Overflow);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "test_engine.moc"
