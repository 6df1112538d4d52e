// Floor plans in the register: a first-version file migrated with its houses unchanged, the
// floors' order, refused plans, a house removed and brought back, images never read by a
// listing, and a writer killed while it adds plans.

#include "store/plan.h"
#include "store/storeerror.h"
#include "support/registerfile.h"
#include "support/table.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sqlite3.h>

using namespace orrindel::store;
using namespace orrindel::test;
using Kind = StoreError::Kind;

namespace {

// Every field of every house, byte for byte, with its id.
const QString Dump = "SELECT id || hex(client) || ',' || hex(label) || ',' || year || facing || "
                     "quote(measured) || hex(notes) || created || changed || hex(client_key) || "
                     "hex(label_key) || hex(notes_key) FROM houses ORDER BY id";
// Houses 3, 7 and 12, written by the first version, with text a careless query breaks on.
const QString V1Houses =
    "INSERT INTO houses VALUES (3, '''; DROP TABLE plans; --', '', '2004', '180', NULL, 'a' || "
    "char(0) || 'b', 'T', 'T', '''; drop table plans; --', '', 'a' || char(0) || 'b'), (7, "
    "'山向 🏠\"\n\t', '%', '1990', '45.5', '2025-02-03', replace(hex(zeroblob(51200)), '0', '_'), "
    "'2026-01-02T03:04:05.678Z', 'T', '山向 🏠\"\n\t', '%', ''), (12, 'c', '', '65', '0', NULL, "
    "'', 'T', 'T', 'c', '', '')";

// The statements run on a connection of their own: the first column of the rows, joined by
// "|", or "failed".
QString sql(const QString &path, const QString &statements)
{
    sqlite3 *handle = nullptr;
    sqlite3_open(qPrintable(path), &handle);
    const std::unique_ptr<sqlite3, int (*)(sqlite3 *)> db(handle, sqlite3_close);
    QStringList rows;
    const auto row = [](void *rows, int, char **values, char **) {
        static_cast<QStringList *>(rows)->append(QString::fromUtf8(values[0]));
        return 0;
    };
    return sqlite3_exec(handle, statements.toUtf8(), row, &rows, nullptr) ? "failed"
                                                                          : rows.join('|');
}

Plan plan(qint64 house, const QString &floor)
{
    return {0,  house, 0, floor, "png", 1, 640, 480, {}, floor.toUtf8() + QByteArray(1000, '\x89'),
            {}, {}};
}

QString hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// All a plan holds.
auto fields(const Plan &p)
{
    return std::tuple(p.id, p.house, p.position, p.floor, p.format, p.page, p.width, p.height,
                      p.geometry, p.created, p.changed, hashOf(p.image));
}

// What the store raised: -1 for nothing, the kind of a StoreError, 100 for anything else.
template <class Call> int kindOf(Call call)
{
    try {
        return call(), -1;
    } catch (const StoreError &error) {
        return int(error.kind());
    } catch (const std::exception &) {
        return 100;
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
// Edits of house 3's floors A (plan 1), B (2, a PDF's page with a geometry) and C (3), house
// 7 holding plan 4; then house 3's floors in order with their geometry. Plan D is added
// changed so.
Plan d(void (*change)(Plan &)) { Plan p = plan(3, "D"); change(p); return p; }
using H = HouseStore;
using P = PlanStore;
const QString B = R"(B{"front":0,"outline":[[0,0],[6,0],[6,3]]})";
struct Edit { const char *what; void (*edit)(H &, P &); QString order; int raised = -1; };
const Edit Edits[] = {
    {"the last floor moved first", [](H &, P &s) { s.move(3, 0); }, "C,A," + B},
    {"the first floor moved last", [](H &, P &s) { s.move(1, 2); }, B + ",C,A"},
    {"a floor moved past the last", [](H &, P &s) { s.move(1, 3); }, "A," + B + ",C", int(Kind::Invalid)},
    {"a floor moved before the first", [](H &, P &s) { s.move(1, -1); }, "A," + B + ",C", int(Kind::Invalid)},
    {"no such plan moved", [](H &, P &s) { s.move(9, 0); }, "A," + B + ",C", int(Kind::NotFound)},
    {"a floor removed, one added", [](H &, P &s) { s.remove(2); s.add(plan(3, "D")); }, "A,C,D"},
    {"the first removed, the last moved first", [](H &, P &s) { s.remove(1); s.move(3, 0); }, "C," + B},
    {"a floor renamed in 200 characters", [](H &, P &s) { s.rename(1, QString(200, u'层')); }, QString(200, u'层') + "," + B + ",C"},
    {"a floor renamed in 201", [](H &, P &s) { s.rename(1, QString(201, 'x')); }, "A," + B + ",C", int(Kind::Invalid)},
    {"no such plan renamed", [](H &, P &s) { s.rename(9, "Loft"); }, "A," + B + ",C", int(Kind::NotFound)},
    {"a geometry set", [](H &, P &s) { s.setGeometry(3, R"({"front":2})"); }, "A," + B + R"(,C{"front":2})"},
    {"a geometry cleared", [](H &, P &s) { s.setGeometry(2, {}); }, "A,B,C"},
    {"a geometry that is a list", [](H &, P &s) { s.setGeometry(2, "[1]"); }, "A," + B + ",C", int(Kind::Invalid)},
    {"a plan with no file", [](H &, P &s) { s.add(d([](Plan &p) { p.image.clear(); })); }, "A," + B + ",C", int(Kind::Invalid)},
    {"a file of exactly 64 MB", [](H &, P &s) { s.add(d([](Plan &p) { p.image = QByteArray(PlanImageMaxBytes, 'x'); })); }, "A," + B + ",C,D"},
    {"a file over 64 MB", [](H &, P &s) { s.add(d([](Plan &p) { p.image = QByteArray(PlanImageMaxBytes + 1, 'x'); })); }, "A," + B + ",C", int(Kind::Invalid)},
    {"a format in capitals", [](H &, P &s) { s.add(d([](Plan &p) { p.format = "PNG"; })); }, "A," + B + ",C", int(Kind::Invalid)},
    {"a format of 16 characters", [](H &, P &s) { s.add(d([](Plan &p) { p.format = "jpeg2000jpeg2000"; })); }, "A," + B + ",C,D"},
    {"a format of 17", [](H &, P &s) { s.add(d([](Plan &p) { p.format = "jpeg2000jpeg20001"; })); }, "A," + B + ",C", int(Kind::Invalid)},
    {"page 0", [](H &, P &s) { s.add(d([](Plan &p) { p.page = 0; })); }, "A," + B + ",C", int(Kind::Invalid)},
    {"0 pixels wide", [](H &, P &s) { s.add(d([](Plan &p) { p.width = 0; })); }, "A," + B + ",C", int(Kind::Invalid)},
    {"no floor name", [](H &, P &s) { s.add(d([](Plan &p) { p.floor = QString(); })); }, "A," + B + ",C,"},
    {"a geometry not JSON", [](H &, P &s) { s.add(d([](Plan &p) { p.geometry = "{"; })); }, "A," + B + ",C", int(Kind::Invalid)},
    {"a house not in the register", [](H &, P &s) { s.add(d([](Plan &p) { p.house = 4; })); }, "A," + B + ",C", int(Kind::NotFound)},
    {"house 3 removed and brought back", [](H &h, P &) { const House x = *h.house(3); h.remove(3); h.restore(x); }, "A," + B + ",C"},
    {"house 3 removed, then 7, and 3 brought back", [](H &h, P &) { const House x = *h.house(3); h.remove(3); h.remove(7); h.restore(x); }, ""},
};
struct Reading { const char *what; void (*read)(H &, P &); bool image; };
const Reading Readings[] = {
    {"the house list", [](H &h, P &) { h.houses(); }, false},
    {"one house", [](H &h, P &) { h.house(3); }, false},
    {"a house's plans", [](H &, P &p) { p.plans(3); }, false},
    {"one plan", [](H &, P &p) { p.plan(1); }, true},
};
// clang-format on

} // namespace

// Each test starts on a first-version register of hostile houses 3, 7 and 12.
class TestPlans : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<HouseStore> m_houses;
    std::unique_ptr<PlanStore> m_plans;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath("h.sqlite");
        sql(m_path,
            "PRAGMA journal_mode = WAL; " + FirstSchema + "; PRAGMA user_version = 1; " + V1Houses);
        m_houses = std::make_unique<HouseStore>(m_path);
        m_plans = std::make_unique<PlanStore>(*m_houses);
    }

