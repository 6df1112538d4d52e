// Print Chart as the user meets it: the real main window calculates a chart and its page
// goes through the real CUPS printer to a private scheduler, and what that received is read
// back with poppler. The desktop's palette is dark throughout; the page must not care.

#include "cupsserver.h"
#include "engine/runtimeerror.h"
#include "support/doubles.h"
#include "support/table.h"
#include "ui/main/frmmain.h"

#include <QtTest>

using namespace orrindel;

const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255);

// How to cause a fault and mend it (none: no fault), the reason the user is given ({server}
// stands for the private server), and the jobs it leaves, all cancelled.
// clang-format off
struct Fault { const char *name; QString cause = {}, mend = {}, reason = {}; int cancelled = 0; };
const Fault Faults[] = {
    {.name = "no fault"}, {.name = "no default printer", .cause = "lpadmin -x orrindel", .mend = test::CupsServer::AddQueue, .reason = "The print server {server} has no default printer."},
    {.name = "server unreachable", .cause = "stop", .mend = "start", .reason = "The print server {server} is not answering."},
    {.name = "queue stopped", .cause = "cupsdisable orrindel", .mend = "cupsenable orrindel", .reason = "The printer orrindel is stopped."},
    {.name = "queue rejecting jobs", .cause = "cupsreject orrindel", .mend = "cupsaccept orrindel", .reason = "The printer orrindel is not accepting jobs."},
    {.name = "job refused", .cause = "lpadmin -p orrindel -u deny:$(id -un)", .mend = "lpadmin -p orrindel -u allow:all", .reason = "The printer orrindel refused the job (Not allowed to print)."},
    {.name = "half sent", .cause = "restart MaxRequestSize 4k", .mend = "restart", .reason = "The printer orrindel refused the page (Request Entity Too Large).", .cancelled = 2}};
// clang-format on

static QByteArray run(const QString &command)
{
    QProcess process;
    process.startCommand(command);
    return process.waitForFinished(20000), process.readAllStandardOutput();
}

// The words printed inside a rectangle of the page, given in twips.
static QString text(const QString &pdf, const QRect &r)
{
    const auto crop =
        QString::asprintf("-x %d -y %d -W %d -H %d ", r.x(), r.y(), r.width(), r.height());
    return QString::fromUtf8(run("pdftotext -r 1440 " + crop + pdf + " -")).simplified();
}

static void checkPage(const QString &pdf)
{
    // The inputs exactly as typed, on the lines of their captions.
    QCOMPARE(text(pdf, {0, 7080, 9510, 360}), QStringLiteral("Year of Construction: 2004"));
    QCOMPARE(text(pdf, {0, 7440, 9510, 375}), QStringLiteral("Facing Degree: 90.50"));
    // Black on white (aliasing off, so a grey square or a palette colour shows): the page's
    // corner white; the frame (Shape1) and the sides of two squares black.
    // At 96 dpi, with aliasing off so that every pixel is a colour that was painted.
    const QImage image = QImage::fromData(run("pdftoppm -r 96 -aa no -aaVector no -png " + pdf));
    QVERIFY(qAbs(image.width() - 634) <= 1 && qAbs(image.height() - 537) <= 1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY(image.pixel(x, y) == Black || image.pixel(x, y) == White);
    QVERIFY(image.pixel(5, 5) == White && image.pixel(200, 300) == Black &&
            image.pixel(242, 221) == Black && image.pixel(338, 293) == Black);
    // In each square, row by row from the top (south at the top, east on the left), its
    // palace's stars and nothing else: mountain top left, facing top right, time below.
    QString stars;
    for (int square = 0; square < 9; ++square) {
        const QPoint corner(3630 + 1440 * (square % 3), 2775 + 1080 * (square / 3));
        stars += text(pdf, {corner, QSize(727, 547)}) +
                 text(pdf, {corner + QPoint(727, 0), QSize(728, 547)}) +
                 text(pdf, {corner + QPoint(0, 547), QSize(1455, 548)}) + ' ';
    }
    QCOMPARE(stars, QStringLiteral("257 613 435 346 168 881 792 524 979 "));
}

class TestPrint : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::CupsServer> m_cups;
    std::unique_ptr<platform::Printer> m_system = platform::makeSystemPrinter();

private slots:
    void initTestCase()
    {
        QApplication::setPalette(QPalette(QColor(Qt::black))); // black window, white text
        platform::installFontSubstitutes();
        m_cups = std::make_unique<test::CupsServer>();
        QVERIFY(m_cups->open());
    }

    // With a fault the printer says why, the user sees one message box and no job is left
    // pending or held; once it is mended, or without one, Print Chart prints.
    void printChart_data() { test::addRows(Faults, &Fault::name); }
    void printChart()
    {
        const Fault &row = test::current(Faults);
        const QString detail = QString(row.reason).replace("{server}", qgetenv("CUPS_SERVER"));
        test::TestServices d;
        platform::Services services{d.msgBox, [] {}, *m_system, d.registry, d.launcher};
        frmMain window(services);
        window.show();
        const auto find = [&](const char *name) { return window.findChild<QWidget *>(name); };
        // Typed key by key, and with the annual stars shown, which the page leaves out.
        QTest::keyClicks(find("txtYear"), "2004");
        QTest::keyClicks(find("txtFacing"), "90.50");
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        QTest::mouseClick(find("btnCalculate"), Qt::LeftButton);
        QVERIFY(find("lblAnnual(8)")->isVisible());
        m_cups->newJobs();
        if (!row.cause.isEmpty()) {
            QVERIFY(m_cups->act(row.cause));
            const auto mended = qScopeGuard([&] { QVERIFY(m_cups->act(row.mend)); });
            try {
                m_system->PrintForm(window);
                QFAIL("printed");
            } catch (const RuntimeError &error) {
                QCOMPARE(QString::fromStdString(error.detail()), detail);
            }
            QTest::mouseClick(find("btnPrint"), Qt::LeftButton);
            QCOMPARE(d.msgBox.boxes, QStringList{"Can't Print Chart: Cannot print: please check "
                                                 "printer is ready and try again. (16)"});
            QCOMPARE(d.msgBox.details, QStringList{detail});
            QVERIFY(d.msgBox.parent == &window);
        }
        QCOMPARE(m_cups->newJobs(), QList<int>(row.cancelled, IPP_JSTATE_CANCELED));
        // ORRINDEL_KEEP_PAGE names a file for a copy of the page.
        QTest::mouseClick(find("btnPrint"), Qt::LeftButton);
        QCOMPARE(m_cups->newJobs(), QList<int>{IPP_JSTATE_HELD});
        const QString page = m_cups->release();
        checkPage(page);
        const QString keep = qEnvironmentVariable("ORRINDEL_KEEP_PAGE");
        QVERIFY(keep.isEmpty() || QFile::copy(page, keep));
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
