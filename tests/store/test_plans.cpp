// Floor plans in the register: a first-version file migrated with its houses unchanged, the
// floors' order, refused plans, a house removed and brought back, images never read by a
// listing, and a writer killed while it adds plans.

#include "store/plan.h"
#include "store/storeerror.h"
#include "support/table.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace orrindel::store;
using namespace orrindel::test;
using Kind = StoreError::Kind;

namespace {

// The first version's schema, as that program made it.
const QString V1Schema =
    "CREATE TABLE houses (id INTEGER PRIMARY KEY AUTOINCREMENT, client TEXT NOT NULL, label TEXT "
    "NOT NULL, year TEXT NOT NULL, facing TEXT NOT NULL, measured TEXT, notes TEXT NOT NULL, "
    "created TEXT NOT NULL, changed TEXT NOT NULL, client_key TEXT NOT NULL, label_key TEXT NOT "
    "NULL, notes_key TEXT NOT NULL)";
// Every field of every house, byte for byte, with its id.
const QString Dump = "SELECT id || hex(client) || ',' || hex(label) || ',' || year || facing || "
                     "quote(measured) || hex(notes) || created || changed || hex(client_key) || "
                     "hex(label_key) || hex(notes_key) FROM houses ORDER BY id";

// Statements run in order on a connection of their own, the values bound to each that takes
// them; the first column of the last one's rows, joined by "|".
QString sql(const QString &path, const QStringList &statements, const QVariantList &values = {})
{
    QString answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(path);
        for (const QString &statement : statements) {
            QSqlQuery query(db.open() ? db : QSqlDatabase());
            query.prepare(statement);
            for (const QVariant &value : statement.contains('?') ? values : QVariantList())
                query.addBindValue(value);
            answer = query.exec() ? QString() : "failed";
            while (query.next())
                answer += (answer.isEmpty() ? "" : "|") + query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase("check");
    return answer;
}

// A first-version register of hostile houses 3, 7 and 12, then the statement given.
QString v1Register(const QTemporaryDir &dir, const QString &extra = {})
{
    const QString path = dir.filePath("h.sqlite");
    sql(path, QStringList{"PRAGMA journal_mode = WAL", V1Schema, "PRAGMA user_version = 1"} +
                  (extra.isEmpty() ? QStringList() : QStringList{extra}));
    const QString hostile[] = {"'; DROP TABLE plans; --", QString::fromUtf8("a\0b", 3),
                               "山向 🏠\"\n\t", QString(100 * 1024, '%') + "_"};
    for (int id : {3, 7, 12})
        sql(path,
            {"INSERT INTO houses VALUES (?, ?, ?, '2004', '180', ?, ?, '2026-01-02T03:04:05.678Z',"
             " '2026-01-02T03:04:05.678Z', ?, ?, ?)"},
            {id, hostile[id % 4], hostile[(id + 1) % 4], id == 7 ? QVariant() : "2025-02-03",
             hostile[(id + 2) % 4], hostile[id % 4].toCaseFolded(),
             hostile[(id + 1) % 4].toCaseFolded(), hostile[(id + 2) % 4].toCaseFolded()});
    return path;
}

Plan plan(qint64 house, const QString &floor)
{
    Plan plan;
    plan.house = house;
    plan.floor = floor;
    plan.format = "png";
    plan.width = 640;
    plan.height = 480;
    plan.image = floor.toUtf8() + QByteArray(1000, '\x89');
    return plan;
}

QString hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// All a plan holds, in one line.
QString summary(const Plan &p)
{
    return QString("%1 %2 %3 %4 %5 %6 %7x%8 %9 ")
               .arg(p.id)
               .arg(p.house)
               .arg(p.position)
               .arg(p.floor, p.format)
               .arg(p.page)
               .arg(p.width)
               .arg(p.height)
               .arg(p.geometry) +
           p.created.toString(Qt::ISODateWithMs) + p.changed.toString(Qt::ISODateWithMs) +
           hashOf(p.image);
}

// What the store raised: -1 for nothing, the kind of a StoreError, 100 for anything else.
template <class Call> int kindOf(Call call)
{
    try {
        call();
        return -1;
    } catch (const StoreError &error) {
        return int(error.kind());
    } catch (const std::exception &) {
        return 100;
    }
}

// The child the kill test starts: adds 2 MB plans to house 7, each named by its image's hash,
// saying each id once it is committed.
int addPlans(const QString &path)
{
    HouseStore houses(path);
    PlanStore plans(houses);
    QTextStream out(stdout);
    for (;;) {
        Plan added = plan(7, {});
        added.image.resize(2 << 20);
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(added.image.data()),
                                              added.image.size() / 4);
        added.floor = hashOf(added.image);
        out << plans.add(added) << Qt::endl;
    }
}

// clang-format off
struct Migration { const char *what; QString extra; bool write; int version; bool refused = false; };
const Migration Migrations[] = {
    {"a plan added to a first-version file migrates it", {}, true, 2},
    {"reading a first-version file leaves it as it is", {}, false, 1},
    {"a failure half-way leaves it the first version", "CREATE INDEX plans_by_house ON houses (id)", true, 1, true},
    {"a file of a newer version is refused", "PRAGMA user_version = 3", true, 3, true},
};
// Commands on house 3's floors A (plan 1), B (2) and C (3); then its floors in order.
struct Floors { QString commands, order; int raised = -1; };
const Floors FloorCases[] = {
    {"move 3 0", "C,A,B"}, {"move 1 2", "B,C,A"}, {"move 2 1", "A,B,C"},
    {"move 1 3", "A,B,C", int(Kind::Invalid)}, {"move 1 -1", "A,B,C", int(Kind::Invalid)},
    {"move 9 0", "A,B,C", int(Kind::NotFound)},
    {"remove 2 ; add D", "A,C,D"}, {"remove 1 ; move 3 0", "C,B"}, {"remove 9", "A,B,C", int(Kind::NotFound)},
    {"rename 2 Loft", "A,Loft,C"}, {"rename 9 Loft", "A,B,C", int(Kind::NotFound)},
    {"geometry 2 {\"front\":2}", "A,B,C"}, {"geometry 2 [1]", "A,B,C", int(Kind::Invalid)},
    {"geometry 9 {}", "A,B,C", int(Kind::NotFound)},
};
// A plan changed so; whether it is stored, else refused as invalid.
struct Change { const char *what; void (*change)(Plan &); bool stored = false; };
const Change Changes[] = {
    {"a plan with no file", [](Plan &p) { p.image.clear(); }},
    {"a file of exactly 64 MB", [](Plan &p) { p.image = QByteArray(PlanImageMaxBytes, 'x'); }, true},
    {"a file over 64 MB", [](Plan &p) { p.image = QByteArray(PlanImageMaxBytes + 1, 'x'); }},
    {"a format in capitals", [](Plan &p) { p.format = "PNG"; }}, {"no format", [](Plan &p) { p.format = ""; }},
    {"a format of 16 characters", [](Plan &p) { p.format = "jpeg2000jpeg2000"; }, true},
    {"a format of 17", [](Plan &p) { p.format = "jpeg2000jpeg20001"; }},
    {"page 0", [](Plan &p) { p.page = 0; }}, {"page 999 of a PDF", [](Plan &p) { p.page = 999; }, true},
    {"0 pixels wide", [](Plan &p) { p.width = 0; }}, {"0 pixels high", [](Plan &p) { p.height = 0; }},
    {"a floor named in 200 characters", [](Plan &p) { p.floor = QString(200, u'层'); }, true},
    {"a floor named in 201", [](Plan &p) { p.floor = QString(201, 'x'); }},
    {"no floor name", [](Plan &p) { p.floor = QString(); }, true},
    {"a geometry", [](Plan &p) { p.geometry = R"({"outline":[[0,0],[6,0],[6,3]],"front":0})"; }, true},
    {"a geometry that is a list", [](Plan &p) { p.geometry = "[1]"; }},
    {"a geometry that is not JSON", [](Plan &p) { p.geometry = "{"; }},
    {"a house not in the register", [](Plan &p) { p.house = 4; }},
};
struct Undo { const char *what; QList<qint64> removed; int back; };
const Undo Undos[] = {
    {"the house removed last comes back with its floors", {3}, 2},
    {"one removed before another comes back without them", {3, 7}, 0},
};
struct Reading { const char *what; void (*read)(HouseStore &, PlanStore &); bool image; };
const Reading Readings[] = {
    {"the house list", [](HouseStore &h, PlanStore &) { h.houses(); }, false},
    {"a search", [](HouseStore &h, PlanStore &) { h.houses("a"); }, false},
    {"one house", [](HouseStore &h, PlanStore &) { h.house(3); }, false},
    {"a house's plans", [](HouseStore &, PlanStore &p) { p.plans(3); }, false},
    {"one plan", [](HouseStore &, PlanStore &p) { p.plan(1); }, true},
};
// clang-format on

} // namespace

