// The house register on real SQLite files: registers as written before, hostile text, broken
// and foreign files, and the built tool killed mid-import and run twice at once.

#include "orrindel_houses.h"
#include "store/housefields.h"
#include "support/registerfile.h"
#include "support/table.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orrindel;
using namespace orrindel::store;
using namespace orrindel::test;

namespace {

// The kind of store problem a call raises; Failed when it returns.
template <typename F> StoreError::Kind kindOf(F &&call)
{
    try {
        call();
    } catch (const StoreError &error) {
        return error.kind();
    }
    return StoreError::Kind::Failed;
}

struct Result
{
    int status = 0;
    QString out, err;
};

// Commands split on " ; ", run in order in process: the first non-zero status, all output.
Result runCommands(const QString &commands, const QString &database)
{
    Result result;
    for (const QString &command : commands.split(" ; ")) {
        QTextStream out(&result.out), err(&result.err);
        const int status = runHouses(
            QStringList{"orrindel-houses", "--database", database} + command.split(' '), out, err);
        result.status = result.status ? result.status : status;
    }
    return result;
}

// The built tool on the register; as root, run as nobody, whom file permissions bind.
Result runTool(const QStringList &arguments, const QString &database)
{
    QProcess tool;
    const QStringList command = QStringList{HOUSES_TOOL, "--database", database} + arguments;
    if (geteuid() == 0)
        tool.start("setpriv", QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} +
                                  command);
    else
        tool.start(command[0], command.mid(1));
    tool.waitForFinished(300000);
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            tool.readAllStandardOutput(), tool.readAllStandardError()};
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

House house(const QString &client, const QString &year = "2004", const QString &facing = "180")
{
    House h;
    h.client = client;
    h.year = year;
    h.facing = facing;
    return h;
}

QString exportOf(int count)
{
    QString rows;
    for (int i = 0; i < count; ++i)
        rows += QString(R"(%1{"client":"c%2","year":"1984","facing":"%3"})")
                    .arg(i ? "," : "")
                    .arg(i)
                    .arg(i % 360);
    return R"({"format":"orrindel-houses","version":1,"houses":[)" + rows + "]}";
}

// clang-format off
// Hostile text for every text field, against a decoy that a loose query would also match.
const QString Hostile[] = {"'; DROP TABLE houses; --", "%", "_", "a%b_c\\", QString::fromUtf8("a\0b", 3), QString(1, QChar(0)),
                           "\"\n\t", "山向 🏠", QString(100 * 1024, 'x') + "é%",
                           QString(1 << 20, 'y')}; // the longest a field may be
// The window's order by a field: names without regard to case, numbers and days by value.
struct Order { const char *field; QString a, b; bool before; };
const Order Orders[] = {
    {"client", "adams", "Baker", true},
    {"client", "Baker", "baker", false},
    {"label", "b", "A", false},
    {"year", "999", "1984", true},
    {"facing", "90.5", "100", true},
    {"measured", "2020-01-02", "2020-01-02", false},
    {"measured", "2019-12-31", "2020-01-01", true},
};
// As root the tool runs as nobody, who needs to read and enter what its owner may.
const QFileDevice::Permissions Others = geteuid() == 0 ? QFileDevice::ReadOther | QFileDevice::ExeOther : QFileDevice::Permissions();
const QFileDevice::Permissions ReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner | Others;
// A folder whoever runs the tool may write in.
const QFileDevice::Permissions ToolsFolder = ReadOnlyFolder | QFileDevice::WriteOwner | (geteuid() == 0 ? QFileDevice::WriteOther : QFileDevice::Permissions());
// What the tool makes of a file that is no register, or one it may not change; nothing changes.
struct Broken { const char *name; int listStatus, addStatus; QString says; };
const Broken Brokens[] = {
    {"text", 1, 1, "h.sqlite is not a house register: it is not an SQLite database"},
    {"damaged", 1, 1, "h.sqlite is damaged. It has been left as it is."},
    {"truncated", 1, 1, "h.sqlite is damaged"},
    {"foreign", 1, 1, "h.sqlite is not a house register: it holds other data"},
    {"foreign of a version", 1, 1, "h.sqlite is not a house register: it holds other data"},
    {"newer", 0, 1, "h.sqlite was written by a newer version of Orrindel, so it is open read-only."},
    {"read-only", 0, 1, "h.sqlite or its folder cannot be written"},
    {"read-only folder", 0, 1, "h.sqlite or its folder cannot be written, so it is open read-only."},
    {"folder is a file", 0, 1, "The folder"},
    {"system folder", 0, 1, "/proc/h.sqlite cannot be opened or made here. Nothing was changed."},
};
// clang-format on

} // namespace

