// orrindel-houses in process, a test slot per command, on a register of O'Brien (1) and
// Müller (2) in a temporary folder.

#include "orrindel/version.h"
#include "orrindel_houses.h"
#include "store/housefields.h"
#include "support/table.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

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
// The report writer prints what it was asked for; it fails for "fail.pdf", and for "nochart.pdf"
// as for a house that gives no chart.
Result runCommands(const QString &commands, const QString &database, const QString &folder)
{
    Result result;
    const HouseReportWriter writer = [&result](const House &house,
                                               const std::optional<report::MonthOfYear> &month,
                                               const std::vector<report::FloorPlan> &floors,
                                               const QString &pdf) {
        if (pdf.endsWith("fail.pdf"))
            throw StoreError(StoreError::Kind::FileError, "fail.pdf: full");
        if (pdf.endsWith("nochart.pdf"))
            throw StoreError(StoreError::Kind::Invalid, "no chart");
        result.out += QString("report:%1:%2").arg(displayName(house), pdf.section('/', -1));
        if (month)
            result.out += QString(":%1/%2").arg(month->month).arg(month->year);
        for (const report::FloorPlan &floor : floors)
            result.out += ":" + floor.floor;
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

// Commands run on the register; FOLDER/ is the temporary folder, \s a space inside an argument,
// and FOLDER/in.json holds `file`. The output holds `says`, not `lacks`.
struct Session { QString commands; int status = 0; QString says = {}, lacks = {}, file = {}; };
const QString Add = "add --year 2004 --facing 10 --client x ";
const QString Good = R"({"format":"orrindel-houses","version":1,"houses":[)";
// clang-format off
const Session Usage[] = {
    {.commands = "--help", .says = "  add --year --facing [--client --label --measured --notes]\n  edit ID [options]       changes the options given\n"},
    {.commands = "--help", .says = "  --measured <YYYY-MM-DD>  The day it was measured.\n  --notes <TEXT>           Free notes.\n  --pdf <FILE>"},
    {.commands = "--help-all", .says = "  remove ID\n  export FILE             every house as JSON\n"},
    {.commands = "--version", .says = ORRINDEL_VERSION_STRING},
    {.commands = "frob", .status = 2, .says = "unknown command: frob"},
    {.commands = "--json", .status = 2, .says = "give a command"},
    {.commands = "--bogus", .status = 2, .says = "Unknown option 'bogus'"},
    {.commands = "list --client x", .status = 2, .says = "--client does not go with list"},
    {.commands = "remove 1 --database FOLDER/other.sqlite --json", .status = 2, .says = "--json does not go with remove"},
};
const Session Lists[] = {
    {.commands = "list", .says = "1\t2004\t180\t2026-01-02\tO'Brien\t12 Hill Rd\n2\t1990\t45.5\t\tMüller\t50%_off\n"},
    {.commands = "list %", .says = "50%_off", .lacks = "O'Brien"},
    {.commands = "list _", .says = "Müller", .lacks = "O'Brien"},
    {.commands = "list MÜLLER", .says = "Müller", .lacks = "O'Brien"},
    {.commands = "list o'brien", .says = "O'Brien", .lacks = "Müller"},
    {.commands = "list hill\\srd", .says = "O'Brien", .lacks = "Müller"},
    {.commands = "list zzz", .lacks = "2004"},
    {.commands = "list a b", .status = 2, .says = "wrong number of arguments for list"},
    {.commands = "list --json", .says = "[\n{\"id\": 1, \"client\": \"O'Brien\", \"label\": \"12 Hill Rd\", \"year\": \"2004\", \"facing\": \"180\", \"measured\": \"2026-01-02\", \"notes\": \"a \\\"b\\\"\\\\\\u000a\", \"created\": \""},
    {.commands = "list --json", .says = "\"}\n]\n", .lacks = "\"id\": 3"},
    {.commands = "list --database FOLDER/pipe", .status = 1, .says = "pipe is not a house register"},
};
const Session Shows[] = {
    {.commands = "show 2 --json", .says = "\"facing\": \"45.5\",\n    \"id\": 2,\n    \"label\": \"50%_off\",\n    \"measured\": null"},
    {.commands = "show 1", .says = "House: 1\nClient: O'Brien\nLabel: 12 Hill Rd\nYear: 2004\nFacing: 180\nMeasured: 2026-01-02\nCreated: 20"},
    {.commands = "show 1", .says = "Z\nNotes: a \"b\"\\\n\n"},
    {.commands = "show 3", .status = 2, .says = "there is no house 3"},
    {.commands = "show 0", .status = 2, .says = "0 is not a house number"},
    {.commands = "show 1x", .status = 2, .says = "1x is not"},
    {.commands = "show +1", .status = 2, .says = "+1 is not"},
    {.commands = "show 1\n2", .status = 2, .says = "1 2 is not a house number."},
    {.commands = "show", .status = 2, .says = "wrong number of arguments for show"},
};
const Session Adds[] = {
    {.commands = "add --year 2004", .status = 2, .says = "add needs --year and --facing"},
    {.commands = "add --facing 10", .status = 2, .says = "add needs --year and --facing"},
    {.commands = "add --year 2004 --facing 10", .status = 2, .says = "client's name or a label"},
    {.commands = Add + "--year 64", .status = 2, .says = "65 to 9999"},
    {.commands = Add + "--year 10000", .status = 2, .says = "65 to 9999"},
    {.commands = Add + "--facing 360", .status = 2, .says = "below 360"},
    {.commands = Add + "--facing 100.25", .status = 2, .says = "five characters"},
    {.commands = Add + "--facing 1e2", .status = 2, .says = "below 360"},
    {.commands = Add + "--facing 359.9 --year 65 ; show 3", .says = "3\nHouse: 3\nClient: x\nLabel: \nYear: 65\nFacing: 359.9"},
    {.commands = Add + "--label \\s12\\sHill\\s --notes \\sn\\s ; show 3", .says = "Label:  12 Hill \nYear: 2004\nFacing: 10\nMeasured: 20"},
    {.commands = Add + "--measured 2026-02-28 ; list", .says = "3\t2004\t10\t2026-02-28\tx\t\n"},
    {.commands = Add + "--measured 2026-02-30", .status = 2, .says = "--measured 2026-02-30: give the date as YYYY-MM-DD."},
    {.commands = Add + "--measured 2026-2-3", .status = 2, .says = "YYYY-MM-DD"},
    {.commands = "add --year 2004 --facing 10 --client \\s --label \\s\\s", .status = 2, .says = "client's name or a label"},
};
const Session Edits[] = {
    {.commands = "edit 1", .status = 2, .says = "at least one of"},
    {.commands = "edit 1 --year 1", .status = 2, .says = "65 to 9999"},
    {.commands = "edit 2 --facing 90 --notes n ; show 2", .says = "Client: Müller\nLabel: 50%_off\nYear: 1990\nFacing: 90\nMeasured: \n"},
    {.commands = "edit 2 --measured 2025-12-31 ; list", .says = "2\t1990\t45.5\t2025-12-31\tMüller"},
    {.commands = "edit 1 --client \\s ; show 1", .says = "Client:  \nLabel: 12 Hill Rd"},
    {.commands = "edit 2 --client \\s --label \\s", .status = 2, .says = "client's name or a label"},
    {.commands = "edit 3 --year 2000", .status = 2, .says = "there is no house 3"},
};
const Session Removes[] = {
    {.commands = "remove 2 ; list", .says = "1\t2004", .lacks = "Müller"},
    {.commands = "remove 2 ; remove 2", .status = 2, .says = "there is no house 2"},
    {.commands = "remove x", .status = 2, .says = "x is not a house number"},
};
const Session Exports[] = {
    {.commands = "export FOLDER/e.json ; import FOLDER/e.json ; list", .says = "2\n1\t2004\t180\t2026-01-02\tO'Brien\t12 Hill Rd\n2\t1990\t45.5\t\tMüller\t50%_off\n3\t2004\t180\t2026-01-02\tO'Brien\t12 Hill Rd\n4\t1990"},
    {.commands = "export FOLDER/h.sqlite ; list", .status = 2, .says = "h.sqlite is the register itself", .lacks = "not a house register"},
    {.commands = "export FOLDER/pipe", .says = "{\n    \"format\": \"orrindel-houses\",\n    \"houses\": [\n        {\n            \"changed\": \""},
    {.commands = "export FOLDER/no/e.json", .status = 1, .says = "e.json cannot be written: "},
};
const Session Imports[] = {
    {.commands = "import FOLDER/in.json ; list", .says = "2\n1\t", .file = Good + R"({"label":"a","year":"1900","facing":"0","measured":"2020-02-29"},{"client":"b","year":"2100","facing":"1","notes":null}]})"},
    {.commands = "import FOLDER/in.json ; show 3", .says = "Label: a\nYear: 1900\nFacing: 0\nMeasured: 2020-02-29\n", .file = Good + R"({"label":"a","year":"1900","facing":"0","measured":"2020-02-29","id":9}]})"},
    {.commands = "import FOLDER/in.json ; list", .status = 2, .says = "row 2: Give the client's name or a label.\norrindel-houses: row 4: year is not text\n"
                 "orrindel-houses: row 5: measured is not a date written YYYY-MM-DD\norrindel-houses: row 6: not an object\n", .lacks = "3\t",
     .file = Good + R"({"label":"a","year":"1900","facing":"0"},{"year":"1900","facing":"0"},{"label":"c","year":"1901","facing":"0"},)"
             R"({"label":"a","year":1900,"facing":"0"},{"label":"a","year":"1900","facing":"0","measured":"2020-02-30"},7]})"},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "row 1: measured is not a date", .file = Good + R"({"label":"a","year":"1900","facing":"0","measured":20200229}]})"},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is not JSON", .file = Good},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is of export version 2", .file = R"({"format":"orrindel-houses","version":2,"houses":[]})"},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is of export version 1.5", .file = R"({"format":"orrindel-houses","version":1.5,"houses":[]})"},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is not a house export", .file = R"({"version":1,"houses":[]})"},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is not a house export", .file = R"({"format":"orrindel-houses","version":1,"houses":{}})"},
    {.commands = "import FOLDER/in.json", .status = 2, .says = "in.json is not JSON", .file = "[]"},
    {.commands = "import FOLDER/none.json", .status = 2, .says = "none.json cannot be read"},
};
const Session Reports[] = {
    {.commands = "report 1", .status = 2, .says = "report needs --pdf"},
    {.commands = "report 1 --pdf r.pdf --annual 13/2027", .status = 2, .says = "--annual 13/2027:"},
    {.commands = "report 1 --pdf r.pdf --annual 6/2027", .says = "report:O'Brien:r.pdf:6/2027"},
    {.commands = "report 2 --pdf r.pdf", .says = "report:Müller:r.pdf", .lacks = "r.pdf:"},
    {.commands = "report 3 --pdf r.pdf", .status = 2, .says = "no house 3"},
    {.commands = "report 1 --pdf fail.pdf", .status = 1, .says = "fail.pdf: full"},
    {.commands = "report 1 --pdf nochart.pdf", .status = 2, .says = "no chart"},
    {.commands = "report 1 --pdf FOLDER/h.sqlite-wal", .status = 2, .says = "h.sqlite-wal is the register itself", .lacks = "report:"},
};
// FOLDER/plan.png is a white image of 40 by 30.
const QString Plan = "plan add 1 --image FOLDER/plan.png ; ", Traced = Plan + "plan outline 1 --points 0,0\\s40,0\\s40,30\\s0,30 --front 0 ; ";
const Session Plans[] = {
    {.commands = Plan + "plan add 1 --image FOLDER/plan.png --floor Loft ; plan list 1", .says = "1\n2\n1\t\tpng\t40x30\t1\n2\tLoft\tpng\t40x30\t1\n"},
    {.commands = "plan add 1 --image FOLDER/plan.png --page 0", .status = 2, .says = "--page 0: pages count from 1."},
    {.commands = "plan show 0 --json", .status = 2, .says = "0 is not a plan number"},
    {.commands = "plan centre 1 point", .status = 2, .says = "--at x,y goes with the centre point, and only with it."},
    {.commands = Traced + "plan room 1 --name Hall --points 0,0\\s9,0\\s9,9 ; plan show 1 --json", .says = "\"name\": \"Hall\""},
    {.commands = Traced + "plan scale 1 --points 0,0\\s40,0 --length 8 ; plan show 1 --json", .says = "\"m2\": 5.33"},
};
// clang-format on

} // namespace