class TestPlans : public QObject
{
    Q_OBJECT

private slots:
    void migration_data() { addRows(Migrations, &Migration::what); }
    void migration()
    {
        const Migration &row = current(Migrations);
        const QTemporaryDir dir;
        const QString path = v1Register(dir, row.extra);
        const QString before = sql(path, {Dump});
        HouseStore houses(path);
        PlanStore plans(houses);
        QCOMPARE(plans.plans(7).size(), 0);
        if (row.write)
            QCOMPARE(kindOf([&] { plans.add(plan(7, "Ground")); }) != -1, row.refused);
        QCOMPARE(sql(path, {Dump}), before);
        QCOMPARE(before.count('|'), 2);
        QCOMPARE(sql(path, {"PRAGMA user_version"}), QString::number(row.version));
        QCOMPARE(plans.plans(7).size(), row.version == 2 ? 1 : 0);
        QCOMPARE(sql(path, {"SELECT count(*) FROM sqlite_master WHERE tbl_name = 'plans'"}),
                 row.version == 2 ? "2" : "0");
    }

    void floors_data() { addRows(FloorCases, &Floors::commands); }
    void floors()
    {
        const Floors &row = current(FloorCases);
        const QTemporaryDir dir;
        HouseStore houses(v1Register(dir));
        PlanStore plans(houses);
        for (const char *floor : {"A", "B", "C"})
            plans.add(plan(3, floor));
        const qint64 other = plans.add(plan(7, "other"));
        const QString otherBefore = summary(*plans.plan(other));
        int raised = -1;
        for (const QString &command : row.commands.split(" ; ")) {
            const QStringList word = command.split(' ');
            raised = kindOf([&] {
                if (word[0] == "add")
                    plans.add(plan(3, word[1]));
                else if (word[0] == "remove")
                    plans.remove(word[1].toLongLong());
                else if (word[0] == "move")
                    plans.move(word[1].toLongLong(), word[2].toInt());
                else if (word[0] == "rename")
                    plans.rename(word[1].toLongLong(), word[2]);
                else
                    plans.setGeometry(word[1].toLongLong(), word[2]);
            });
        }
        QCOMPARE(raised, row.raised);
        QStringList order;
        for (const Plan &floor : plans.plans(3)) {
            QCOMPARE(floor.position, order.size());
            QCOMPARE(floor.geometry, row.commands.startsWith("geometry 2 {") && floor.id == 2
                                         ? "{\"front\":2}"
                                         : "");
            order.append(floor.floor);
        }
        QCOMPARE(order.join(','), row.order);
        QCOMPARE(summary(*plans.plan(other)), otherBefore);
    }

