// orrindel-houses plan in process, on a register of one house with a 40×30 PNG plan: worked
// plans measured again here by clipping, hostile files, bad input; and the real program
// killed while it adds a plan.

#include "orrindel_houses.h"
#include "store/plan.h"
#include "support/planfiles.h"
#include "support/registerfile.h"
#include "support/table.h"
#include "support/wedge.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointF>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <set>

using namespace orrindel;
using namespace orrindel::test;

namespace {

// clang-format off
struct Result { int status = 0; QString out, err; };
// clang-format on

// One command on the register; "~" inside an argument is a space.
Result houses(const QString &database, const QString &command)
{
    Result result;
    QTextStream out(&result.out), err(&result.err);
    const QStringList arguments = command.split(' ').replaceInStrings("~", " ");
    result.status =
        runHouses(QStringList{"orrindel-houses", "--database", database} + arguments, out, err);
    return result;
}

bool near(double a, double b, double within = 1e-9)
{
    return std::abs(a - b) <= within;
}

const QStringList Palaces = {"north", "north-east", "east", "south-east",
                             "south", "south-west", "west", "north-west"};

// clang-format off
struct Worked { const char *what; QString facing, points; int front; QString centre; double up, x, y, area; bool inside = true; QString sectors = {}; };
const Worked Plans[] = {
    {"a 10×8 rectangle north up", "0", "0,0~10,0~10,8~0,8", 0, "centroid", 0, 5, 4, 80, true, "north 6.627417 south 6.627417 east 10.355339 west 10.355339 north-east 11.508622 south-west 11.508622"},
    {"the rectangle traced the other way round", "180", "0,8~10,8~10,0~0,0", 0, "centroid", 0, 5, 4, 80},
    {"the rectangle turned to face 30°", "30", "0,0~10,0~10,8~0,8", 0, "centroid", 30, 5, 4, 80},
    {"a 30×6 house facing north-east", "45", "0,0~30,0~30,6~0,6", 0, "centroid", 45, 15, 3, 180},
    {"the L-shape centred on its centroid", "180", "0,0~6,0~6,3~3,3~3,6~0,6", 0, "centroid", 180, 2.5, 2.5, 27},
    {"the L-shape centred on its box", "180", "0,0~6,0~6,3~3,3~3,6~0,6", 0, "box", 180, 3, 3, 27},
    {"the L-shape fills 3/4 of its box, so its corner is filled", "180", "0,0~6,0~6,3~3,3~3,6~0,6", 0, "rectangle", 180, 3, 3, 27},
    {"the L-shape under a 0.8 threshold keeps its centroid", "180", "0,0~6,0~6,3~3,3~3,6~0,6", 0, "rectangle --threshold 0.8", 180, 2.5, 2.5, 27},
    {"the L-shape on a point placed", "180", "0,0~6,0~6,3~3,3~3,6~0,6", 0, "point --at 1,1", 180, 1, 1, 27},
    {"a U-shape facing east has its centroid in the gap", "90", "0,0~9,0~9,6~6,6~6,2~3,2~3,6~0,6", 0, "centroid", 90, 4.5, 114.0 / 42, 42, false},
    {"a diamond fronted on a slanted edge", "45", "5,0~10,5~5,10~0,5", 0, "box", 0, 5, 5, 50},
    {"a diamond at 337.5° has a wedge line on its axis", "337.5", "5,0~10,5~5,10~0,5", 3, "centroid", 22.5, 5, 5, 50},
};

struct Refused { const char *what; QByteArray (*make)(); qint64 padTo; int page; QString says; };
const Refused Files[] = {
    {"a PNG claiming 50000 × 50000", [] { return claimedPng(50000, 50000); }, 0, 0, "50000 × 50000 pixels"},
    {"a truncated JPEG", [] { const QByteArray jpeg = encoded(400, 300, "jpeg"); return jpeg.left(jpeg.size() / 2); }, 0, 0, "JPEG image is damaged"},
    {"a text file named .pdf", [] { return QByteArray("Floor plan to follow.\n"); }, 0, 0, "neither an image"},
    {"page 1001 of a 1000-page PDF", [] { return pdf(1000); }, 0, 1001, "no page 1001"},
    {"page 999 of a 1000-page PDF is taken", [] { return pdf(1000); }, 0, 999, ""},
    {"a PNG over 64 MB", [] { return encoded(40, 30, "png"); }, (64 << 20) + 1, 0, "larger than 64 MB"},
};

struct Bad { const char *command; QString says; };
const Bad BadInput[] = {
    {"plan add 1", "needs --image"},
    {"plan add 1 --image FILE --page 0", "pages count from 1"},
    {"plan list 9", "no house 9"},
    {"plan outline 1 --points 0,0~10,0~0,8 --front 3", "numbered 0 to 2"},
    {"plan centre 1 middle", "give centroid, box"},
    {"plan centre 1 point", "--at x,y"},
    {"plan room 1 --name Hall", "needs --name and --points"},
    {"plan scale 1 --points 0,0 --length 5", "two points"},
    {"plan scale 1 --points 0,0~10,0 --length -5", "positive number of metres"},
    {"plan remove 2", "no plan 2"},
    {"plan show 1", "give --json"},
    {"plan render 1", "one of --png FILE and --pdf FILE"},
};
// clang-format on

} // namespace