class TestHousesTool : public QObject
{
    Q_OBJECT

    static void check(const Session &row)
    {
        const QTemporaryDir dir;
        const QString database = dir.filePath("h.sqlite");
        QFile in(dir.filePath("in.json"));
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(row.file.toUtf8()) >= 0);
        in.close();
        House obrien, muller;
        obrien.client = "O'Brien", obrien.label = "12 Hill Rd", obrien.year = "2004", obrien.facing = "180";
        obrien.measured = QDate(2026, 1, 2), obrien.notes = "a \"b\"\\\n";
        muller.client = "Müller", muller.label = "50%_off", muller.year = "1990", muller.facing = "45.5";
        HouseStore(database).addAll({obrien, muller});
        QImage plan(40, 30, QImage::Format_RGB32);
        plan.fill(Qt::white);
        QVERIFY(plan.save(dir.filePath("plan.png")));
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

private slots:
    void usage_data() { addRows(Usage, &Session::commands); }
    void usage() { check(current(Usage)); }
    void listCommand_data() { addRows(Lists, &Session::commands); }
    void listCommand() { check(current(Lists)); }
    void showCommand_data() { addRows(Shows, &Session::commands); }
    void showCommand() { check(current(Shows)); }
    void addCommand_data() { addRows(Adds, &Session::commands); }
    void addCommand() { check(current(Adds)); }
    void editCommand_data() { addRows(Edits, &Session::commands); }
    void editCommand() { check(current(Edits)); }
    void removeCommand_data() { addRows(Removes, &Session::commands); }
    void removeCommand() { check(current(Removes)); }
    void exportCommand_data() { addRows(Exports, &Session::commands); }
    void exportCommand() { check(current(Exports)); }
    void importCommand_data() { addRows(Imports, &Session::commands); }
    void importCommand() { check(current(Imports)); }
    void reportCommand_data() { addRows(Reports, &Session::commands); }
    void reportCommand() { check(current(Reports)); }
    void planCommand_data() { addRows(Plans, &Session::commands); }
    void planCommand() { check(current(Plans)); }
};

QTEST_GUILESS_MAIN(TestHousesTool)
#include "test_housestool.moc"
