// The house register on real SQLite files: the tool's commands in process, hostile text, broken
// and foreign files, and the built tool killed mid-import and run twice at once.

#include "orrindel/version.h"
#include "orrindel_houses.h"
#include "support/table.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orrindel;
using namespace orrindel::store;
using namespace orrindel::test;

namespace {

struct Result
{
    int status = 0;
    QString out, err;
};

// Commands split on " ; ", run in order in process: the first non-zero status, all output.
// The report writer prints what it was asked for, and fails for "fail.pdf".
Result runCommands(const QString &commands, const QString &database, const QString &folder)
{
    Result result;
    const HouseReportWriter writer = [&result](const House &house,
                                               const std::optional<report::MonthOfYear> &month,
                                               const QString &pdf) {
        if (pdf.endsWith("fail.pdf"))
            throw RuntimeError(RuntimeError::FileNotFound, "File not found", "fail.pdf: full");
        result.out +=
            QString("report:%1:%2/%3").arg(house.client).arg(month->month).arg(month->year);
    };
    for (const QString &command : commands.split(" ; ")) {
        QStringList arguments = command.split(' ');
        arguments.replaceInStrings("FOLDER/", folder + '/').replaceInStrings("\\s", " ");
        QTextStream out(&result.out), err(&result.err);
        const int status = runHouses(
            QStringList{"orrindel-houses", "--database", database} + arguments, out, err, writer);
        result.status = result.status ? result.status : status;
    }
    return result;
}

Result runTool(const QStringList &arguments, const QString &database)
{
    QProcess tool;
    tool.start(HOUSES_TOOL, QStringList{"--database", database} + arguments);
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

// One answer of a query on its own connection, to check the file as SQLite sees it.
QString sqlAnswer(const QString &path, const QString &sql)
{
    QString answer;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(path);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        answer = query.exec(sql) && query.next() ? query.value(0).toString() : "failed";
    }
    QSqlDatabase::removeDatabase("check");
    return answer;
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
// Commands on a register of O'Brien (1) and Müller (2); FOLDER/ is the temporary folder, \s a
// space inside an argument, and FOLDER/in.json holds `file`. The output holds `says`, not `lacks`.
struct Session { QString commands; int status = 0; QString says = {}, lacks = {}, file = {}; };
const QString Add = "add --year 2004 --facing 10 --client x ";
const QString Good = R"({"format":"orrindel-houses","version":1,"houses":[)";
const Session Sessions[] = {
    {.commands = "list", .says = "1\t2004\t180\t2026-01-02\tO'Brien\t12 Hill Rd\n2\t1990\t45.5"},
    {.commands = "list %", .says = "50%_off", .lacks = "O'Brien"}, {.commands = "list _", .says = "Müller", .lacks = "O'Brien"},
    {.commands = "list MÜLLER", .says = "Müller", .lacks = "O'Brien"}, {.commands = "list o'brien", .says = "O'Brien", .lacks = "Müller"},
    {.commands = "list hill\\srd", .says = "O'Brien", .lacks = "Müller"}, {.commands = "list zzz", .lacks = "2004"},
    {.commands = "show 2 --json", .says = "\"facing\": \"45.5\",\n    \"id\": 2,\n    \"label\": \"50%_off\",\n    \"measured\": null"},
    {.commands = "show 3", .status = 2, .says = "there is no house 3"}, {.commands = "show 0", .status = 2, .says = "0 is not a house number"},
    {.commands = "show 1x", .status = 2, .says = "1x is not"}, {.commands = "show +1", .status = 2, .says = "+1 is not"},
    {.commands = "show 1\n2", .status = 2, .says = "1 2 is not a house number."},
    {.commands = "show", .status = 2, .says = "wrong number of arguments for show"}, {.commands = "list a b", .status = 2, .says = "wrong number"},
    {.commands = "--help", .says = "report ID --pdf FILE [--annual MM/YYYY]\n"}, {.commands = "--version", .says = ORRINDEL_VERSION_STRING},
    {.commands = "--help-all", .says = "report ID --pdf FILE [--annual MM/YYYY]\n"},
    {.commands = "frob", .status = 2, .says = "unknown command: frob"}, {.commands = "--json", .status = 2, .says = "give a command"},
    {.commands = "list --client x", .status = 2, .says = "--client does not go with list"},
    {.commands = "add --year 2004", .status = 2, .says = "add needs --year and --facing"},
    {.commands = "add --year 2004 --facing 10", .status = 2, .says = "client's name or a label"},
    {.commands = Add + "--year 64", .status = 2, .says = "65 to 9999"}, {.commands = Add + "--year 10000", .status = 2, .says = "65 to 9999"},
    {.commands = Add + "--facing 360", .status = 2, .says = "below 360"}, {.commands = Add + "--facing 100.25", .status = 2, .says = "five characters"},
    {.commands = Add + "--facing 1e2", .status = 2, .says = "below 360"},
    {.commands = Add + "--facing 359.9 --year 65 ; show 3", .says = "3\nHouse: 3\nClient: x\nLabel: \nYear: 65\nFacing: 359.9"},
    {.commands = Add + "--measured 2026-02-30", .status = 2, .says = "--measured 2026-02-30:"},
    {.commands = Add + "--measured 2026-2-3", .status = 2, .says = "YYYY-MM-DD"},
    {.commands = "edit 1", .status = 2, .says = "at least one of"}, {.commands = "edit 1 --year 1", .status = 2, .says = "65 to 9999"},
    {.commands = "edit 2 --facing 90 --notes n ; show 2", .says = "Client: Müller\nLabel: 50%_off\nYear: 1990\nFacing: 90\nMeasured: \n"},
    {.commands = "remove 2 ; list", .lacks = "Müller"}, {.commands = "remove 2 ; remove 2", .status = 2, .says = "there is no house 2"},
    {.commands = "report 1", .status = 2, .says = "report needs --pdf"},
    {.commands = "report 1 --pdf r.pdf --annual 13/2027", .status = 2, .says = "--annual 13/2027:"},
    {.commands = "report 1 --pdf r.pdf --annual 6/2027", .says = "report:O'Brien:6/2027"},
    {.commands = "report 3 --pdf r.pdf", .status = 2, .says = "no house 3"},
    {.commands = "report 1 --pdf fail.pdf", .status = 1, .says = "fail.pdf: full"},
    {.commands = "export FOLDER/e.json ; import FOLDER/e.json ; list", .says = "2\n1\t2004\t180\t2026-01-02\tO'Brien\t12 Hill Rd\n2\t1990\t45.5"
                 "\t\tMüller\t50%_off\n3\t2004\t180\t2026-01-02\tO'Brien\t12 Hill Rd\n4\t1990"},
    {.commands = "export FOLDER/h.sqlite ; list", .status = 2, .says = "h.sqlite is the register itself", .lacks = "not a house register"},
    {.commands = "report 1 --pdf FOLDER/h.sqlite-wal", .status = 2, .says = "h.sqlite-wal is the register itself", .lacks = "report:"},
    {.commands = "list --database FOLDER/pipe", .status = 1, .says = "pipe is not a house register"},
    {.commands = "export FOLDER/pipe", .says = "\"format\": \"orrindel-houses\""},
    {.commands = "export FOLDER/no/e.json", .status = 1, .says = "e.json cannot be written"},
    {.commands = "import FOLDER/in.json ; list", .says = "2\n1\t", .file = Good + R"({"label":"a","year":"1900","facing":"0","measured":"2020-02-29"},{"client":"b","year":"2100","facing":"1","notes":null}]})"},
    {.commands = "import FOLDER/in.json ; list", .status = 2, .says = "row 2: Give the client's name or a label.\norrindel-houses: row 4: year is not text\n"
                 "orrindel-houses: row 5: measured is not a date written YYYY-MM-DD\norrindel-houses: row 6: not an object\n", .lacks = "3\t",
     .file = Good + R"({"label":"a","year":"1900","facing":"0"},{"year":"1900","facing":"0"},{"label":"c","year":"1901","facing":"0"},)"
             R"({"label":"a","year":1900,"facing":"0"},{"label":"a","year":"1900","facing":"0","measured":"2020-02-30"},7]})"},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is not JSON", .file = Good},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is of export version 2", .file = R"({"format":"orrindel-houses","version":2,"houses":[]})"},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is not a house export", .file = R"({"version":1,"houses":[]})"},
    {.commands = "import FOLDER/none.json", .status = 2, .says = "none.json cannot be read"},
};
// Hostile text for every text field, against a decoy that a loose query would also match.
const QString Hostile[] = {"'; DROP TABLE houses; --", "%", "_", "a%b_c\\", QString::fromUtf8("a\0b", 3), QString(1, QChar(0)),
                           "\"\n\t", "山向 🏠", QString(100 * 1024, 'x') + "é%"};
constexpr QFileDevice::Permissions ReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
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