class TestPlanTool : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_database, m_png;

    Result run(const QString &command) const { return houses(m_database, command); }
    // What the tool says of plan 1.
    QString planState() const { return run("plan show 1 --json").out + run("plan list 1").out; }

    // House 1 facing `facing`, and plan 1 on it.
    void addHouse(const QString &facing)
    {
        QCOMPARE(run("add --year 2004 --client x --facing " + facing).status, 0);
        QCOMPARE(run("plan add 1 --image " + m_png).out, "1\n");
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_database = m_dir->filePath("h.sqlite");
        m_png = m_dir->filePath("plan.png");
        QFile png(m_png);
        QVERIFY(png.open(QIODevice::WriteOnly) && png.write(encoded(40, 30, "png")) > 0);
    }

    // Each wedge as clipped here about the centre given by hand, within 0.01 %.
    void planShow_data() { addRows(Plans, &Worked::what); }
    void planShow()
    {
        const Worked &row = current(Plans);
        addHouse(row.facing);
        const QString traced = QString("plan outline 1 --points %1 --front %2");
        QCOMPARE(run(traced.arg(row.points).arg(row.front)).status, 0);
        QCOMPARE(run("plan centre 1 " + row.centre).status, 0);
        const Result shown = run("plan show 1 --json");
        const QJsonObject plan = QJsonDocument::fromJson(shown.out.toUtf8()).object();
        const QJsonObject centre = plan["centre"].toObject();
        QVERIFY2(near(plan["up"].toDouble(), row.up) && near(plan["area"].toDouble(), row.area),
                 qPrintable(shown.out));
        QVERIFY(near(centre["x"].toDouble(), row.x) && near(centre["y"].toDouble(), row.y));
        QCOMPARE(centre["inside"].toBool(), row.inside);
        QList<QPointF> outline;
        for (const QString &point : QString(row.points).split('~'))
            outline << QPointF(point.section(',', 0, 0).toDouble(),
                               point.section(',', 1).toDouble());
        QHash<QString, double> areas;
        for (const QJsonValue &sector : plan["sectors"].toArray()) {
            const QString palace = sector["palace"].toString();
            areas[palace] = sector["area"].toDouble();
            const double clipped =
                wedgeArea(outline, {row.x, row.y}, row.up, 45.0 * Palaces.indexOf(palace));
            QVERIFY2(near(areas[palace], clipped, 1e-4 * clipped + 1e-9), qPrintable(palace));
        }
        const QStringList hand = row.sectors.split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < hand.size(); i += 2)
            QVERIFY2(near(areas.value(hand[i]), hand[i + 1].toDouble(), 1e-6), qPrintable(hand[i]));
        std::set<QString> cells;
        for (const QJsonValue &cell : plan["cells"].toArray())
            cells.insert(cell["palace"].toString());
        QCOMPARE(cells.size(), 9u);
    }

    // Refused with one sentence and nothing stored, or taken as the one plan.
    void planAdd_data() { addRows(Files, &Refused::what); }
    void planAdd()
    {
        const Refused &row = current(Files);
        QFile file(m_dir->filePath("plan.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(row.make()) > 0 &&
                (!row.padTo || file.resize(row.padTo)));
        file.close();
        QCOMPARE(run("add --year 2004 --client x --facing 0").status, 0);
        const Result added = run(
            QString("plan add 1 --image %1 --page %2").arg(file.fileName()).arg(qMax(row.page, 1)));
        QCOMPARE(added.status, row.says.isEmpty() ? 0 : 2);
        QVERIFY2(added.err.contains(row.says) &&
                     added.err.count('\n') == (row.says.isEmpty() ? 0 : 1),
                 qPrintable(added.err));
        QCOMPARE(run("plan list 1").out.count('\n'), row.says.isEmpty() ? 1 : 0);
    }

    // Status 2, one line, and the register as it was.
    void badInput_data() { addRows(BadInput, &Bad::command); }
    void badInput()
    {
        const Bad &row = current(BadInput);
        addHouse("0");
        QCOMPARE(run("plan outline 1 --points 0,0~10,0~10,8~0,8 --front 0").status, 0);
        const QString before = planState();
        const Result result = run(QString(row.command).replace("FILE", m_png));
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.contains(row.says) && result.err.count('\n') == 1,
                 qPrintable(result.err));
        QCOMPARE(planState(), before);
    }

    // The real program killed while it writes a 60 MB plan: the plan whole or absent.
    void killed_data()
    {
        QTest::addColumn<int>("after");
        for (const int ms : {0, 300, 800})
            QTest::addRow("%d ms", ms) << ms;
    }
    void killed()
    {
        QFETCH(int, after);
        QFile png(m_png);
        QVERIFY(png.resize(60 << 20));
        QCOMPARE(run("add --year 2004 --client x --facing 0").status, 0);
        QProcess child;
        child.start(HOUSES_TOOL, {"--database", m_database, "plan", "add", "1", "--image", m_png});
        QVERIFY(child.waitForStarted());
        QTest::qWait(after);
        child.kill();
        child.waitForFinished();
        QCOMPARE(sqlAnswer(m_database, "PRAGMA integrity_check"), "ok");
        store::HouseStore registry(m_database);
        const QList<store::Plan> plans = store::PlanStore(registry).plans(1);
        QVERIFY(plans.size() <= 1);
        QVERIFY(plans.isEmpty() ||
                store::PlanStore(registry).plan(plans[0].id)->image.size() == 60 << 20);
    }
};

QTEST_MAIN(TestPlanTool)
#include "test_plantool.moc"