    void change_data() { addRows(Changes, &Change::what); }
    void change()
    {
        const Change &row = current(Changes);
        const QTemporaryDir dir;
        HouseStore houses(v1Register(dir));
        PlanStore plans(houses);
        Plan changed = plan(3, "Ground");
        row.change(changed);
        const int raised = kindOf([&] { changed.id = plans.add(changed); });
        QCOMPARE(raised, row.stored ? -1 : int(changed.house == 3 ? Kind::Invalid : Kind::NotFound));
        QCOMPARE(plans.plans(changed.house).size(), row.stored ? 1 : 0);
        if (row.stored) {
            const Plan back = *plans.plan(changed.id);
            changed.floor = changed.floor.isNull() ? "" : changed.floor;
            changed.created = changed.changed = back.created;
            QCOMPARE(summary(back), summary(changed));
        }
    }

    void removeAndRestore_data() { addRows(Undos, &Undo::what); }
    void removeAndRestore()
    {
        const Undo &row = current(Undos);
        const QTemporaryDir dir;
        HouseStore houses(v1Register(dir));
        PlanStore plans(houses);
        QStringList before;
        for (const Plan &added : {plan(3, "Ground"), plan(3, "Upper"), plan(7, "Only")})
            before.append(summary(*plans.plan(plans.add(added))));
        const House house = *houses.house(3);
        for (qint64 id : row.removed)
            houses.remove(id);
        QVERIFY(plans.plans(3).isEmpty() && !plans.plan(1) && !plans.plan(2));
        houses.restore(house);
        QStringList back;
        for (const Plan &floor : plans.plans(3))
            back.append(summary(*plans.plan(floor.id)));
        QCOMPARE(back, before.mid(0, row.back));
        QCOMPARE(houses.house(3)->changed, house.changed);
    }