    void session_data() { addRows(Sessions, &Session::commands); }
    void session()
    {
        const Session &row = current(Sessions);
        const QTemporaryDir dir;
        const QString database = dir.filePath("h.sqlite");
        QFile in(dir.filePath("in.json"));
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(row.file.toUtf8()) >= 0);
        in.close();
        House obrien = house("O'Brien"), muller = house("Müller", "1990", "45.5");
        obrien.label = "12 Hill Rd";
        obrien.measured = QDate(2026, 1, 2);
        muller.label = "50%_off";
        HouseStore(database).addAll({obrien, muller});
        // FOLDER/pipe is a pipe, already open for reading; what is written to it is said.
        const QByteArray pipe = dir.filePath("pipe").toLocal8Bit();
        QFile reader;
        QVERIFY(mkfifo(pipe, 0600) == 0 &&
                reader.open(open(pipe, O_RDONLY | O_NONBLOCK), QIODevice::ReadOnly,
                            QFile::AutoCloseHandle));
        const Result result = runCommands(row.commands, database, dir.path());
        QCOMPARE(result.status, row.status);
        const QString said = result.out + result.err + reader.readAll();
        QVERIFY2(said.contains(row.says), qPrintable(said));
        QVERIFY2(row.lacks.isEmpty() || !said.contains(row.lacks), qPrintable(said));
        QCOMPARE(result.err.count('\n'),
                 qsizetype(row.status ? row.says.count("orrindel-houses") + 1 : 0));
    }

    void nothingWrittenUntilSaved()
    {
        const QString database = path("later/h.sqlite");
        for (const char *command :
             {"list", "show 1", "list x --json", "export FOLDER/e.json", "import FOLDER/e.json"})
            runCommands(command, database, m_dir.path());
        QVERIFY(!QFileInfo::exists(path("later")));
        QCOMPARE(runCommands("add --label l --year 2004 --facing 1", database, {}).out, "1\n");
        QCOMPARE(sqlAnswer(database, "PRAGMA journal_mode"), "wal");
        // Names SQLite or Qt would take for memory or a resource are files like any other.
        QDir::setCurrent(path("later"));
        for (const char *name : {":memory:", "file:h?mode=memory"})
            QVERIFY(runCommands("add --label l --year 2004 --facing 1 ; list", name, {})
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
        QCOMPARE(errorOf([&] { store.update(saved); }),
                 75); // the file has no such house
        store.restore(saved);
        const House back = *store.house(kept.id);
        QVERIFY(back.client == "kept" && back.notes == "north door" &&
                back.measured == kept.measured && back.created == saved.created &&
                back.changed == saved.changed);
        QCOMPARE(errorOf([&] { store.restore(saved); }), 75);
        QCOMPARE(errorOf([&] { store.restore(house("never saved")); }), 5);
        QCOMPARE(store.houses().size(), 2);
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
        for (const House &back : {*store.house(id), found[0]})
            QVERIFY(back.client == text && back.label == text && back.notes == text);
        // Out through an export and back in through an import, unchanged.
        const QString exported = dir.filePath("e.json");
        QCOMPARE(runCommands("export " + exported, store.path(), {}).status, 0);
        QCOMPARE(runCommands("import " + exported, dir.filePath("copy.sqlite"), {}).status, 0);
        QCOMPARE(HouseStore(dir.filePath("copy.sqlite")).house(2)->notes, text);
        const QString listed = runCommands("list --json", store.path(), {}).out;
        QCOMPARE(QJsonDocument::fromJson(listed.toUtf8())[1]["notes"].toString(), text);
    }

    void brokenFile_data() { addRows(Brokens, &Broken::name); }
    void brokenFile()
    {
        const Broken &row = current(Brokens);
        const QTemporaryDir dir;
        QString database = dir.filePath("h.sqlite");
        const QString name = row.name;
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
                if (geteuid() == 0)
                    QSKIP("root writes to read-only files");
                QVERIFY(name.endsWith("folder") ? QFile::setPermissions(dir.path(), ReadOnlyFolder)
                                                : file.setPermissions(QFileDevice::ReadOwner));
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
