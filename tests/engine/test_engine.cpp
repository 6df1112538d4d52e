#include "engine/chart.h"
#include "engine/keystroke.h"
#include "engine/numerictext.h"
#include "engine/runtimeerror.h"
#include "engine/validation.h"
#include "orrindel/version.h"
#include "support/table.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace orrindel;
using namespace orrindel::test;

namespace {

// Bearings a hair from a boundary, and the bearing each reads as in 32-bit arithmetic: 22.49999
// to 22.4999847 (2^-16 below 22.5, a tie that rounds to even) come to exactly 360 once 22.5 is
// taken off, and read as 22.5 itself; 22.4999828 and 22.49998 stay N3.
// clang-format off
constexpr std::pair<float, float> Hairs[] = {{7.50001f, 7.5f}, {22.49999f, 22.5f}, {22.499995f, 22.5f},
    {22.499998f, 22.5f}, {22.4999847f, 22.5f}, {22.4999828f, 22.4f}, {22.49998f, 22.4f}};

// Bearings in tenths on an inner boundary of the thirds, where 32-bit rounding decides.
constexpr std::array<int, 2> Thirds[] = {
    {375, 2}, {525, 3}, {825, 2}, {975, 2}, {1275, 1}, {1425, 3}, {1725, 1}, {1875, 3}, {2175, 2}, {2325, 2},
    {2625, 2}, {2775, 2}, {3075, 2}, {3225, 2}, {3525, 2}, {75, 2}};

// Year, period (-6: overflow), month (0: none) and the centre of that month's annual stars.
constexpr std::array<int, 4> Years[] = {
    {65, 1, 0, 0}, {1863, 9, 0, 0}, {1864, 1, 0, 0}, {1883, 1, 0, 0}, {1884, 2, 0, 0}, {1904, 3, 0, 0},
    {1924, 4, 0, 0}, {1963, 5, 0, 0}, {1964, 6, 0, 0}, {1984, 7, 0, 0}, {2004, 8, 0, 0}, {2043, 9, 0, 0},
    {2044, 1, 0, 0}, {2000, 7, 6, 9}, {2000, 7, 1, 1}, {2024, 9, 2, 3}, {2025, 9, 1, 3}, {2025, 9, 2, 2},
    {2026, 9, 12, 1}, {1000, 2, 1, 2}, {9999, 2, 12, 2}, {-32704, 0, 0, 0}, {-32705, -6, 0, 0}};

// Mode, typed code, result.
constexpr std::array<int, 3> Keys[] = {
    {0, 97, 65}, {0, 122, 90}, {0, 96, 96}, {0, 123, 123}, {0, 233, 233}, {0, 34, 0}, {0, 39, 0}, {0, 145, 0},
    {0, 146, 0}, {0, 147, 147}, {0, 144, 144}, {0, 13, 13}, {0, -5, -5}, {0, 0, 0}, {0, 27, 27}, {0, 8, 8},
    {1, 97, 97}, {1, 8, 8}, {1, 34, 0}, {1, 39, 0}, {1, 145, 0}, {1, 146, 0}, {1, 147, 147}, {1, -100, -100},
    {1, 0, 0}, {2, 48, 48}, {2, 57, 57}, {2, 47, 0}, {2, 58, 0}, {2, 46, 0}, {2, 0, 0}, {2, 7, 0}, {2, 8, 8},
    {2, 9, 9}, {2, 10, 10}, {2, 11, 0}, {2, 13, 13}, {2, 14, 0}, {3, 46, 46}, {3, 48, 48}, {3, 47, 0}, {3, 58, 0},
    {3, 45, 0}, {3, 7, 0}, {3, 8, 8}, {3, 10, 10}, {3, 11, 0}, {3, 13, 13}, {3, -1, 0}, {4, 50, 0}, {-1, 50, 0},
    {INT32_MAX, 13, 0}};
// clang-format on

// Text, its value (NaN: not numeric text), as an integer (-1: overflows), valid as a year (y)
// or a bearing (b).
// clang-format off
constexpr std::tuple<const char *, double, int, const char *> Texts[] = {
    {"2004", 2004, 2004, "y"}, {"0", 0, 0, "b"}, {"5.", 5, 5, "b"}, {".5", .5, 0, "b"},
    {"1.5", 1.5, 2, "b"}, {"2.5", 2.5, 2, "b"}, {"2.51", 2.51, 3, "b"}, {"64", 64, 64, "b"},
    {"65", 65, 65, "yb"}, {"64.5", 64.5, 64, "yb"}, {"0065", 65, 65, "yb"},
    {"359.99999", 359.99999, 360, "yb"}, {"360", 360, 360, "y"}, {"32767.4", 32767.4, 32767, "y"},
    {"32767.5", 32767.5, -1, ""}, {"32768", 32768, -1, ""}, {"\u0661\u0662", NAN, -1, ""},
    {"99999999999999999999999999999999999999999999999999", 1e50, -1, ""},
    {"", NAN, -1, ""}, {".", NAN, -1, ""}, {"1.2.3", NAN, -1, ""}, {"1e3", NAN, -1, ""},
    {"-5", NAN, -1, ""}, {" 12", NAN, -1, ""}, {"1,5", NAN, -1, ""}, {"inf", NAN, -1, ""}};
// clang-format on

// A command line of either program, its exit status, and what the one stderr line (status 2)
// or stdout (0, without grid lines and quotes) holds: the message's lines, in order.
const QString Y = "orrindel-chart --year 2004 --facing 10 ", Version = ORRINDEL_VERSION_STRING;
// clang-format off
const std::tuple<QString, int, QString> Runs[] = {
    {"orrindel-chart --version", 0, Version}, {"orrindel-chart --help", 0, "--annual <MM/YYYY>\n--replacement\n--tolerance <DEGREES>"},
    {"orrindel-chart --facing 10", 2, "--year is"}, {"orrindel-chart --year 2004", 2, "--facing is required"},
    {"orrindel-chart --year 2004 --facing 360", 2, "--facing 360:"},
    {Y + "--json=1", 2, "'--json'"}, {Y + "--annual 00/2000", 2, "00/2000:"}, {Y + "--annual 13/2000", 2, "13/2000:"},
    {Y + "--annual 06/0999", 2, "0999:"},
    {Y + "--tolerance 7.6", 2, "--tolerance 7.6:"}, {Y + "--tolerance -1", 2, "-1: give degrees from 0 to 7.5"},
    {Y + "--tolerance 1e1", 2, "1e1:"}, {Y + "--tolerance", 2, "Missing value after '--tolerance'"},
    {Y + "--tolerance 7.5", 0, "offset -5 degrees from the centre of 癸\nLean: leaning (兼向), 癸兼子 / 丁兼午; most schools "
                              "read the replacement chart Void: minor (小空亡), within 7.5 degrees"}, {Y + "--colour", 2, "'colour'"}, {Y + "north", 2, "argument: north"},
    {"orrindel-chart x --year 2004 --facing 10", 2, "argument: x"},
    {"orrindel-chart --year 2004 --facing 22.49998", 0, "S3, mountain stars Reverse\nFormation: double-sitting"},
    {"orrindel-chart --year 2004 --facing 22.49999", 0, "NE1, facing stars Reverse\nSitting: south-west (palace 6), "
                                                        "mountain SW1, mountain stars Reverse\nFormation: wang-shan"},
    {"orrindel-chart --year 2004 --facing 225", 0, "NE2, mountain stars Forward\nFormation: shang-shan-xia-shui"},
    {"orrindel-chart --year 2004 --facing 180 --annual 06/2000", 0,
     "SE S SW 3 4 8 8 1 6 7 3 5 [8] [4] [6] 2 5 4 3 6 1 E 6 8 1 W [7] [9] [2] 7 9 9 7 5 2 2 4 9 sitting "
     "[3] [5] [1] NE N NW Year 2004, facing 180: period 8 Facing: south (palace 4), mountain S2, facing "
     "stars Reverse Sitting: north (palace 5), mountain N2, mountain stars Forward Formation: "
     "double-facing Annual stars 06/2000: centre 9 Mountains: 子山午向 (Zi/Wu, N2/S2), offset 0 degrees from "
     "the centre of 午 Lean: standard (within 4.5 degrees of the centre) Monthly stars 06/2000: solar month 午 (芒種), "
     "centre 1 from 2000-06-05 "},
    // Leaning, on the line: both charts, the monthly stars from 大雪 to 小寒 in the test's zone (UTC+8;
    // the comparison drops the "+" of "+7" and "UTC+08:00").
    {"orrindel-chart --year 2026 --facing 187 --annual 12/2026", 0,
     "Annual stars 12/2026: centre 1 Mountains: 子山午向 (Zi/Wu, N2/S2), offset 7 degrees from the centre of 午 "
     "Lean: leaning (兼向), 午兼丁 / 子兼癸; most schools read the replacement chart Void: minor (小空亡), within 0.5 "
     "degrees of a mountain's boundary: measure again Replacement chart (替卦): formation none SE S SW 6 5 1 1 8 3"
     "\nMonthly stars 12/2026: solar month 子 (大雪), centre 7 from 2026-12-07 10:53 CST (UTC08:00) to 2027-01-05 "
     "\nSE 6 S 2 SW 4 E 5 C 7 W 9 NE 1 N 3 NW 8"},
    {"orrindel-chart --year 2004 --facing 22.5 --replacement --tolerance 0", 0,
     "Lean: leaning (兼向), 丑兼癸 / 未兼丁; most schools read the replacement chart Void: major (大空亡), within 0 "
     "degrees of a sector's boundary: measure again Replacement chart (替卦): formation wang-shan-wang-shui, the same "
     "as the standard chart"},
    {"orrindel-chart --year 2004 --facing 180 --annual 01/2000 --json", 0,
     "{ annual: { centre: 1, month: 1, year: 2000 }, facing: 180, facingMountain: S2, facingPalace: 4, "
     "facingStarDirection: Reverse, formation: double-facing, "
     "lean: standard, leanToward: null, monthly: { branch: 丑, centre: 6, end: 2000-02-04T12:40:\nZ, start: "
     "2000-01-06T01:0\nZ, term: 小寒 }, mountainStarDirection: Forward, mountains: { facing: { centre: 180, code: S2, "
     "name: 午, offset: 0, pinyin: Wu }, sitting: { centre: 0, code: N2, name: 子, offset: 0, pinyin: Zi } }, "
     "palaces: [ { annual: 1, direction: centre, facing: 3, grey: false, index: 0, monthly: 6, mountain: 4, time: 8 }, "
     "{ annual: 2,\n{ annual: 6, direction: north, facing: 7, grey: true, index: 5, monthly: 2, mountain: 9, time: 4 }, "
     "{ annual: 7,\n{ annual: 9, direction: south-east, facing: 4, grey: false, index: 8, monthly: 5, mountain: 3, "
     "time: 7 } ], period: 8, replacement: { applies: false, formation: null, palaces: [ { facing: 2, index: 0, "
     "mountain: 6 }, { facing: 1, index: 1, mountain: 7 },\n{ facing: 3, index: 8, mountain: 5 } ], sameAsStandard: "
     "false }, sittingMountain: N2, sittingPalace: 5, subDirection: 2, void: null, year: 2004 }"},
    // In Chinese, the grid's words too (小暑 at 09:56:3x is 09:57 as almanacs round it); the
    // JSON is the same in every language ("=": the same output as that command).
    {"LANGUAGE=zh_CN orrindel-chart --year 2026 --facing 187 --annual 07/2026", 0, "东南 南 西南\n坐宫\n东北 北 西北\n"
     "建造年份 2026，朝向 187 度：9 运 向：南（宫 4），山 S2，向星顺飞\n山向：子山午向（坐子向午，N2/S2）\n空亡：小空亡\n"
     "替卦：格局 无\n月飞星 07/2026：未月（小暑），中宫 3 自 2026-07-07 09:57 CST\n东南 2 南 7 西南 9 东 1 中 3"},
    {"LANGUAGE=zh_TW orrindel-chart --year 2026 --facing 187 --annual 12/2026 --json", 0,
     "=LANGUAGE=en orrindel-chart --year 2026 --facing 187 --annual 12/2026 --json"},
    // The window's program answers without a display; Qt's own options are left to Qt.
    {"orrindel x --help", 0, "Usage: \n/orrindel [options]\n-h, --help\n-v, --version"},
    {"orrindel --version", 0, "Orrindel " + Version}, {"orrindel -session s1 -v", 0, "Orrindel " + Version},
    {"orrindel -q -h", 2, "orrindel: Unknown option 'q'. Try 'orrindel --help'.\n"},
    {"orrindel a", 2, "orrindel: Unexpected argument 'a'. Try 'orrindel --help'.\n"},
    // In the desktop's language, Qt's own text too; one without a translation gets English.
    {"LANGUAGE=zh_CN orrindel --help", 0, "在窗口中计算建筑物的玄空飞星盘。\n显示"},
    {"LANGUAGE=zh_TW:en orrindel a", 2, "orrindel: 未預期的引數「a」。請嘗試「orrindel --help」。\n"},
    {"LANGUAGE=pt_BR:de orrindel a", 2, "orrindel: Unexpected argument 'a'. Try 'orrindel --help'.\n"}};
// clang-format on

QString chartLine(int year, float degrees)
{
    Calc calc;
    calc.setYear(std::int16_t(year));
    calc.setDegrees(degrees);
    const BuildingChart c = buildChart(calc);
    QString line = QString::asprintf("%d %g %d/%d %d %s %s", c.period, calc.CompassSubDirection(),
                                     c.facingPalace, c.sittingPalace, c.greyPalace,
                                     c.facingDirection.c_str(), c.mountainDirection.c_str());
    for (const Stars &plate : {c.time, c.facing, c.mountain})
        for (int i = -1; i < PalaceCount; ++i)
            line += i < 0 ? QChar(' ') : QChar('0' + plate[i]);
    return line;
}

// A built program's exit status (-1: it crashed), stdout and stderr. The command may start
// with the LANGUAGE it runs under.
std::tuple<int, QString, QString> runTool(const QString &command)
{
    QProcess tool;
    QStringList words = command.split(' ');
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (words[0].startsWith("LANGUAGE="))
        environment.insert("LANGUAGE", words.takeFirst().mid(9));
    tool.setProcessEnvironment(environment);
    tool.start(words[0] == "orrindel" ? ORRINDEL_BINARY : CHART_TOOL, words.mid(1));
    const bool exited = tool.waitForFinished() && tool.exitStatus() == QProcess::NormalExit;
    return {exited ? tool.exitCode() : -1, tool.readAllStandardOutput(),
            tool.readAllStandardError()};
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qunsetenv(name);            // the programs run without a display
        qputenv("TZ", "Asia/Shanghai"); // local times in the zone the almanacs publish
    }
    // Each year's period and annual stars, and its chart at every tenth of a degree (every
    // 4.5 degrees for the annual rows) against the compass rules worked in whole tenths (on
    // an inner boundary of the thirds the Thirds table decides the third). Period, third,
    // facing/sitting palace, grey palace, both star directions, then the time, facing and
    // mountain plates: everything a chart shows, on one line.
    void years_data() { addRows(Years); }
    void years()
    {
        const auto &[year, period, month, centre] = current(Years);
        QCOMPARE(errorOf([&] { (void)chartLine(year, 0); }), std::max(-period, 0));
        for (int i = 0; month && i < PalaceCount; ++i)
            QCOMPARE(int(annualStars(std::int16_t(year), std::int16_t(month))[i]),
                     (centre + i - 1) % 9 + 1);
        for (const auto &[hair, as] : Hairs)
            QVERIFY2(period <= 0 || chartLine(year, hair) == chartLine(year, as),
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
            for (const auto &[boundary, rounded] : Thirds)
                third = boundary == tenths ? rounded : third;
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
        const auto &[mode, code, result] = current(Keys);
        int beeps = 0;
        QCOMPARE(int(Keystroke([&beeps] { ++beeps; }).Key(mode, std::int16_t(code))), result);
        QCOMPARE(beeps, result == 0 ? 1 : 0);
    }

    void numericText_data() { addRows(Texts); }
    void numericText()
    {
        const auto &[text, value, integer, valid] = current(Texts);
        QCOMPARE(isNumericText(text), !qIsNaN(value));
        const int notNumeric = qIsNaN(value) ? 13 : 0;
        QCOMPARE(errorOf([&] { QCOMPARE(textToDouble(text), value); }), notNumeric);
        QCOMPARE(errorOf([&] { QCOMPARE(textToSingle(text), float(value)); }),
                 value > 1e39 ? 6 : notNumeric); // past any float
        QCOMPARE(errorOf([&] { QCOMPARE(int(textToInteger(text)), integer); }),
                 integer == -1 && !notNumeric ? 6 : notNumeric);
        QCOMPARE(isValidYearText(text), QByteArray(valid).contains('y'));
        QCOMPARE(isValidBearingText(text), QByteArray(valid).contains('b'));
        QCOMPARE(errorOf([] { (void)textToDouble(std::string(400, '9')); }), 6);
    }

    void tool_data() { addRows(Runs); }
    void tool()
    {
        const auto &[arguments, status, message] = current(Runs);
        const auto [code, out, err] = runTool(arguments);
        QCOMPARE(code, status);
        // The grids line up in any script: a CJK character takes two columns.
        for (const QString &line : out.split('\n')) {
            const QString grid = line.left(line.lastIndexOf('|') + 1);
            QVERIFY(grid.isEmpty() ||
                    grid.size() + grid.count(QRegularExpression("\\p{Han}")) == 40);
        }
        if (message.startsWith('=')) {
            QCOMPARE(out, std::get<1>(runTool(message.mid(1))));
            return;
        }
        // One line on stderr and nothing on stdout, or nothing on stderr.
        QCOMPARE(err.count('\n') + (status ? out : err).size(), status ? 1 : 0);
        // The message's lines in order: in stderr, or in stdout without grid lines and quotes.
        const QString text =
            status ? err : QString(out).remove(QRegularExpression("[|+\"]|---+")).simplified();
        qsizetype at = 0;
        for (const QString &part : QString(message).split('\n'))
            QVERIFY2((at = text.indexOf(part, at)) >= 0, qPrintable(part + " in: " + text));
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "test_engine.moc"