    void imagesUnread_data() { addRows(Readings, &Reading::what); }
    void imagesUnread()
    {
        const Reading &row = current(Readings);
        const QTemporaryDir dir;
        HouseStore houses(v1Register(dir));
        PlanStore plans(houses);
        plans.add(plan(3, "Ground"));
        // SQLite asks the authorizer for every column a statement reads as it prepares it.
        const QString connection = QSqlDatabase::connectionNames().filter("orrindel.store").at(0);
        sqlite3 *handle = *static_cast<sqlite3 *const *>(
            QSqlDatabase::database(connection, false).driver()->handle().data());
        bool image = false;
        sqlite3_set_authorizer(
            handle,
            [](void *read, int action, const char *, const char *column, const char *,
               const char *) {
                *static_cast<bool *>(read) |= action == SQLITE_READ && column &&
                                              QByteArrayView(column) == "image";
                return SQLITE_OK;
            },
            &image);
        row.read(houses, plans);
        QCOMPARE(image, row.image);
    }

    // A kill at any moment of adding a plan keeps each plan whole or leaves it out.
    void killed_data()
    {
        QTest::addColumn<int>("after");
        for (const int ms : {-1, 0, 50, 150, 400, 1000})
            QTest::addRow("%d ms", ms) << ms;
    }
    void killed()
    {
        QFETCH(int, after);
        const QTemporaryDir dir;
        const QString path = v1Register(dir);
        const QString before = sql(path, {Dump});
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--add-plans", path});
        QVERIFY(after < 0 ? child.waitForReadyRead(60000) : child.waitForStarted());
        QTest::qWait(qMax(after, 0));
        child.kill();
        child.waitForFinished();
        const QStringList said =
            QString(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(sql(path, {"PRAGMA integrity_check"}), "ok");
        QCOMPARE(sql(path, {Dump}), before);
        HouseStore houses(path);
        PlanStore plans(houses);
        QStringList kept;
        for (const Plan &floor : plans.plans(7)) {
            QCOMPARE(hashOf(plans.plan(floor.id)->image), floor.floor);
            kept.append(QString::number(floor.id));
        }
        QVERIFY2(kept.mid(0, said.size()) == said && kept.size() <= said.size() + 1,
                 qPrintable(kept.join(',')));
        QVERIFY(after >= 0 || !said.isEmpty());
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--add-plans")
        return addPlans(QString::fromLocal8Bit(argv[2]));
    TestPlans test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_plans.moc"
