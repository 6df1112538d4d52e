// The house register as its user meets it, from the main window's File menu, on real SQLite
// files: saving the chart on show, finding it by typing, opening it back into the main
// window, editing, deleting and bringing back; a file that cannot be used; and the report a
// house is handed out as, read back from the PDF as a client's viewer reads it.

#include "platform/controls.h"
#include "platform/textbox.h"
#include "store/storeerror.h"
#include "support/doubles.h"
#include "support/pdfwords.h"
#include "support/table.h"
#include "translations/language.h"
#include "ui/houses/houseregister.h"
#include "ui/main/frmmain.h"
#include "ui/print/housereport.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::test;
using L = Language;

namespace {

// clang-format off
// A house reported in a language under a locale: the page's size in points and the texts
// the PDF gives back, and those it must not (a Kangxi radical for 山 or 小 or 大).
// Notes of any length run on over pages.
// A standard house has its chart on one page and its palaces on the next; a leaning one adds the
// replacement chart's palaces on a third, whatever the language, paper and length of the notes.
// The Simplified Chinese rows run together: after an English report in the same process the
// Simplified face's searchable copy is not found again.
struct Report { const char *name; Language language; const char *locale; QString year, facing; int month, monthYear; QString page; QStringList found, absent = {}; QString notes = "Front door faces the river."; int pages = 2; QString client = "Mrs O'Hara", label = "12 High St"; };
const QString Notes = "The front door opens onto a busy road to the south; the kitchen sits in the north-west corner beside the garage, and the master bedroom is upstairs in the north-east. "
    "The owners plan to renovate the bathroom and move the study next spring; a pond was dug in the east garden two years ago. Ask about the neighbour's new extension to the west.";
const QString Client = "Mrs Margaret O'Hara-Livingstone", Label = "Flat 12, The Old Rope Works, 143 High Street, Kingston upon Thames";
const QStringList Cjk = {"\u2F2D", "\u2F29", "\u2F24"};
const Report Reports[] = {
    {"en, 2004 S, A4", L::English, "en_GB", "2004", "180", 6, 2024, "595 x 842", {"Flying Star Report", "子山午向", "Period: 8", "Standard chart (下卦)", "Annual stars, 06/2024", "Zi", "The palaces, 06/2024", "Year afflictions, 辰 year:", "south-east 3 dead 4 dead unfavourable"}, {"Replacement chart"}},
    {"en, leaning, Letter", L::English, "en_US", "1990", "52", 2, 2025, "612 x 792", {"Replacement chart (替卦)", "Period: 7", "leaning (兼向)", "The palaces of the replacement chart, 02/2025"}, {}, "Front door faces the river.", 3},
    {"zh_CN, 2004 S", L::SimplifiedChinese, "zh_CN", "2004", "180", 1, 2026, "595 x 842", {"子山午向", "下卦", "小寒", "九宫，01/2026", "宫位 星与吉凶 断语 本年 本月 宜忌"}, Cjk},
    {"zh_CN, standard, A4, long", L::SimplifiedChinese, "zh_CN", "2004", "180", 6, 2026, "595 x 842", {"九宫，06/2026"}, Cjk, Notes, 2, Client, Label},
    {"zh_CN, leaning, Letter, long", L::SimplifiedChinese, "en_US", "2017", "187", 6, 2026, "612 x 792", {"替卦九宫，06/2026"}, Cjk, Notes, 3, Client, Label},
    {"zh_TW, leaning, Canada", L::TraditionalChinese, "en_CA", "2017", "187", 12, 2026, "612 x 792", {"子山午向", "替卦", "大雪", "替卦九宮，12/2026"}, Cjk, "Front door faces the river.", 3},
    {"100 KB of notes", L::English, "en_GB", "2004", "180", 6, 2024, "595 x 842", {"Front door faces the river.", "the last line"}, {}, QString("Front door faces the river. ").repeated(3700) + "the last line", 12},
    {"en, standard, A4, long", L::English, "en_GB", "2004", "180", 6, 2026, "595 x 842", {"The palaces, 06/2026", "north-west 5 killing 2 growing unfavourable"}, {}, Notes, 2, Client, Label},
    {"en, leaning, Letter, long", L::English, "en_US", "2017", "187", 6, 2026, "612 x 792", {"The palaces of the replacement chart, 06/2026"}, {}, Notes, 3, Client, Label},
    {"zh_TW, standard, A4, long", L::TraditionalChinese, "zh_TW", "2004", "180", 6, 2026, "595 x 842", {"九宮，06/2026"}, Cjk, Notes, 2, Client, Label},
    {"zh_TW, leaning, Letter, long", L::TraditionalChinese, "en_US", "2017", "187", 6, 2026, "612 x 792", {"替卦九宮，06/2026"}, Cjk, Notes, 3, Client, Label},
};
// A leaning house with the month's stars, reported in a language on a paper: the captions whose
// values must sit on their baseline, and words of one section that must share a page.
struct Typeset { const char *name; Language language; const char *locale; QStringList captions; QList<QStringList> together = {}; };
const Typeset Typesets[] = {
    {"en, A4", L::English, "en_GB", {"on:", "construction:", "Period:", "Formation:", "Lean:"}, {{"Standard", "palace."}, {"Annual", "runs"}}},
    {"en, Letter", L::English, "en_US", {"on:", "Formation:"}, {{"Standard", "palace."}, {"Annual", "runs"}}},
    {"zh_CN, A4", L::SimplifiedChinese, "zh_CN", {"测量日期：", "建造年份：", "元运：", "格局："}},
    {"zh_TW, Letter", L::TraditionalChinese, "en_CA", {"測量日期：", "建造年份：", "元運：", "格局："}},
};
// Whose house it is, as the PDF's title and its first lines name it.
struct Named { const char *name; QString client, label, title, heading; };
const Named Names[] = {
    {"client and label", "Mrs O'Hara", "12 High St", "Flying Star Report: Mrs O'Hara", "Mrs O'Hara · 12 High St"},
    {"only a label", "", "12 High St", "Flying Star Report: 12 High St", "Flying Star Report\n12 High St\n"},
    {"only a client", "Li Wei", "", "Flying Star Report: Li Wei", "Flying Star Report\nLi Wei\n"}};
// Houses saved from the main window's chart in turn, then a search typed: how many rows it
// leaves, and the client of the first, which Enter opens into the main window.
struct Saved { QString client, label, year, facing, notes; };
const Saved Houses[] = {
    {"Mrs O'Hara", "12 High St", "2004", "180", "door on the river side"},
    {"Li Wei", "3 Mill Lane", "1990", "52", "50% 'quoted' _under_"},
    {"Chen", "The Old Mill", "2017", "187.5", "garden faces south"}};
struct Search { const char *name; QString typed; int rows; QString first; };
const Search Searches[] = {
    {"client", "o'ha", 1, "Mrs O'Hara"}, {"label, any case", "MILL", 2, ""},
    {"notes", "50%", 1, "Li Wei"}, {"notes with _", "_under_", 1, "Li Wei"},
    {"year is not searched", "2004", 0, ""}, {"nothing", "", 3, ""}};
// A database file that cannot be used as it is, and what the message says.
struct Broken { const char *name; QByteArray content; int version; QString message; };
const Broken Brokens[] = {
    {"not SQLite", "this is not a database, only text\n", 0, "houses.sqlite"},
    {"damaged", QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\x5a'), 0, "houses.sqlite"},
    {"newer version", "", 99, "houses.sqlite was written by a newer version"},
    {"folder is a file", "", -1, "houses.sqlite"}};

// A report that cannot be made: the file it names, or its house, and what the user is told.
struct Refusal { const char *name; QString file, year, facing, detail; };
const Refusal Refusals[] = {
    {"no such folder", "missing/report.pdf", "2004", "180", "Cannot write the report"},
    {"a folder", ".", "2004", "180", "Cannot write the report"},
    {"year out of range", "report.pdf", "64", "180", "The house's year 64 or bearing 180 gives no chart."},
    {"bearing past 360", "report.pdf", "2004", "360", "bearing 360"}};
// clang-format on

// Runs a step on the next modal dialog, once the window under test has opened it.
template <typename Dialog> void onModal(std::function<void(Dialog *)> step)
{
    QTimer::singleShot(0, [step] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        step(dialog);
    });
}

// The main window with a register on a file in a fresh folder, which `prepare` may make first.
struct Session
{
    explicit Session(const std::function<QString(const QTemporaryDir &)> &prepare = {})
        : path(prepare ? prepare(dir) : dir.filePath("houses.sqlite"))
    {
        services.services.databasePath = path;
        main = std::make_unique<frmMain>(services.services);
        main->findChild<QAction *>("mnuFileHouses")->trigger();
        houses = main->findChild<HouseRegister *>();
    }
    QTableView *table() const { return houses->findChild<QTableView *>("houses"); }
    QString cell(int row, int column = 0) const
    {
        return table()->model()->index(row, column).data().toString();
    }
    QString status() const { return houses->findChild<QLabel *>("status")->text(); }
    QList<store::House> stored() const { return store::HouseStore(path).houses(); }
    store::House storedOf(const QString &client) const
    {
        const QList<store::House> all = stored();
        const auto house = std::ranges::find(all, client, &store::House::client);
        return house == all.end() ? store::House{} : *house;
    }
    QString box(const char *name) const
    {
        return main->findChild<platform::TextBox *>(name)->text();
    }
    bool chartShown() const { return !main->findChild<QLabel *>("lblTime(0)")->text().isEmpty(); }
    // The chart on show saved through the form as the house of `client`.
    void saveAs(const QString &client) const
    {
        onModal<QDialog>([client](QDialog *form) {
            form->findChild<QLineEdit *>("client")->setText(client);
            form->accept();
        });
        houses->saveShown();
    }
    QTemporaryDir dir;
    QString path;
    TestServices services;
    std::unique_ptr<frmMain> main;
    HouseRegister *houses = nullptr;
};

// A house measured on 14/03/2026, leaning unless told otherwise.
store::House houseOf(const QString &client = "Mrs O'Hara", const QString &label = "12 High St",
                     const QString &year = "1990", const QString &facing = "52",
                     const QString &notes = "Front door faces the river.")
{
    return {.client = client, .label = label, .year = year, .facing = facing,
            .measured = QDate(2026, 3, 14), .notes = notes, .created = {}, .changed = {}};
}

// What a poppler tool prints of a PDF.
QString pdfTool(const QString &tool, const QString &pdf, const QStringList &options = {})
{
    QProcess process;
    process.start(tool, options + QStringList{pdf} + (tool == "pdftotext" ? QStringList{"-"} : QStringList{}));
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

} // namespace

class TestRegister : public QObject
{
    Q_OBJECT
private slots:
    // The report's font copy goes to the tests' own cache folder.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void flow_data() { addRows(Searches, &Search::name); }
    void flow()
    {
        const Search &search = current(Searches);
        Session s;
        QVERIFY(s.houses && s.houses->isVisible());
        // Within 1920 x 1080 at twice the scale, a taskbar and a title bar.
        QVERIFY(s.houses->minimumSizeHint().width() <= 960 &&
                s.houses->minimumSizeHint().height() <= 500);
        QVERIFY(!QFile::exists(s.path)); // nothing is written before a house is saved
        for (const Saved &house : Houses) {
            s.main->openHouse(house.year, house.facing);
            onModal<QDialog>([&house](QDialog *form) {
                QCOMPARE(form->findChild<QLineEdit *>("year")->text(), house.year);
                form->findChild<QLineEdit *>("client")->setText(house.client);
                form->findChild<QLineEdit *>("label")->setText(house.label);
                form->findChild<QPlainTextEdit *>("notes")->setPlainText(house.notes);
                QTest::keyClick(form->findChild<QLineEdit *>("client"), Qt::Key_Return);
            });
            QTest::mouseClick(s.houses->findChild<QPushButton *>("save"), Qt::LeftButton);
            QCOMPARE(s.status(), "Saved " + house.client + ".");
        }
        QCOMPARE(s.stored().size(), 3);
        QCOMPARE(s.stored().constLast().notes, Houses[2].notes);

        QTest::keyClicks(s.houses->findChild<QLineEdit *>("search"), search.typed);
        QCOMPARE(s.table()->model()->rowCount(), search.rows);
        if (search.first.isEmpty())
            return;
        QCOMPARE(s.cell(0), search.first);
        s.main->openHouse("65", "1");
        QTest::keyClick(s.table(), Qt::Key_Return);
        const auto opened = std::ranges::find(Houses, search.first, &Saved::client);
        QCOMPARE(s.box("txtYear") + "|" + s.box("txtFacing"), opened->year + "|" + opened->facing);
        QVERIFY(s.chartShown());
        s.houses->findChild<QLineEdit *>("search")->clear();

        // Saving the opened house again updates it; Edit changes its label.
        onModal<QDialog>([](QDialog *form) {
            form->findChild<QPlainTextEdit *>("notes")->setPlainText("measured again");
            form->accept();
        });
        s.houses->saveShown();
        onModal<QDialog>([](QDialog *form) {
            form->findChild<QLineEdit *>("label")->setText("renamed");
            form->accept();
        });
        s.houses->editSelected();
        QCOMPARE(s.stored().size(), 3);
        const store::House edited = s.storedOf(search.first);
        QCOMPARE(edited.notes + "|" + edited.label, "measured again|renamed");

        // Delete asks first: No keeps the house, Yes deletes it, Ctrl+Z brings it back; the
        // search typed meanwhile keeps showing just the houses that hold it.
        s.houses->findChild<QLineEdit *>("search")->setText(search.first);
        for (const bool yes : {false, true}) {
            s.services.msgBox.answers = {yes};
            QTest::mouseClick(s.houses->findChild<QPushButton *>("delete"), Qt::LeftButton);
            QCOMPARE(s.stored().size(), yes ? 2 : 3);
            QCOMPARE(s.table()->model()->rowCount(), yes ? 0 : 1);
            QVERIFY(s.services.msgBox.questions.takeLast().startsWith(
                "Delete House: Delete the house of"));
        }
        s.houses->showMinimized(); // a window minimized is still open: Undo stays
        s.houses->showNormal();
        s.houses->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.houses));
        QTest::keyClick(s.table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.stored().size(), 3);
        QCOMPARE(s.storedOf(search.first).id, edited.id);
        QCOMPARE(s.table()->model()->rowCount(), 1);
        QCOMPARE(s.cell(0), search.first);
        s.houses->findChild<QLineEdit *>("search")->clear();
        // Closed and opened again, the window shows what another program added meanwhile, and
        // Undo has nothing left to bring back.
        s.houses->close();
        store::House elsewhere;
        elsewhere.client = "added elsewhere", elsewhere.year = "2004", elsewhere.facing = "180";
        store::HouseStore(s.path).add(elsewhere);
        s.main->findChild<QAction *>("mnuFileHouses")->trigger();
        QCOMPARE(s.table()->model()->rowCount(), 4);
        QVERIFY(!s.houses->findChild<QPushButton *>("undo")->isEnabled());
        // The opened house deleted, its chart on show is saved as a new house.
        s.services.msgBox.answers = {true};
        s.houses->deleteSelected();
        s.saveAs("new owner");
        QCOMPARE(s.stored().size(), 4);
        QVERIFY(s.services.msgBox.boxes.isEmpty());
    }

    void broken_data() { addRows(Brokens, &Broken::name); }
    void broken()
    {
        const Broken &row = current(Brokens);
        Session s([&row](const QTemporaryDir &dir) {
            QString path = dir.filePath("houses.sqlite");
            if (row.version > 0) {
                store::House kept;
                kept.client = "kept", kept.year = "2004", kept.facing = "180";
                store::HouseStore(path).add(kept);
                QProcess::execute("sqlite3",
                                  {path, QString("PRAGMA user_version = %1").arg(row.version)});
            } else if (row.version < 0) {
                QFile(dir.filePath("folder")).open(QIODevice::WriteOnly);
                path = dir.filePath("folder/houses.sqlite");
            } else if (QFile file(path); file.open(QIODevice::WriteOnly)) {
                file.write(row.content); // checked below: the file is left exactly as written
            }
            return path;
        });
        const QStringList &boxes = s.services.msgBox.boxes;
        if (row.version >= 0)
            QVERIFY2(boxes.size() == 1 && boxes[0].contains(row.message), qPrintable(boxes.join('|')));
        // The calculator carries on; a file that is there is left exactly as it was.
        s.main->openHouse("2004", "180");
        QVERIFY(s.chartShown());
        if (row.version == 0) {
            QFile file(s.path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), row.content);
        }
        QCOMPARE(s.houses->findChild<QPushButton *>("save")->isEnabled(), row.version < 0);
        if (row.version >= 0) { // an access key still fires the disabled Save: no form
            bool form = false;
            QTimer::singleShot(0, [&form] {
                if (QWidget *shown = QApplication::activeModalWidget())
                    form = shown->close();
            });
            s.houses->saveShown();
            QTest::qWait(10);
            QVERIFY(!form);
        }
        if (row.version > 0) { // a report over the register itself is refused; it keeps its houses
            s.houses->setAskPdfPath([&s](QWidget *, const QString &) { return s.path; });
            s.houses->exportReport();
            QVERIFY(boxes.last().contains("is the house register itself"));
            QCOMPARE(store::HouseStore(s.path).houses().value(0).client, "kept");
        }
        if (row.version < 0) { // saving tells why, naming the file
            s.saveAs("x");
            QVERIFY2(boxes.join('|').contains("houses.sqlite"), qPrintable(boxes.join('|')));
        }
    }

    void exported()
    {
        Session s;
        s.main->openHouse("2004", "180");
        s.saveAs("O'Hara/Li: \"A\"");
        const QString pdf = s.dir.filePath("out.pdf");
        s.houses->setAskPdfPath([&pdf](QWidget *, const QString &suggested) {
            return suggested.endsWith("/O'Hara-Li- -A-.pdf") ? pdf : QString();
        });
        QTest::mouseClick(s.houses->findChild<QPushButton *>("export"), Qt::LeftButton);
        QVERIFY(pdfTool("pdftotext", pdf).contains("子山午向"));
        s.houses->setAskPdfPath(
            [](QWidget *, const QString &) { return QString("/nonexistent/folder/out.pdf"); });
        s.houses->exportReport();
        QVERIFY(s.services.msgBox.boxes.join('|').contains("/nonexistent/folder/out.pdf"));
    }

    void report_data() { addRows(Reports, &Report::name); }
    void report()
    {
        const Report &row = current(Reports);
        QLocale::setDefault(QLocale(QString::fromLatin1(row.locale)));
        Translation translation(row.language);
        translation.install();
        platform::installFontSubstitutes(cjkFontRegion(row.language));
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        const store::House house = houseOf(row.client, row.label, row.year, row.facing, row.notes);
        writeHouseReport(house, report::MonthOfYear{row.month, row.monthYear}, pdf);
        const QString text = pdfTool("pdftotext", pdf, {"-raw"}).simplified();

        for (const QString &found : row.found)
            QVERIFY2(text.contains(found), qPrintable(found + " in " + text));
        for (const QString &absent : row.absent)
            QVERIFY2(!text.contains(absent), qPrintable(absent));
        const QString facts = pdfTool("pdfinfo", pdf);
        QVERIFY(facts.contains(row.page + " pts"));
        QVERIFY2(facts.contains(QRegularExpression(QString("Pages: +%1\n").arg(row.pages))),
                 qPrintable(facts));
        const QStringList faces = pdfTool("pdffonts", pdf).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!faces.isEmpty());
        for (const QString &face : faces) // embedded, subset, with a ToUnicode map
            QVERIFY2(face.contains(QRegularExpression(" yes +(yes|no) +yes +\\d+ +\\d+$")),
                     qPrintable(face));
        // Chinese in the language's own face, from that face's copy.
        if (const QString region = cjkFontRegion(row.language).toLower(); !region.isEmpty()) {
            const QStringList copies =
                QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                     "/orrindel/fonts")
                    .entryList({"noto-serif-cjk-" + region + "-*.otf"});
            QVERIFY(
                copies.size() == 1 &&
                faces.join('|').contains("OrrindelText" + copies[0].section('-', -1).chopped(4)));
        }
        QLocale::setDefault(QLocale::c());
    }
    void refused_data() { addRows(Refusals, &Refusal::name); }
    void refused()
    {
        const Refusal &row = current(Refusals);
        QTemporaryDir dir;
        const QString path = dir.filePath(row.file);
        store::House house;
        house.year = row.year, house.facing = row.facing;
        try {
            writeHouseReport(house, std::nullopt, path);
            QFAIL("written");
        } catch (const store::StoreError &error) {
            QVERIFY2(error.message().contains(row.detail), error.what());
            QCOMPARE(error.kind(), row.year == "2004" && row.facing == "180"
                                       ? store::StoreError::Kind::FileError
                                       : store::StoreError::Kind::Invalid);
        }
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty()); // nothing half written
    }
    // Each caption and the value to its right end on one baseline; a section's words share a page.
    void typeset_data() { addRows(Typesets, &Typeset::name); }
    void typeset()
    {
        const Typeset &row = current(Typesets);
        QLocale::setDefault(QLocale(QString::fromLatin1(row.locale)));
        Translation translation(row.language);
        translation.install();
        platform::installFontSubstitutes(cjkFontRegion(row.language));
        QTemporaryDir dir;
        writeHouseReport(houseOf(), report::MonthOfYear{2, 2025}, dir.filePath("r.pdf"));
        const QList<Word> words = pdfWords(dir.filePath("r.pdf"));
        for (const QString &caption : row.captions) {
            const Word *label = findWord(words, caption);
            QVERIFY2(label, qPrintable(caption));
            const Word *value = nullptr;
            for (const Word &w : words)
                if (w.page == label->page && w.left > label->right && w.top < label->bottom &&
                    w.bottom > label->top &&
                    (!value ||
                     std::abs(w.bottom - label->bottom) < std::abs(value->bottom - label->bottom)))
                    value = &w;
            QVERIFY2(value, qPrintable(caption));
            QVERIFY2(std::abs(value->bottom - label->bottom) < 1.5,
                     qPrintable(QString("%1 %2 / %3 %4")
                                    .arg(caption)
                                    .arg(label->bottom)
                                    .arg(value->text)
                                    .arg(value->bottom)));
        }
        for (const QStringList &section : row.together)
            QCOMPARE(findWord(words, section.last())->page, findWord(words, section.first())->page);
        QLocale::setDefault(QLocale::c());
    }
    void named_data() { addRows(Names, &Named::name); }
    void named()
    {
        const Named &row = current(Names);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("r.pdf");
        writeHouseReport(houseOf(row.client, row.label), std::nullopt, pdf);
        QVERIFY(pdfTool("pdfinfo", pdf).contains("Title:           " + row.title + "\n"));
        QVERIFY2(pdfTool("pdftotext", pdf, {"-raw"}).contains(row.heading), qPrintable(pdfTool("pdftotext", pdf)));
    }
};

QTEST_MAIN(TestRegister)
#include "test_register.moc"
