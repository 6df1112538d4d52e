// The print form on its own: where each palace lands, what its load copies and what it
// leaves, and how a printer failure is reported. The printer records; see test_printchart
// for paper.

#include "standinmain.h"
#include "support/doubles.h"
#include "ui/print/frmprint.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <QtTest>
#include <map>

using namespace orrindel;
using orrindel::test::RecordingMsgBox;
using orrindel::test::RecordingPrinter;
using orrindel::test::StandInMain;

namespace {

QRect twips(const QWidget *widget)
{
    const QRect r = widget->geometry();
    return {r.x() * 15, r.y() * 15, r.width() * 15, r.height() * 15};
}

template <typename T = QWidget> T *control(const QWidget &form, const QString &name)
{
    return form.findChild<T *>(name, Qt::FindDirectChildrenOnly);
}

QString starName(const char *array, int palace)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(palace);
}

// Every caption of a window.
std::map<QString, QString> captions(const QWidget &form)
{
    std::map<QString, QString> map;
    for (const QLabel *label : form.findChildren<QLabel *>())
        map[label->objectName()] = label->text();
    for (const QLineEdit *edit : form.findChildren<QLineEdit *>())
        map[edit->objectName()] = edit->text();
    return map;
}

// The main window's stand-in, the recording printer and message box, and the form.
struct Fixture
{
    StandInMain source;
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    frmPrint form{source, printer, msgBox};

    // Loads the form, which prints; the one page printed.
    const RecordingPrinter::Page *print()
    {
        form.Form_Load();
        return printer.pages().size() == 1 ? &printer.pages().front() : nullptr;
    }
};

} // namespace

class TestFrmPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }

    // South at the top, east on the left: the square of each palace, and its three stars
    // inside it.
    void palaceSquares_data()
    {
        QTest::addColumn<int>("palace");
        QTest::addColumn<QPoint>("topLeft");
        const char *names[] = {"centre", "north-west", "west", "north-east", "south",
                               "north",  "south-west", "east", "south-east"};
        const QPoint corners[] = {{5070, 3855}, {6510, 4935}, {6510, 3855},
                                  {3630, 4935}, {5070, 2775}, {5070, 4935},
                                  {6510, 2775}, {3630, 3855}, {3630, 2775}};
        for (int palace = 0; palace < 9; ++palace)
            QTest::newRow(names[palace]) << palace << corners[palace];
    }

    void palaceSquares()
    {
        QFETCH(int, palace);
        QFETCH(QPoint, topLeft);
        Fixture f;
        const QRect square = twips(control(f.form, starName("shpPalace", palace)));
        QCOMPARE(square, QRect(topLeft, QSize(1455, 1095)));
        for (const char *array : {"lblMountain", "lblFacing", "lblTime"}) {
            const QWidget *star = control(f.form, starName(array, palace));
            QVERIFY2(star && square.contains(twips(star)), qPrintable(starName(array, palace)));
        }
    }

    // The two captions, indices swapped against the main window and without access keys, show
    // their whole text and stop short of the values beside them.
    void captionsAreNotCutOff_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("atLeast");
        QTest::newRow("year caption") << "lblLabel(0)"
                                      << "Year of Construction:" << QRect(4320, 7080, 2175, 375);
        QTest::newRow("bearing caption") << "lblLabel(1)"
                                         << "Facing Degree:" << QRect(4320, 7440, 1695, 375);
    }

    void captionsAreNotCutOff()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, atLeast);
        Fixture f;
        const auto *label = control<QLabel>(f.form, name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->text(), caption);
        const QRect rect = twips(label);
        QCOMPARE(rect.topLeft(), atLeast.topLeft());
        QCOMPARE(rect.height(), atLeast.height());
        QVERIFY(rect.width() >= atLeast.width());
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(label->geometry().right() < control(f.form, QStringLiteral("lblYear"))->x());
    }

    // One page the size of the form, printed without showing it. The stars lie above the
    // squares and the squares above Shape1: the image shows every digit, on white, also in
    // the square the window shades grey. No annual star is printed.
    void printedPage()
    {
        Fixture f;
        f.source.showChart(QStringLiteral("2004"), QStringLiteral("180"));
        QCOMPARE(f.source.palace(5)->FillColor(), 0xE0E0E0u);
        const auto *page = f.print();
        QVERIFY(page);
        QCOMPARE(page->image.size() / page->image.devicePixelRatio() * 15, QSize(9510, 8055));
        QVERIFY(!f.form.isVisible());
        QVERIFY(f.form.testAttribute(Qt::WA_DontShowOnScreen));
        QCOMPARE(page->image.pixelColor(5, 5), QColor(Qt::white));
        const QImage &image = page->image;
        const auto darkPixelIn = [&](const QRect &rect) {
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    if (qGray(image.pixel(x, y)) < 100)
                        return true;
            return false;
        };
        for (int i = 0; i < 9; ++i) {
            for (const char *array : {"lblTime", "lblFacing", "lblMountain"})
                QVERIFY2(darkPixelIn(control(f.form, starName(array, i))->geometry()),
                         qPrintable(starName(array, i)));
            // Between the two top stars and the time star the square is white.
            const QRect square = control(f.form, starName("shpPalace", i))->geometry();
            QCOMPARE(image.pixelColor(square.left() + 5, square.top() + 40), QColor(Qt::white));
        }
        for (const auto &[name, caption] : page->captions)
            QVERIFY2(!name.startsWith(QLatin1String("lblAnnual")), qPrintable(name));
        QCOMPARE(f.source.palace(5)->FillColor(), 0xE0E0E0u); // the window keeps its shading

        // The next load starts from an empty form.
        const frmPrint again(f.source, f.printer, f.msgBox);
        for (const QLabel *label : again.findChildren<QLabel *>(QRegularExpression(
                 QStringLiteral("^(lblTime|lblFacing|lblMountain|lblYear|lblFacingDegree)"))))
            QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName()));
    }

    // The year and bearing as typed, not as numbers. Distinct captions for all 27 stars
    // expose any swap of arrays or indices.
    void copiesExactlyAsTyped_data()
    {
        QTest::addColumn<QStringList>("typed"); // year, bearing
        QTest::newRow("trailing zero") << QStringList{"2004", "90.50"};
        QTest::newRow("trailing point") << QStringList{"65", "5."};
        QTest::newRow("leading zeros") << QStringList{"0065", "007"};
        QTest::newRow("empty") << QStringList{"", ""};
    }

    void copiesExactlyAsTyped()
    {
        QFETCH(QStringList, typed);
        Fixture f;
        f.source.txtYear->setText(typed[0]);
        f.source.txtFacing->setText(typed[1]);
        const char *arrays[] = {"lblTime", "lblFacing", "lblMountain"};
        const auto mark = [](const char *array, int i) {
            return QStringLiteral("%1%2").arg(QLatin1Char(array[3])).arg(i);
        };
        for (int i = 0; i < 9; ++i)
            for (const char *array : arrays)
                f.source.label(array, i)->setCaption(mark(array, i));
        const auto *page = f.print();
        QVERIFY(page);
        QCOMPARE(page->captions.at(QStringLiteral("lblYear")), typed[0]);
        QCOMPARE(page->captions.at(QStringLiteral("lblFacingDegree")), typed[1]);
        for (int i = 0; i < 9; ++i)
            for (const char *array : arrays)
                QCOMPARE(page->captions.at(starName(array, i)), mark(array, i));
        // The fixed captions are not overwritten by the copy.
        QCOMPARE(page->captions.at(QStringLiteral("lblLabel(0)")),
                 QStringLiteral("Year of Construction:"));
        QCOMPARE(page->captions.at(QStringLiteral("lblDirections(0)")), QStringLiteral("S"));
    }

    // Whatever fails, in the printer or in the copy, one message box and nothing else.
    void failureShowsOneMessageBox_data()
    {
        QTest::addColumn<bool>("printerFails");
        QTest::addColumn<QString>("missingControl");
        QTest::addColumn<int>("printed");
        QTest::newRow("printer error") << true << QString() << 1;
        QTest::newRow("star missing in the window") << false << "lblMountain(8)" << 0;
        QTest::newRow("bearing box missing") << false << "txtFacing" << 0;
    }

    void failureShowsOneMessageBox()
    {
        QFETCH(bool, printerFails);
        QFETCH(QString, missingControl);
        QFETCH(int, printed);
        Fixture f;
        f.source.showChart(QStringLiteral("2004"), QStringLiteral("180"));
        if (!missingControl.isEmpty())
            delete f.source.findChild<QWidget *>(missingControl);
        const auto before = captions(f.source);
        f.printer.setFailing(printerFails);
        f.msgBox.expect(1);
        f.form.Form_Load(); // nothing escapes

        QCOMPARE(f.printer.attempts(), printed);
        QCOMPARE(f.msgBox.boxes().size(), size_t(1));
        QCOMPARE(f.msgBox.boxes()[0].prompt,
                 QStringLiteral("Cannot print: please check printer is ready and try again."));
        QCOMPARE(f.msgBox.boxes()[0].title, QStringLiteral("Can't Print Chart"));
        QCOMPARE(f.msgBox.boxes()[0].style, int(platform::vbCritical));
        QVERIFY(captions(f.source) == before);
        QCOMPARE(f.source.palace(5)->FillColor(), 0xE0E0E0u);
    }
};

QTEST_MAIN(TestFrmPrint)
#include "test_frmprint.moc"
