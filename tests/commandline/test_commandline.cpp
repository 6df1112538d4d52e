// Both programs' command lines: the chart tool's through runChart in this process, and as
// processes what only a process shows: the exit status, the desktop's language and the window
// program answering without a display.

#include "orrindel/version.h"
#include "orrindel_chart.h"
#include "support/table.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace orrindel::test;

namespace {

constexpr int Usage = 2; // the exit status of a bad command line

// A command line, its exit status and the lines, leading spaces dropped, that its one stderr
// line (Usage) or stdout (0) holds, in order; or the same output as another (.sameAs). The
// chart tool runs in this process unless the line names a LANGUAGE or the row is .spawned.
// clang-format off
struct Run { QString command; int status = 0; QString says = {}, sameAs = {}; bool spawned = false; };
const QString Y = "orrindel-chart --year 2004 --facing 10 ", Version = ORRINDEL_VERSION_STRING;
const QString Annual = "orrindel-chart: --annual %1: give the month and year as MM/YYYY, month 01 to 12, year 1000 to 9999.";
const QString Tolerance = "orrindel-chart: --tolerance %1: give degrees from 0 to 7.5, written with digits and at most one decimal point.";
const Run Runs[] = {
    {.command = "orrindel-chart --version", .says = Version, .spawned = true}, {.command = "orrindel-chart --facing 10", .status = Usage, .says = "orrindel-chart: --year is required"},
    {.command = "orrindel-chart --help", .says = "--annual <MM/YYYY>     Annual and monthly stars of month MM/YYYY (01..12,\n1000..9999).\n--replacement          Print the replacement chart even when the bearing does\n--tolerance <DEGREES>  Warn of the void line within DEGREES of a boundary, 0"},
    {.command = "orrindel-chart --year 2004 --facing 360", .status = Usage, .says = "orrindel-chart: --facing 360: Degrees may only be in the range 0 to below 360, written with digits and at most one decimal point.", .spawned = true},
    {.command = "orrindel-chart --year 2004", .status = Usage, .says = "orrindel-chart: --facing is required"}, {.command = Y + "--json=1", .status = Usage, .says = "orrindel-chart: Unexpected value after '--json'."}, {.command = Y + "--annual 00/2000", .status = Usage, .says = Annual.arg("00/2000")},
    {.command = Y + "--annual 13/2000", .status = Usage, .says = Annual.arg("13/2000")}, {.command = Y + "--annual 06/0999", .status = Usage, .says = Annual.arg("06/0999")}, {.command = Y + "--tolerance 7.6", .status = Usage, .says = Tolerance.arg("7.6")},
    {.command = Y + "--tolerance -1", .status = Usage, .says = Tolerance.arg("-1")}, {.command = Y + "--tolerance 1e1", .status = Usage, .says = Tolerance.arg("1e1")}, {.command = Y + "--tolerance " + QString(400, '9'), .status = Usage, .says = Tolerance.arg(QString(400, '9'))},
    {.command = Y + "--tolerance 7.12345678", .says = "Void: minor (小空亡), within 7.1234568 degrees of a mountain's boundary: measure again"}, {.command = "orrindel-chart --year 2004 --facing 180.5", .says = "Mountains: 子山午向 (sitting Zi, facing Wu; N2/S2), offset +0.5 degrees from the centre of 午"},
    {.command = Y + "--tolerance", .status = Usage, .says = "orrindel-chart: Missing value after '--tolerance'."}, {.command = Y + "--colour", .status = Usage, .says = "orrindel-chart: Unknown option 'colour'."},
    {.command = Y + "north", .status = Usage, .says = "orrindel-chart: unexpected argument: north"}, {.command = "orrindel-chart x --year 2004 --facing 10", .status = Usage, .says = "orrindel-chart: unexpected argument: x"},
    {.command = Y + "--tolerance 7.5", .says = "Mountains: 丁山癸向 (sitting Ding, facing Gui; S3/N3), offset -5 degrees from the centre of 癸\nLean: leaning (兼向), 癸兼子 / 丁兼午: most schools read the replacement chart\nVoid: minor (小空亡), within 7.5 degrees of a mountain's boundary: measure again"},
    {.command = "orrindel-chart --year 2004 --facing 22.49998", .says = "Sitting: south (palace 4), mountain S3, mountain stars Reverse\nFormation: double stars at the sitting (双星到坐)"},
    {.command = "orrindel-chart --year 2004 --facing 22.49999", .says = "Facing:  north-east (palace 3), mountain NE1, facing stars Reverse\nSitting: south-west (palace 6), mountain SW1, mountain stars Reverse\nFormation: prosperous mountain, prosperous water (旺山旺水)"},
    {.command = "orrindel-chart --year 2004 --facing 225", .says = "Sitting: north-east (palace 3), mountain NE2, mountain stars Forward\nFormation: reversed mountain and water (上山下水)"},
    // The grid with the annual stars in brackets, then the words and the monthly stars.
    {.command = "orrindel-chart --year 2004 --facing 180 --annual 06/2000", .says = "SE          S           SW\n| 3       4 | 8       8 | 1       6 |\n|[8]        |[4]        |[6]        |\n| 2       5 | 4       3 | 6       1 |\n"
     "E |     6     |     8     |     1     | W\n|[7]        |[9]        |[2]        |\n| 7       9 | 9       7 | 5       2 |\n|           |  sitting  |           |\n|[3]        |[5]        |[1]        |\nNE          N           NW\n"
     "Year 2004, facing 180: period 8\nFacing:  south (palace 4), mountain S2, facing stars Reverse\nSitting: north (palace 5), mountain N2, mountain stars Forward\nFormation: double stars at the facing (双星到向)\nAnnual stars 06/2000: centre 9\n"
     "Mountains: 子山午向 (sitting Zi, facing Wu; N2/S2), offset 0 degrees from the centre of 午\nLean: standard, within 4.5 degrees of the centre: the standard chart applies\nMonthly stars 06/2000: solar month 午 (芒種), centre 1\nfrom 2000-06-05 16:59 CST (UTC+08:00)\nSE 9   S  5   SW 7\nE  8   C  1   W  3\nNE 4   N  6   NW 2"},
    // Leaning, on the line: both charts, the monthly stars from 大雪 to 小寒 in the test's zone.
    {.command = "orrindel-chart --year 2026 --facing 187 --annual 12/2026", .says = "Annual stars 12/2026: centre 1\nMountains: 子山午向 (sitting Zi, facing Wu; N2/S2), offset +7 degrees from the centre of 午\n"
     "Lean: leaning (兼向), 午兼丁 / 子兼癸: most schools read the replacement chart\nVoid: minor (小空亡), within 0.5 degrees of a mountain's boundary: measure again\nReplacement chart (替卦): formation none of the four\n| 6       5 | 1       1 | 8       3 |\n"
     "Monthly stars 12/2026: solar month 子 (大雪), centre 7\nfrom 2026-12-07 10:53 CST (UTC+08:00)\nto   2027-01-05 22:10 CST (UTC+08:00)\nSE 6   S  2   SW 4\nE  5   C  7   W  9\nNE 1   N  3   NW 8"},
    {.command = "orrindel-chart --year 2004 --facing 22.5 --replacement --tolerance 0", .says = "Lean: leaning (兼向), 丑兼癸 / 未兼丁: most schools read the replacement chart\n"
     "Void: major (大空亡), within 0 degrees of a sector's boundary: measure again\nReplacement chart (替卦): formation prosperous mountain, prosperous water (旺山旺水), the same as the standard chart"},
    {.command = "orrindel-chart --year 2004 --facing 180 --annual 01/2000 --json", .says = "\"annual\": {\n\"centre\": 1,\n\"month\": 1,\n\"year\": 2000\n\"facing\": \"180\",\n\"facingMountain\": \"S2\",\n\"facingPalace\": 4,\n"
     "\"facingStarDirection\": \"Reverse\",\n\"formation\": \"double-facing\",\n\"lean\": \"standard\",\n\"leanToward\": null,\n\"monthly\": {\n\"branch\": \"丑\",\n\"centre\": 6,\n\"end\": \"2000-02-04T12:40:23Z\",\n\"start\": \"2000-01-06T01:00:41Z\",\n"
     "\"term\": \"小寒\"\n\"mountainStarDirection\": \"Forward\",\n\"facing\": {\n\"centre\": 180,\n\"code\": \"S2\",\n\"name\": \"午\",\n\"offset\": 0,\n\"pinyin\": \"Wu\"\n\"sitting\": {\n\"centre\": 0,\n\"code\": \"N2\",\n\"name\": \"子\",\n\"offset\": 0,\n\"pinyin\": \"Zi\"\n"
     "\"palaces\": [\n\"annual\": 1,\n\"direction\": \"centre\",\n\"facing\": 3,\n\"grey\": false,\n\"index\": 0,\n\"monthly\": 6,\n\"mountain\": 4,\n\"time\": 8,\n\"annual\": 6,\n\"direction\": \"north\",\n\"facing\": 7,\n\"grey\": true,\n\"index\": 5,\n\"monthly\": 2,\n"
     "\"mountain\": 9,\n\"time\": 4,\n\"annual\": 9,\n\"direction\": \"south-east\",\n\"facing\": 4,\n\"grey\": false,\n\"index\": 8,\n\"monthly\": 5,\n\"mountain\": 3,\n\"time\": 7,\n\"period\": 8,\n\"replacement\": {\n\"applies\": false,\n\"formation\": null,\n"
     "\"facing\": 2,\n\"index\": 0,\n\"mountain\": 6\n\"facing\": 3,\n\"index\": 8,\n\"mountain\": 5\n\"sameAsStandard\": false\n\"sittingMountain\": \"N2\",\n\"sittingPalace\": 5,\n\"subDirection\": 2,\n\"void\": null,\n\"year\": 2004"},
    // The window's program answers without a display; Qt's own options are left to Qt.
    {.command = "orrindel x --help", .says = "Usage: " ORRINDEL_BINARY " [options]\n-h, --help         Displays help on commandline options.\n--help-all         Displays help including Qt specific options.\n-v, --version      Displays version information.\n--database <FILE>  Keep the house register in FILE."},
    {.command = "orrindel --version", .says = "Orrindel " + Version}, {.command = "orrindel -session s1 -v", .says = "Orrindel " + Version},
    {.command = "orrindel -q -h", .status = Usage, .says = "orrindel: Unknown option 'q'. Try 'orrindel --help'."}, {.command = "orrindel a", .status = Usage, .says = "orrindel: Unexpected argument 'a'. Try 'orrindel --help'."},
    // In the desktop's language, Qt's own text too; one without a translation gets English.
    {.command = "LANGUAGE=zh_CN orrindel --help", .says = "在窗口中计算建筑物的玄空飞星盘。\n-h, --help         在命令行选项上显示帮助。\n--database <FILE>  将房屋登记册保存在 FILE 中。"},
    {.command = "LANGUAGE=zh_TW:en orrindel a", .status = Usage, .says = "orrindel: 未預期的引數「a」。請嘗試「orrindel --help」。"}, {.command = "LANGUAGE=pt_BR:de orrindel a", .status = Usage, .says = "orrindel: Unexpected argument 'a'. Try 'orrindel --help'."},
    // In Chinese, the grid's words too (小暑 at 09:56:3x is 09:57 as almanacs round it); the
    // JSON is the same in every language.
    {.command = "LANGUAGE=zh_CN orrindel-chart --year 2026 --facing 187 --annual 07/2026", .says = "东南        南          西南\n|           |   坐宫    |           |\n东北        北          西北\n建造年份 2026，朝向 187 度：9 运\n"
     "向：南（宫 4），山 S2，向星顺飞\n山向：子山午向（坐子向午；N2/S2），距午山中线 +7 度\n空亡：小空亡，距两山交界 0.5 度以内：请重新测量\n替卦星盘：不属四种格局\n月飞星 07/2026：未月（小暑），中宫 3\n自 2026-07-07 09:57 CST (UTC+08:00)\n东南 2   南   7   西南 9\n东   1   中   3   西   5"},
    // The readings' headings with a full-width colon, named apart from the chart's one formation.
    {.command = "LANGUAGE=zh_TW orrindel-chart --year 2004 --facing 180", .says = "格局：雙星到向\n特定格局：\n離宮打劫（真七星打劫）：雙星到向；可用。\n城門：\n正城門：東南宮巽山，運星 7；可用。"},
    {.command = "LANGUAGE=zh_TW orrindel-chart --year 2026 --facing 187 --annual 12/2026 --json", .sameAs = "LANGUAGE=en orrindel-chart --year 2026 --facing 187 --annual 12/2026 --json"}};
// clang-format on

// Runs a command line: the first word names the program, or the LANGUAGE it runs under and
// then the program; the rest are its arguments. Gives the exit status, stdout and stderr.
std::tuple<int, QString, QString> run(const QString &command, bool spawned = true)
{
    QStringList words = command.split(' ');
    if (!spawned && words[0] == "orrindel-chart") {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int status = runChart(words, outStream, errStream);
        outStream.flush(), errStream.flush();
        return {status, out, err};
    }
    QProcess process;
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
    const auto [status, out, err] = run(row.command, row.spawned);
    QCOMPARE(status, row.status);
    // The grids line up in any script: a CJK character takes two columns.
    for (const QString &line : out.split('\n')) {
        const QString grid = line.left(line.lastIndexOf('|') + 1);
        QVERIFY(grid.isEmpty() || grid.size() + grid.count(QRegularExpression("\\p{Han}")) == 40);
    }
    if (!row.sameAs.isEmpty()) {
        // Only the palaces' lines and pair names are in the language asked for.
        static const QRegularExpression localized("\n *\"(text|name)\": \"[^\n]*");
        QCOMPARE(QString(out).remove(localized), std::get<1>(run(row.sameAs)).remove(localized));
        return;
    }
    // One line on stderr and nothing on stdout, or nothing on stderr.
    QCOMPARE(row.status ? out : err, QString());
    QCOMPARE(err.count('\n'), row.status ? 1 : 0);
    const QRegularExpression indent("^ +", QRegularExpression::MultilineOption);
    const QStringList lines = QString(row.status ? err : out).remove(indent).split('\n');
    qsizetype at = 0;
    for (const QString &line : row.says.split('\n'))
        QVERIFY2((at = lines.indexOf(line, at) + 1) > 0, qPrintable(line + " in:\n" + out + err));
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