    void migration_data() { addRows(Migrations, &Migration::what); }
    void migration()
    {
        const Migration &row = current(Migrations);
        sql(m_path, row.extra);
        const QString before = sql(m_path, Dump);
        QCOMPARE(m_plans->plans(7).size(), 0);
        if (row.write)
            QCOMPARE(kindOf([&] { m_plans->add(plan(7, "Ground")); }) != -1, row.refused);
        QCOMPARE(sql(m_path, Dump), before);
        QCOMPARE(before.count('|'), 2);
        QCOMPARE(sql(m_path, "PRAGMA user_version"), QString::number(row.version));
        QCOMPARE(m_plans->plans(7).size(), row.version == 2 ? 1 : 0);
        QCOMPARE(sql(m_path, "SELECT count(*) FROM sqlite_master WHERE tbl_name = 'plans'"),
                 row.version == 2 ? "2" : "0");
    }

    // Each floor keeps its place, counted from 0; a plan is read back as it was given, and
    // keeps its file and its creation through every edit and a removal undone.
    void edits_data() { addRows(Edits, &Edit::what); }
    void edits()
    {
        const Edit &row = current(Edits);
        Plan pdf = plan(3, "B");
        pdf.format = "pdf";
        pdf.page = pdf.height = 2;
        pdf.geometry = B.mid(1);
        QList<std::pair<QDateTime, QString>> kept;
        for (Plan added : {plan(3, "A"), pdf, plan(3, "C"), plan(7, "other")}) {
            added.id = m_plans->add(added);
            added.position = added.house == 3 ? kept.size() : 0;
            added.created = added.changed = m_plans->plan(added.id)->created;
            QCOMPARE(fields(*m_plans->plan(added.id)), fields(added));
            kept.append({added.created, hashOf(added.image)});
        }
        QCOMPARE(kindOf([&] { row.edit(*m_houses, *m_plans); }), row.raised);
        QStringList order;
        for (const Plan &floor : m_plans->plans(3)) {
            QCOMPARE(floor.position, order.size());
            order.append(floor.floor + floor.geometry);
            const Plan whole = *m_plans->plan(floor.id);
            QVERIFY(floor.id > 3 ||
                    kept[floor.id - 1] == std::pair(whole.created, hashOf(whole.image)));
        }
        QCOMPARE(order.join(','), row.order);
    }

    // SQLite asks the authorizer for each column a statement reads, as it prepares it.
    void imagesUnread_data() { addRows(Readings, &Reading::what); }
    void imagesUnread()
    {
        m_plans->add(plan(3, "Ground"));
        const QString connection = QSqlDatabase::connectionNames().filter("orrindel.store").at(0);
        bool image = false;
        sqlite3_set_authorizer(
            *static_cast<sqlite3 *const *>(
                QSqlDatabase::database(connection, false).driver()->handle().data()),
            [](void *read, int action, const char *, const char *column, const char *,
               const char *) {
                *static_cast<bool *>(read) |=
                    action == SQLITE_READ && column && QByteArrayView(column) == "image";
                return SQLITE_OK;
            },
            &image);
        current(Readings).read(*m_houses, *m_plans);
        QCOMPARE(image, current(Readings).image);
    }
};

QTEST_GUILESS_MAIN(TestPlans)

#include "test_plans.moc"
