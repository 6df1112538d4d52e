// The print form on its own: its layout, what its load copies and what it leaves, and how
// a printer failure is reported. The printer records; see test_printchart for paper.

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

const QString CannotPrint =
    QStringLiteral("Cannot print: please check printer is ready and try again.");
const QString CantPrintChart = QStringLiteral("Can't Print Chart");

// Row and column of each palace's square, south at the top and east on the left.
struct Square
{
    int palace, row, column;
};
constexpr Square Squares[] = {{8, 0, 0}, {4, 0, 1}, {6, 0, 2}, {7, 1, 0}, {0, 1, 1},
                              {2, 1, 2}, {3, 2, 0}, {5, 2, 1}, {1, 2, 2}};

QRect squareTwips(int palace)
{
    for (const Square &square : Squares)
        if (square.palace == palace)
            return {3630 + 1440 * square.column, 2775 + 1080 * square.row, 1455, 1095};
    return {};
}

QRect twips(const QWidget *widget)
{
    const QRect r = widget->geometry();
    return {r.x() * 15, r.y() * 15, r.width() * 15, r.height() * 15};
}

template <typename T = QWidget> T *control(const QWidget &form, const QString &name)
{
    return form.findChild<T *>(name, Qt::FindDirectChildrenOnly);
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

// The one page printed, as the printer was handed it.
const RecordingPrinter::Page &printedPage(const RecordingPrinter &printer)
{
    Q_ASSERT(printer.pages().size() == 1);
    return printer.pages().front();
}

bool darkPixelIn(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

} // namespace

class TestFrmPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }

    void layout_data();
    void layout();
    void captionsAndFonts_data();
    void captionsAndFonts();
    void page();
    void starsDrawOverSquares();
    void copiesExactlyAsTyped_data();
    void copiesExactlyAsTyped();
    void copiesStarsIntoTheSamePalace();
    void leavesShadingAndAnnualStars();
    void everyLoadStartsEmpty();
    void captionsAreNotCutOff_data();
    void captionsAreNotCutOff();
    void failureShowsOneMessageBox_data();
    void failureShowsOneMessageBox();
};

void TestFrmPrint::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("lblFacingDegree") << "lblFacingDegree" << QRect(6600, 7440, 615, 375);
    QTest::newRow("lblYear") << "lblYear" << QRect(6600, 7080, 615, 375);
    QTest::newRow("lblTitle") << "lblTitle" << QRect(2760, 720, 6225, 660);
    QTest::newRow("Shape1") << "Shape1" << QRect(3000, 2160, 5535, 4455);

    const QPoint directions[] = {{5640, 2400}, {8040, 2400}, {8040, 4200}, {8040, 6120},
                                 {5640, 6120}, {3120, 6120}, {3120, 4200}, {3120, 2400}};
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("lblDirections(%1)").arg(i);
        QTest::newRow(qPrintable(name)) << name << QRect(directions[i], QSize(375, 255));
    }
    // The squares of the main window's grid, moved; each star at its place in its square.
    for (int palace = 0; palace < 9; ++palace) {
        const QRect square = squareTwips(palace);
        const struct
        {
            const char *array;
            QRect rect;
        } rows[] = {
            {"shpPalace", square},
            {"lblMountain", QRect(square.topLeft() + QPoint(120, 120), QSize(495, 375))},
            {"lblFacing", QRect(square.topLeft() + QPoint(840, 120), QSize(495, 375))},
            {"lblTime", QRect(square.topLeft() + QPoint(480, 600), QSize(495, 375))},
        };
        for (const auto &row : rows) {
            const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(row.array)).arg(palace);
            QTest::newRow(qPrintable(name)) << name << row.rect;
        }
    }
    // Worked corners: south in the top middle, south-east top left, north-west bottom right.
    QTest::newRow("south top middle") << "shpPalace(4)" << QRect(5070, 2775, 1455, 1095);
    QTest::newRow("south-east top left") << "shpPalace(8)" << QRect(3630, 2775, 1455, 1095);
    QTest::newRow("north-west bottom right") << "shpPalace(1)" << QRect(6510, 4935, 1455, 1095);
    QTest::newRow("centre time star") << "lblTime(0)" << QRect(5550, 4455, 495, 375);
}

void TestFrmPrint::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    StandInMain source;
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    const frmPrint form(source, printer, msgBox);
    const QWidget *widget = control(form, name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(twips(widget), expected);
}

void TestFrmPrint::captionsAreNotCutOff_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("atLeast");
    QTest::newRow("year caption") << "lblLabel(0)" << QRect(4320, 7080, 2175, 375);
    QTest::newRow("bearing caption") << "lblLabel(1)" << QRect(4320, 7440, 1695, 375);
}