class TestHouses : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_register; // a register of three houses
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        m_register = path("register.sqlite");
        HouseStore(m_register).addAll({house("a"), house("b"), house("c")});
    }

    void nothingWrittenUntilSaved()
    {
        const QString database = path("later/h.sqlite");
        for (const char *command :
             {"list", "show 1", "list x --json", "export FOLDER/e.json", "import FOLDER/e.json"})
            runCommands(QString(command).replace("FOLDER", m_dir.path()), database);
        QVERIFY(!QFileInfo::exists(path("later")));
        QCOMPARE(runCommands("add --label l --year 2004 --facing 1", database).out, "1\n");
        QCOMPARE(sqlAnswer(database, "PRAGMA journal_mode"), "wal");
        QCOMPARE(sqlAnswer(database, "SELECT sql FROM sqlite_master WHERE name = 'houses'"), FirstSchema);
        // Names SQLite or Qt would take for memory or a resource are files like any other.
        QDir::setCurrent(path("later"));
        for (const char *name : {":memory:", "file:h?mode=memory"})
            QVERIFY(runCommands("add --label l --year 2004 --facing 1 ; list", name)
                        .out.endsWith("\tl\n"));
    }

    // The window's Delete and Undo: the house comes back whole under its number, once.
    void removeAndRestore()
    {
        const QTemporaryDir dir;
        HouseStore store(dir.filePath("h.sqlite"));
        House kept = house("kept");
        kept.measured = QDate(2025, 3, 4);
        kept.notes = "north door";
        kept.id = store.add(kept);
        const House saved = *store.house(kept.id);
        store.add(house("later"));
        store.remove(kept.id);
        QCOMPARE(kindOf([&] { store.update(saved); }), StoreError::Kind::NotFound);
        store.restore(saved);
        const House back = *store.house(kept.id);
        QVERIFY(back.client == "kept" && back.notes == "north door" &&
                back.measured == kept.measured && back.created == saved.created &&
                back.changed == saved.changed);
        QCOMPARE(kindOf([&] { store.restore(saved); }), StoreError::Kind::Exists);
        QCOMPARE(kindOf([&] { store.restore(house("never saved")); }), StoreError::Kind::Invalid);
        QCOMPARE(kindOf([&] { store.remove(saved.id + 9); }), StoreError::Kind::NotFound);
        QCOMPARE(kindOf([&] { store.add(house("")); }), StoreError::Kind::Invalid);
        QCOMPARE(store.houses().size(), 2);
    }

    // A register the first version wrote is read, searched and added to as it is.
    void firstVersionFile()
    {
        const QTemporaryDir dir;
        const QString database = dir.filePath("h.sqlite");
        sqlAnswer(database, FirstSchema);
        sqlAnswer(database, "INSERT INTO houses VALUES (7, 'Lee', 'Hill', '1984', '90.5', '2020-02-29', 'n', "
                            "'2020-03-01T01:02:03.004Z', '2021-03-01T00:00:00.000Z', 'lee', 'hill', 'n')");
        sqlAnswer(database, "PRAGMA user_version = 1");
        HouseStore store(database);
        const House lee = store.houses("HILL").value(0);
        QVERIFY(lee.id == 7 && lee.client == "Lee" && lee.label == "Hill" && lee.year == "1984" && lee.facing == "90.5" && lee.notes == "n");
        QCOMPARE(lee.measured, QDate(2020, 2, 29));
        QCOMPARE(lee.created, QDateTime(QDate(2020, 3, 1), QTime(1, 2, 3, 4), Qt::UTC));
        QCOMPARE(lee.changed.date(), QDate(2021, 3, 1));
        QCOMPARE(store.add(house("Ng")), 8);
        QCOMPARE(sqlAnswer(database, "SELECT sql FROM sqlite_master WHERE name = 'houses'"), FirstSchema);
        QCOMPARE(sqlAnswer(database, "SELECT client_key || year || facing || coalesce(measured, 'null') FROM houses WHERE id = 8"), "ng2004180null");
        QCOMPARE(sqlAnswer(database, "PRAGMA user_version"), "2"); // the first change brings the plans table
    }

    void order_data() { addRows(Orders, &Order::field); }
    void order()
    {
        const Order &row = current(Orders);
        const HouseField &field = houseField(row.field);
        House a, b;
        QVERIFY(setFromText(field, a, row.a) && setFromText(field, b, row.b));
        QCOMPARE(lessThan(field, a, b), row.before);
    }

    void hostileText_data() { addRows(Hostile); }
    void hostileText()
    {
        const QString &text = current(Hostile);
        const QTemporaryDir dir;
        HouseStore store(dir.filePath("h.sqlite"));
        House hostile = house(text);
        hostile.label = hostile.notes = text;
        store.add(house("plain decoy"));
        const qint64 id = store.add(hostile);
        const QList<House> found = store.houses(text);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].id, id);
        // The window's search finds what the store's finds.
        QVERIFY(isFound(searchKeys(found[0]), text) && !isFound(searchKeys(house("plain decoy")), text));
        for (const House &back : {*store.house(id), found[0]})
            QVERIFY(back.client == text && back.label == text && back.notes == text);
        // Out through an export and back in through an import, unchanged.
        const QString exported = dir.filePath("e.json");
        QCOMPARE(runCommands("export " + exported, store.path()).status, 0);
        QCOMPARE(runCommands("import " + exported, dir.filePath("copy.sqlite")).status, 0);
        QCOMPARE(HouseStore(dir.filePath("copy.sqlite")).house(2)->notes, text);
        const QString listed = runCommands("list --json", store.path()).out;
        QCOMPARE(QJsonDocument::fromJson(listed.toUtf8())[1]["notes"].toString(), text);
    }

    void brokenFile_data() { addRows(Brokens, &Broken::name); }
    void brokenFile()
    {
        const Broken &row = current(Brokens);
        const QTemporaryDir dir;
        QString database = dir.filePath("h.sqlite");
        const QString name = row.name;
        QVERIFY(QFile::setPermissions(dir.path(), ToolsFolder));
        if (name == "text" || name == "folder is a file") {
            QFile file(database);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not houses\n") > 0);
            database += name == "text" ? "" : "/h.sqlite";
        } else if (name == "system folder") {
            database = "/proc/h.sqlite"; // where not even root can make a file
        } else if (name.startsWith("foreign")) {
            QCOMPARE(sqlAnswer(database, "CREATE TABLE other (x)"), "failed"); // no row to answer
            if (name.endsWith("version"))
                sqlAnswer(database, "PRAGMA user_version = 3");
        } else {
            QVERIFY(QFile::copy(m_register, database));
            QFile file(database);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.size() >= 8192);
            if (name == "damaged")
                QVERIFY(file.seek(4096) && file.write(QByteArray(512, '\xff')) == 512);
            if (name == "truncated")
                QVERIFY(file.resize(file.size() - 2048));
            if (name == "newer")
                sqlAnswer(database, "PRAGMA user_version = 99");
            if (name.startsWith("read-only")) {
                QVERIFY(name.endsWith("folder")
                            ? QFile::setPermissions(dir.path(), ReadOnlyFolder)
                            : file.setPermissions(QFileDevice::ReadOwner | (Others & QFileDevice::ReadOther)));
            }
        }
        const QByteArray before = contentOf(database);
        const Result list = runTool({"list"}, database);
        const Result add =
            runTool({"add", "--label", "l", "--year", "2004", "--facing", "1"}, database);
        QCOMPARE(list.status, row.listStatus);
        QCOMPARE(add.status, row.addStatus);
        QVERIFY2(add.err.contains(row.says) && add.err.contains(database), qPrintable(add.err));
        QCOMPARE(add.err.count('\n'), 1);
        QCOMPARE(contentOf(database), before);
        if (row.listStatus == 0 && QFileInfo::exists(database))
            QCOMPARE(list.out.count('\n'), 3);
        QFile::setPermissions(dir.path(), ReadOnlyFolder | QFileDevice::WriteOwner);
    }

    // The tool prints the new house's number only once it is committed; a kill right after
    // that, or anywhere in a 10,000-house import, keeps what was committed and nothing half.
    void killed_data()
    {
        QTest::addColumn<int>("after");
        for (const int ms : {-1, 0, 40, 120, 250, 500, 1000, 5000})
            QTest::addRow("%d ms", ms) << ms;
    }
    void killed()
    {
        QFETCH(int, after);
        const QTemporaryDir dir;
        const QString database = dir.filePath("h.sqlite");
        QVERIFY(QFile::copy(m_register, database));
        QFile big(dir.filePath("big.json"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.write(exportOf(10000).toUtf8()) > 0);
        big.close();
        QProcess tool;
        if (after < 0) {
            tool.start(HOUSES_TOOL, {"--database", database, "add", "--label", "l", "--year",
                                     "2004", "--facing", "1"});
            QVERIFY(tool.waitForReadyRead(60000));
            tool.kill();
            tool.waitForFinished();
            QCOMPARE(tool.readAllStandardOutput(), "4\n");
            QCOMPARE(sqlAnswer(database, "SELECT label FROM houses WHERE id = 4"), "l");
            return;
        }
        tool.start(HOUSES_TOOL, {"--database", database, "import", big.fileName()});
        QVERIFY(tool.waitForStarted());
        QTest::qWait(after);
        tool.kill();
        tool.waitForFinished();
        QCOMPARE(sqlAnswer(database, "PRAGMA integrity_check"), "ok");
        const QString count = sqlAnswer(database, "SELECT count(*) FROM houses");
        QVERIFY2(count == "3" || count == "10003", qPrintable(count));
        QCOMPARE(sqlAnswer(database, "SELECT group_concat(client) FROM houses WHERE id <= 3"),
                 "a,b,c");
    }

    // Two tools writing one file at once: every house of both ends up stored.
    void together_data()
    {
        QTest::addColumn<bool>("imports");
        QTest::addRow("imports of 500") << true;
        QTest::addRow("500 adds each") << false;
    }
    void together()
    {
        QFETCH(bool, imports);
        const QTemporaryDir dir;
        const QString database = dir.filePath("h.sqlite");
        QFile file(dir.filePath("500.json"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(exportOf(500).toUtf8()) > 0);
        file.close();
        const QString loop = QString("for i in $(seq 500); do '%1' --database '%2' add --client "
                                     "$i --year 2004 --facing 1 >/dev/null || exit 1; done")
                                 .arg(HOUSES_TOOL, database);
        QProcess first, second;
        for (QProcess *tool : {&first, &second}) {
            if (imports)
                tool->start(HOUSES_TOOL, {"--database", database, "import", file.fileName()});
            else
                tool->start("sh", {"-c", loop});
        }
        for (QProcess *tool : {&first, &second}) {
            QVERIFY(tool->waitForFinished(500000));
            QCOMPARE(tool->exitCode(), 0);
        }
        QCOMPARE(sqlAnswer(database, "SELECT count(DISTINCT id) FROM houses"), "1000");
        QCOMPARE(sqlAnswer(database, "PRAGMA integrity_check"), "ok");
    }
};

QTEST_GUILESS_MAIN(TestHouses)
#include "test_houses.moc"
