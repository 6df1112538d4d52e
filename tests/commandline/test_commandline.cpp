// Both programs' command lines, run as processes as scripts run them, without a display.

#include "orrindel/version.h"
#include "support/table.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace orrindel::test;

namespace {

constexpr int Usage = 2; // the exit status of a bad command line

// A command line of either program, its exit status, and what the one stderr line (Usage) or
// stdout (0, without grid lines and quotes) holds: the message's lines, in order.
// clang-format off
struct Run { QString command; int status = 0; QString says = {}, sameAs = {}; };
const QString Y = "orrindel-chart --year 2004 --facing 10 ", Version = ORRINDEL_VERSION_STRING;
const Run Runs[] = {
    {.command = "orrindel-chart --version", .says = Version}, {.command = "orrindel-chart --help", .says = "--annual <MM/YYYY>\n--replacement\n--tolerance <DEGREES>"},
    {.command = "orrindel-chart --facing 10", .status = Usage, .says = "--year is"}, {.command = "orrindel-chart --year 2004", .status = Usage, .says = "--facing is required"},
    {.command = "orrindel-chart --year 2004 --facing 360", .status = Usage, .says = "--facing 360:"},
    {.command = Y + "--json=1", .status = Usage, .says = "'--json'"}, {.command = Y + "--annual 00/2000", .status = Usage, .says = "00/2000:"},
    {.command = Y + "--annual 13/2000", .status = Usage, .says = "13/2000:"}, {.command = Y + "--annual 06/0999", .status = Usage, .says = "0999:"},
    {.command = Y + "--tolerance 7.6", .status = Usage, .says = "--tolerance 7.6:"}, {.command = Y + "--tolerance -1", .status = Usage, .says = "-1: give degrees from 0 to 7.5"},
    {.command = Y + "--tolerance 1e1", .status = Usage, .says = "1e1:"}, {.command = Y + "--tolerance " + QString(400, '9'), .status = Usage, .says = "99: give"}, {.command = Y + "--tolerance", .status = Usage, .says = "Missing value after '--tolerance'"},
    {.command = Y + "--tolerance 7.5", .says = "offset -5 degrees from the centre of 癸\nLean: leaning (兼向), 癸兼子 / 丁兼午: most schools "
                                                "read the replacement chart Void: minor (小空亡), within 7.5 degrees"},
    {.command = Y + "--tolerance 7.12345678", .says = "within 7.1234568 degrees"}, // to eight digits
    {.command = "orrindel-chart --year 2004 --facing 180.5", .says = "offset +0.5 degrees from the centre of 午"},
    {.command = Y + "--colour", .status = Usage, .says = "'colour'"}, {.command = Y + "north", .status = Usage, .says = "argument: north"},
    {.command = "orrindel-chart x --year 2004 --facing 10", .status = Usage, .says = "argument: x"},
    {.command = "orrindel-chart --year 2004 --facing 22.49998", .says = "S3, mountain stars Reverse\nFormation: double stars at the sitting (双星到坐)"},
    {.command = "orrindel-chart --year 2004 --facing 22.49999", .says = "NE1, facing stars Reverse\nSitting: south-west (palace 6), "
                                                                       "mountain SW1, mountain stars Reverse\nFormation: prosperous mountain"},
    {.command = "orrindel-chart --year 2004 --facing 225", .says = "NE2, mountain stars Forward\nFormation: reversed mountain and water (上山下水)"},
    {.command = "orrindel-chart --year 2004 --facing 180 --annual 06/2000", .says =
     "SE S SW 3 4 8 8 1 6 7 3 5 [8] [4] [6] 2 5 4 3 6 1 E 6 8 1 W [7] [9] [2] 7 9 9 7 5 2 2 4 9 sitting "
     "[3] [5] [1] NE N NW Year 2004, facing 180: period 8 Facing: south (palace 4), mountain S2, facing "
     "stars Reverse Sitting: north (palace 5), mountain N2, mountain stars Forward Formation: double "
     "stars at the facing (双星到向) Annual stars 06/2000: centre 9 Mountains: 子山午向 (sitting Zi, facing Wu; N2/S2), "
     "offset 0 degrees from the centre of 午 Lean: standard, within 4.5 degrees of the centre: the standard chart "
     "applies Monthly stars 06/2000: solar month 午 (芒種), "
     "centre 1 from 2000-06-05 "},
    // Leaning, on the line: both charts, the monthly stars from 大雪 to 小寒 in the test's zone (UTC+8).
    {.command = "orrindel-chart --year 2026 --facing 187 --annual 12/2026", .says =
     "Annual stars 12/2026: centre 1 Mountains: 子山午向 (sitting Zi, facing Wu; N2/S2), offset +7 degrees from the centre of "
     "午 Lean: leaning (兼向), 午兼丁 / 子兼癸: most schools read the replacement chart Void: minor (小空亡), within "
     "0.5 degrees of a mountain's boundary: measure again Replacement chart (替卦): formation none of the four SE S SW 6 5 1 1 8 3"
     "\nMonthly stars 12/2026: solar month 子 (大雪), centre 7 from 2026-12-07 10:53 CST (UTC+08:00) to 2027-01-05 "
     "\nSE 6 S 2 SW 4 E 5 C 7 W 9 NE 1 N 3 NW 8"},
    {.command = "orrindel-chart --year 2004 --facing 22.5 --replacement --tolerance 0", .says =
     "Lean: leaning (兼向), 丑兼癸 / 未兼丁: most schools read the replacement chart Void: major (大空亡), within 0 "
     "degrees of a sector's boundary: measure again Replacement chart (替卦): formation prosperous mountain, "
     "prosperous water (旺山旺水), the same as the standard chart"},
    {.command = "orrindel-chart --year 2004 --facing 180 --annual 01/2000 --json", .says =
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
    // The window's program answers without a display; Qt's own options are left to Qt.
    {.command = "orrindel x --help", .says = "Usage: \n/orrindel [options]\n-h, --help\n-v, --version"},
    {.command = "orrindel --version", .says = "Orrindel " + Version}, {.command = "orrindel -session s1 -v", .says = "Orrindel " + Version},
    {.command = "orrindel -q -h", .status = Usage, .says = "orrindel: Unknown option 'q'. Try 'orrindel --help'.\n"},
    {.command = "orrindel a", .status = Usage, .says = "orrindel: Unexpected argument 'a'. Try 'orrindel --help'.\n"},
    // In the desktop's language, Qt's own text too; one without a translation gets English.
    {.command = "LANGUAGE=zh_CN orrindel --help", .says = "在窗口中计算建筑物的玄空飞星盘。\n显示"},
    {.command = "LANGUAGE=zh_TW:en orrindel a", .status = Usage, .says = "orrindel: 未預期的引數「a」。請嘗試「orrindel --help」。\n"},
    {.command = "LANGUAGE=pt_BR:de orrindel a", .status = Usage, .says = "orrindel: Unexpected argument 'a'. Try 'orrindel --help'.\n"},
    // In Chinese, the grid's words too (小暑 at 09:56:3x is 09:57 as almanacs round it); the
    // JSON is the same in every language (.sameAs: the same output as that command).
    {.command = "LANGUAGE=zh_CN orrindel-chart --year 2026 --facing 187 --annual 07/2026", .says = "东南 南 西南\n坐宫\n东北 北 西北\n"
     "建造年份 2026，朝向 187 度：9 运 向：南（宫 4），山 S2，向星顺飞\n山向：子山午向（坐子向午；N2/S2）\n空亡：小空亡\n"
     "替卦星盘：不属四种格局\n月飞星 07/2026：未月（小暑），中宫 3 自 2026-07-07 09:57 CST\n东南 2 南 7 西南 9 东 1 中 3"},
    {.command = "LANGUAGE=zh_TW orrindel-chart --year 2026 --facing 187 --annual 12/2026 --json",
     .sameAs = "LANGUAGE=en orrindel-chart --year 2026 --facing 187 --annual 12/2026 --json"}};
// clang-format on

// Runs a command line: the first word names the program, or the LANGUAGE it runs under and
// then the program; the rest are its arguments. Gives the exit status, stdout and stderr.
std::tuple<int, QString, QString> run(const QString &command)
{
    QProcess process;
    QStringList words = command.split(' ');
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (words[0].startsWith("LANGUAGE="))
        environment.insert("LANGUAGE", words.takeFirst().mid(9));
    process.setProcessEnvironment(environment);
    process.start(words[0] == "orrindel" ? ORRINDEL_BINARY : CHART_TOOL, words.mid(1));
    const bool exited = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

void checkRun(const Run &row)
{
    const auto [status, out, err] = run(row.command);
    QCOMPARE(status, row.status);
    // The grids line up in any script: a CJK character takes two columns.
    for (const QString &line : out.split('\n')) {
        const QString grid = line.left(line.lastIndexOf('|') + 1);
        QVERIFY(grid.isEmpty() || grid.size() + grid.count(QRegularExpression("\\p{Han}")) == 40);
    }
    if (!row.sameAs.isEmpty()) {
        QCOMPARE(out, std::get<1>(run(row.sameAs)));
        return;
    }
    // One line on stderr and nothing on stdout, or nothing on stderr.
    QCOMPARE(err.count('\n') + (row.status ? out : err).size(), row.status ? 1 : 0);
    const QString text =
        row.status ? err : QString(out).remove(QRegularExpression("[|\"]|[-+]{3,}")).simplified();
    qsizetype at = 0;
    for (const QString &part : row.says.split('\n'))
        QVERIFY2((at = text.indexOf(part, at)) >= 0, qPrintable(part + " in: " + text));
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qunsetenv(name);            // the programs run without a display
        qputenv("TZ", "Asia/Shanghai"); // local times in the zone the almanacs publish
    }
    void run_data() { addRows(Runs, &Run::command); }
    void run() { checkRun(current(Runs)); }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