void TestFrmPrint::captionsAreNotCutOff()
{
    QFETCH(QString, name);
    QFETCH(QRect, atLeast);
    StandInMain source;
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    const frmPrint form(source, printer, msgBox);
    const auto *caption = qobject_cast<const QLabel *>(control(form, name));
    QVERIFY2(caption, qPrintable(name));
    const QRect rect = twips(caption);
    QCOMPARE(rect.topLeft(), atLeast.topLeft());
    QCOMPARE(rect.height(), atLeast.height());
    QVERIFY(rect.width() >= atLeast.width());
    // The whole text fits, and the caption stops short of the values beside it.
    QVERIFY(caption->width() >= caption->sizeHint().width());
    QVERIFY(caption->geometry().right() < control(form, "lblYear")->x());
}

void TestFrmPrint::captionsAndFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<int>("alignment");

    const int left = Qt::AlignLeft;
    const int right = Qt::AlignRight;
    const int centre = Qt::AlignHCenter;
    // The indices are swapped against the main window, and there are no access keys.
    QTest::newRow("year caption") << "lblLabel(0)"
                                  << "Year of Construction:" << 12.0 << left;
    QTest::newRow("bearing caption") << "lblLabel(1)"
                                     << "Facing Degree:" << 12.0 << left;
    QTest::newRow("title") << "lblTitle"
                           << "Xuan Kong Feng Shui Chart" << 24.0 << left;
    QTest::newRow("year value") << "lblYear"
                                << "" << 12.0 << right;
    QTest::newRow("bearing value") << "lblFacingDegree"
                                   << "" << 12.0 << right;
    const char *directions[] = {"S", "SW", "W", "NW", "N", "NE", "E", "SE"};
    for (int i = 0; i < 8; ++i)
        QTest::newRow(directions[i])
            << QStringLiteral("lblDirections(%1)").arg(i) << directions[i] << 9.75 << centre;
    for (const char *array : {"lblTime", "lblFacing", "lblMountain"})
        for (int i = 0; i < 9; i += 4)
            QTest::newRow(qPrintable(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i)))
                << QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i) << "" << 15.75
                << centre;
}

void TestFrmPrint::captionsAndFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(double, pointSize);
    QFETCH(int, alignment);
    StandInMain source;
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    const frmPrint form(source, printer, msgBox);
    const auto *label = control<QLabel>(form, name);
    QVERIFY2(label, qPrintable(name));
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QVERIFY(label->font().bold());
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(!label->autoFillBackground());
}

void TestFrmPrint::page()
{
    StandInMain source;
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    frmPrint form(source, printer, msgBox);
    QCOMPARE(form.size() * 15, QSize(9510, 8055));
    QVERIFY(form.autoFillBackground());
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(
        form.findChildren<QWidget *>(QRegularExpression(QStringLiteral("^lblAnnual"))).isEmpty());
    QCOMPARE(form.findChildren<platform::Shape *>().size(), 10);
    for (int i = 0; i < 9; ++i) {
        const auto *square = control<platform::Shape>(form, QStringLiteral("shpPalace(%1)").arg(i));
        QVERIFY(square->filled());
        QCOMPARE(square->FillColor(), 0xFFFFFFu);
    }
    QVERIFY(!control<platform::Shape>(form, QStringLiteral("Shape1"))->filled());

    source.showChart(QStringLiteral("2004"), QStringLiteral("180"));
    form.Form_Load();
    QCOMPARE(printer.pages().size(), size_t(1));
    QVERIFY(!form.isVisible());
    QVERIFY(form.testAttribute(Qt::WA_DontShowOnScreen));
    QVERIFY(msgBox.boxes().empty());
}

// The stars lie above the squares and the squares above Shape1: the printed image shows
// every digit, on white.
void TestFrmPrint::starsDrawOverSquares()
{
    StandInMain source;
    source.showChart(QStringLiteral("2004"), QStringLiteral("180"));
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    frmPrint form(source, printer, msgBox);
    form.Form_Load();
    QCOMPARE(printer.pages().size(), size_t(1));
    const QImage image = printedPage(printer).image;
    QVERIFY(!image.isNull());
    for (int i = 0; i < 9; ++i) {
        for (const char *array : {"lblTime", "lblFacing", "lblMountain"}) {
            const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
            QVERIFY2(darkPixelIn(image, control(form, name)->geometry()), qPrintable(name));
        }
        // Between the two top stars and the time star the square is white.
        const QRect square = control(form, QStringLiteral("shpPalace(%1)").arg(i))->geometry();
        QCOMPARE(image.pixelColor(square.left() + 5, square.top() + 40), QColor(Qt::white));
    }
}

void TestFrmPrint::copiesExactlyAsTyped_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("bearing");
    QTest::newRow("trailing zero") << "2004"
                                   << "90.50";
    QTest::newRow("leading point") << "1999"
                                   << ".5";
    QTest::newRow("trailing point") << "65"
                                    << "5.";
    QTest::newRow("leading zeros") << "0065"
                                   << "007";
    QTest::newRow("zero bearing") << "9999"
                                  << "0";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFrmPrint::copiesExactlyAsTyped()
{
    QFETCH(QString, year);
    QFETCH(QString, bearing);
    StandInMain source;
    source.txtYear->setText(year);
    source.txtFacing->setText(bearing);
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    frmPrint form(source, printer, msgBox);
    form.Form_Load();
    QCOMPARE(printer.pages().size(), size_t(1));
    const auto &printed = printedPage(printer).captions;
    QCOMPARE(printed.at(QStringLiteral("lblYear")), year);
    QCOMPARE(printed.at(QStringLiteral("lblFacingDegree")), bearing);
}

void TestFrmPrint::copiesStarsIntoTheSamePalace()
{
    // Distinct captions for all 27 labels expose any swap of arrays or indices.
    StandInMain source;
    for (int i = 0; i < 9; ++i) {
        source.label("lblTime", i)->setCaption(QStringLiteral("T%1").arg(i));
        source.label("lblFacing", i)->setCaption(QStringLiteral("F%1").arg(i));
        source.label("lblMountain", i)->setCaption(QStringLiteral("M%1").arg(i));
    }
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    frmPrint form(source, printer, msgBox);
    form.Form_Load();
    QCOMPARE(printer.pages().size(), size_t(1));
    const auto &printed = printedPage(printer).captions;
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(printed.at(QStringLiteral("lblTime(%1)").arg(i)), QStringLiteral("T%1").arg(i));
        QCOMPARE(printed.at(QStringLiteral("lblFacing(%1)").arg(i)), QStringLiteral("F%1").arg(i));
        QCOMPARE(printed.at(QStringLiteral("lblMountain(%1)").arg(i)),
                 QStringLiteral("M%1").arg(i));
    }
    // The fixed captions are not overwritten by the copy.
    QCOMPARE(printed.at(QStringLiteral("lblLabel(0)")), QStringLiteral("Year of Construction:"));
    QCOMPARE(printed.at(QStringLiteral("lblDirections(0)")), QStringLiteral("S"));
}

void TestFrmPrint::leavesShadingAndAnnualStars()
{
    StandInMain source;
    source.showChart(QStringLiteral("2004"), QStringLiteral("180"));
    QCOMPARE(source.palace(5)->FillColor(), 0xE0E0E0u);
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    frmPrint form(source, printer, msgBox);
    form.Form_Load();
    QCOMPARE(printer.pages().size(), size_t(1));
    // The printed image of the sitting palace's square is white where the window's is grey.
    const QImage image = printedPage(printer).image;
    const QRect north = control(form, QStringLiteral("shpPalace(5)"))->geometry();
    QCOMPARE(image.pixelColor(north.left() + 5, north.top() + 40), QColor(Qt::white));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(
            control<platform::Shape>(form, QStringLiteral("shpPalace(%1)").arg(i))->FillColor(),
            0xFFFFFFu);
    for (const auto &[name, caption] : printedPage(printer).captions)
        QVERIFY2(!name.startsWith(QLatin1String("lblAnnual")), qPrintable(name));
    QCOMPARE(source.palace(5)->FillColor(), 0xE0E0E0u); // the window keeps its shading
}

void TestFrmPrint::everyLoadStartsEmpty()
{
    StandInMain source;
    source.showChart(QStringLiteral("2004"), QStringLiteral("180"));
    RecordingPrinter printer;
    RecordingMsgBox msgBox;
    {
        frmPrint form(source, printer, msgBox);
        form.Form_Load();
    }
    const frmPrint again(source, printer, msgBox);
    for (const QLabel *label : again.findChildren<QLabel *>(QRegularExpression(
             QStringLiteral("^(lblTime|lblFacing|lblMountain|lblYear|lblFacingDegree)"))))
        QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName()));
}

void TestFrmPrint::failureShowsOneMessageBox_data()
{
    QTest::addColumn<bool>("printerFails");
    QTest::addColumn<QString>("missingControl");
    QTest::addColumn<int>("printed");
    QTest::newRow("printer error") << true << QString() << 1;
    QTest::newRow("star missing in the window") << false << "lblMountain(8)" << 0;
    QTest::newRow("bearing box missing") << false << "txtFacing" << 0;
}

void TestFrmPrint::failureShowsOneMessageBox()
{
    QFETCH(bool, printerFails);
    QFETCH(QString, missingControl);
    QFETCH(int, printed);
    StandInMain source;
    source.showChart(QStringLiteral("2004"), QStringLiteral("180"));
    if (!missingControl.isEmpty())
        delete source.findChild<QWidget *>(missingControl);
    const auto before = captions(source);
    RecordingPrinter printer;
    printer.setFailing(printerFails);
    RecordingMsgBox msgBox;
    msgBox.expect(1);
    {
        frmPrint form(source, printer, msgBox);
        form.Form_Load(); // nothing escapes
    }
    QCOMPARE(printer.attempts(), printed);
    QCOMPARE(msgBox.boxes().size(), size_t(1));
    QCOMPARE(msgBox.boxes()[0].prompt, CannotPrint);
    QCOMPARE(msgBox.boxes()[0].title, CantPrintChart);
    QCOMPARE(msgBox.boxes()[0].style, int(platform::vbCritical));
    QVERIFY(captions(source) == before);
    QCOMPARE(source.palace(5)->FillColor(), 0xE0E0E0u);
}

QTEST_MAIN(TestFrmPrint)
#include "test_frmprint.moc"
