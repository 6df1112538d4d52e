// Printing on paper, as far as a test can see it: the user calculates a chart in the real
// main window and presses Print Chart; the page goes through the real CUPS printer to a
// private scheduler and is read back from its spool with poppler.

#include "cupsserver.h"
#include "engine/runtimeerror.h"
#include "pdfpage.h"
#include "platform/checkbox.h"
#include "support/doubles.h"
#include "ui/main/frmmain.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>
#include <string_view>

using namespace orrindel;
using orrindel::test::CupsServer;
using orrindel::test::PdfWord;

namespace {

// Row and column of each palace's square on the page, south at the top.
constexpr int SquareRow[9] = {1, 2, 1, 2, 0, 2, 0, 1, 0};
constexpr int SquareColumn[9] = {1, 2, 2, 0, 1, 1, 2, 0, 0};

// Where a star label stands on the page, in twips.
QRect starTwips(const char *array, int palace)
{
    const QPoint square(3630 + 1440 * SquareColumn[palace], 2775 + 1080 * SquareRow[palace]);
    const QString name = QLatin1String(array);
    const QPoint offset = name == QLatin1String("lblMountain") ? QPoint(120, 120)
                          : name == QLatin1String("lblFacing") ? QPoint(840, 120)
                                                               : QPoint(480, 600);
    return {square + offset, QSize(495, 375)};
}

QRectF twipsToPoints(const QRect &twips)
{
    return {twips.x() / 20.0, twips.y() / 20.0, twips.width() / 20.0, twips.height() / 20.0};
}

// Everything the user can see of the window, to show that printing changed none of it.
QMap<QString, QString> snapshot(const QWidget &window)
{
    QMap<QString, QString> state;
    for (const QLabel *label : window.findChildren<QLabel *>())
        state.insert(label->objectName(), label->text() + u'|' + label->toolTip() + u'|' +
                                              QString::number(label->isVisibleTo(&window)));
    for (const QLineEdit *edit : window.findChildren<QLineEdit *>())
        state.insert(edit->objectName(), edit->text());
    for (const platform::Shape *shape : window.findChildren<platform::Shape *>())
        state.insert(shape->objectName(), QString::number(shape->FillColor(), 16));
    for (const QWidget *widget : window.findChildren<QWidget *>())
        if (!widget->objectName().isEmpty())
            state.insert(widget->objectName() + QStringLiteral(".enabled"),
                         QString::number(widget->isEnabled()));
    return state;
}

// Ways the printer can fail, each with the reason the printer gives and how it is mended.
struct Fault
{
    const char *reason;
    bool (CupsServer::*breakIt)();
    bool (CupsServer::*mend)();
};
const std::map<QString, Fault> Faults = {
    {QStringLiteral("no default printer"),
     {"no default printer", &CupsServer::removeQueue, &CupsServer::addQueue}},
    {QStringLiteral("server stopped"),
     {"cannot reach the print server", &CupsServer::stop, &CupsServer::start}},
    {QStringLiteral("queue stopped"),
     {"is stopped", &CupsServer::disableQueue, &CupsServer::enableQueue}},
    {QStringLiteral("queue rejecting jobs"),
     {"is not accepting jobs", &CupsServer::rejectJobs, &CupsServer::acceptJobs}},
    {QStringLiteral("job refused"),
     {"job refused", &CupsServer::denyThisUser, &CupsServer::allowAllUsers}},
};

// The main window with the runtime's real printer, and doubles for everything else.
struct MainWindow
{
    explicit MainWindow(platform::Printer &printer)
        : services{msgBox, beep.function(), printer, registry, launcher},
          form(std::make_unique<frmMain>(services))
    {
        form->show();
    }
    template <typename T = QWidget> T *find(const QString &name) const
    {
        return form->findChild<T *>(name);
    }
    QString caption(const char *array, int index) const
    {
        return find<QLabel>(platform::controlName(array, index))->text();
    }

    test::RecordingMsgBox msgBox;
    test::CountingBeep beep;
    test::FakeRegistry registry;
    test::FakeLauncher launcher;
    platform::Services services;
    std::unique_ptr<frmMain> form;
};

} // namespace

class TestPrintChart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        platform::installFontSubstitutes();
        QApplication::setQuitOnLastWindowClosed(false);
        // Whatever the print path would leave in the temporary folder shows up here.
        QVERIFY(m_tmp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_tmp.path()));

        m_cups = std::make_unique<CupsServer>();
        QVERIFY2(m_cups->ok(), qPrintable(m_cups->error()));
        m_printer = platform::makeSystemPrinter();
    }

    void cleanupTestCase()
    {
        m_cups.reset();
        QVERIFY2(
            QDir(m_tmp.path())
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            "printing left files in TMPDIR");
    }

    void printedPage_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("bearing");
        QTest::addColumn<QString>("timeStars");
        QTest::newRow("south-facing") << "2004"
                                      << "180"
                                      << "8 9 1 2 3 4 5 6 7";
        QTest::newRow("period-1") << "1870"
                                  << "359.9"
                                  << "1 2 3 4 5 6 7 8 9";
    }

    void printedPage()
    {
        QFETCH(QString, year);
        QFETCH(QString, bearing);
        QFETCH(QString, timeStars);
        MainWindow window(*m_printer);
        calculate(window, year, bearing);
        if (QTest::currentTestFailed())
            return;
        QStringList time;
        for (int i = 0; i < 9; ++i)
            time << window.caption("lblTime", i);
        QCOMPARE(time.join(u' '), timeStars);
        const QMap<QString, QString> before = snapshot(*window.form);

        const QByteArray pdf = pressPrintChart(window);
        QVERIFY(window.msgBox.boxes().empty());
        QVERIFY(!pdf.isEmpty());
        const QString keep = qEnvironmentVariable("ORRINDEL_KEEP_PAGES");
        if (!keep.isEmpty()) {
            QFile file(QDir(keep).filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
        }
        checkPage(pdf, window);
        QCOMPARE(snapshot(*window.form), before);
    }

    void twoPrintsAreIdentical()
    {
        MainWindow window(*m_printer);
        calculate(window, QStringLiteral("2004"), QStringLiteral("90.50"));
        if (QTest::currentTestFailed())
            return;
        const QByteArray first = pressPrintChart(window);
        const QByteArray second = pressPrintChart(window);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QCOMPARE(test::pdfText(second), test::pdfText(first));
        const QImage firstPage = test::pdfRaster(first, 150, true);
        QVERIFY(!firstPage.isNull());
        QVERIFY(test::pdfRaster(second, 150, true) == firstPage);
    }

    void failureShowsOneMessageBoxThenRecovers_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto &[name, fault] : Faults)
            QTest::newRow(qPrintable(name)) << name;
    }

    void failureShowsOneMessageBoxThenRecovers()
    {
        QFETCH(QString, name);
        const Fault &fault = Faults.at(name);
        CupsServer &cups = *m_cups;
        MainWindow window(*m_printer);
        calculate(window, QStringLiteral("2004"), QStringLiteral("90.50"));
        if (QTest::currentTestFailed())
            return;
        const QMap<QString, QString> before = snapshot(*window.form);
        QVERIFY(m_cups->waitUntilIdle());
        const int jobsBefore = lastJob();

        QVERIFY2((cups.*fault.breakIt)(), qPrintable(cups.error()));
        // Mended whatever happens, so that one failure does not break the rows after it.
        bool mended = false;
        const auto mend = qScopeGuard([&] {
            if (!mended)
                (cups.*fault.mend)();
        });
        // The printer itself raises the runtime's printer error, and says why.
        try {
            m_printer->PrintForm(*window.form);
            QFAIL("PrintForm did not raise");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), int(RuntimeError::PrinterError));
            QVERIFY2(std::string_view(error.what()).find(fault.reason) != std::string_view::npos,
                     error.what());
        }
        window.msgBox.expect(1);
        QTest::mouseClick(window.find<QPushButton>("btnPrint"), Qt::LeftButton);
        mended = (cups.*fault.mend)();
        QVERIFY2(mended, qPrintable(m_cups->error()));

        QCOMPARE(window.msgBox.boxes().size(), size_t(1));
        const auto &box = window.msgBox.boxes().front();
        QCOMPARE(box.prompt,
                 QStringLiteral("Cannot print: please check printer is ready and try again."));
        QCOMPARE(box.title, QStringLiteral("Can't Print Chart"));
        QCOMPARE(box.style, int(platform::vbCritical));
        QCOMPARE(snapshot(*window.form), before);
        // Nothing reached the server: no job waits, none was made.
        QVERIFY(m_cups->waitUntilIdle());
        QVERIFY(lastJob() <= jobsBefore);

        // Pressing Print Chart again once the printer is back prints from scratch.
        const QByteArray pdf = pressPrintChart(window);
        QCOMPARE(window.msgBox.boxes().size(), size_t(1));
        QVERIFY(!pdf.isEmpty());
        checkPage(pdf, window);
    }

private:
    int lastJob() const
    {
        const QList<int> jobs = m_cups->jobs();
        return jobs.isEmpty() ? 0 : jobs.last();
    }

    // Types the inputs key by key, shows the annual stars and presses Calculate.
    void calculate(MainWindow &window, const QString &year, const QString &bearing)
    {
        QTest::keyClicks(window.find("txtYear"), year);
        QTest::keyClicks(window.find("txtFacing"), bearing);
        QTest::mouseClick(window.find<platform::GraphicalCheckBox>("chkDate"), Qt::LeftButton);
        auto *calculate = window.find<QPushButton>("btnCalculate");
        QVERIFY(calculate->isEnabled());
        QTest::mouseClick(calculate, Qt::LeftButton);
        // What the page must leave out is on screen: annual stars and a grey square.
        QVERIFY(window.find("lblAnnual(0)")->isVisible());
        QVERIFY(!window.caption("lblAnnual", 0).isEmpty());
        int grey = 0;
        for (const platform::Shape *square : window.form->findChildren<platform::Shape *>())
            grey += square->FillColor() == 0xE0E0E0;
        QCOMPARE(grey, 1);
    }

    // Presses Print Chart; returns the document of the job that it made, once the job has
    // completed, or nothing.
    QByteArray pressPrintChart(MainWindow &window)
    {
        const int before = lastJob();
        auto *print = window.find<QPushButton>("btnPrint");
        if (!print->isEnabled())
            return {};
        QTest::mouseClick(print, Qt::LeftButton);
        if (!m_cups->waitUntilIdle())
            return {};
        const int job = lastJob();
        return job > before ? m_cups->document(job) : QByteArray();
    }

    void checkPage(const QByteArray &pdf, const MainWindow &window)
    {
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY2(pdf.size() < 100 * 1024, qPrintable(QString::number(pdf.size())));

        // One page, the size of the form: 9510 x 8055 twips.
        const QString info = test::pdfInfo(pdf);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
        const auto size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                .match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        QVERIFY(qAbs(size.captured(1).toDouble() - 9510 / 20.0) <= 1.0);
        QVERIFY(qAbs(size.captured(2).toDouble() - 8055 / 20.0) <= 1.0);

        // Vector output with real text, not a picture of the form.
        QCOMPARE(test::pdfImageCount(pdf), 0);
        const QString text = test::pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Xuan Kong Feng Shui Chart")), qPrintable(text));
        const auto line = [](const QString &caption, const QString &value) {
            return QRegularExpression(QRegularExpression::escape(caption) + QStringLiteral("\\s+") +
                                          QRegularExpression::escape(value) +
                                          QStringLiteral("\\s*$"),
                                      QRegularExpression::MultilineOption);
        };
        const QString year = window.find<QLineEdit>("txtYear")->text();
        const QString bearing = window.find<QLineEdit>("txtFacing")->text();
        QVERIFY2(text.contains(line(QStringLiteral("Year of Construction:"), year)),
                 qPrintable(text));
        QVERIFY2(text.contains(line(QStringLiteral("Facing Degree:"), bearing)), qPrintable(text));

        // Each star where its palace is, and nothing else that looks like a star: the annual
        // stars shown in the window are not printed.
        const QList<PdfWord> words = test::pdfWords(pdf);
        int stars = 0;
        for (const PdfWord &word : words)
            stars += word.text.size() == 1 && word.text[0].isDigit();
        QCOMPARE(stars, 27);
        for (int palace = 0; palace < 9; ++palace) {
            for (const char *array : {"lblTime", "lblFacing", "lblMountain"}) {
                const QString star = window.caption(array, palace);
                QVERIFY(!star.isEmpty());
                const QRectF place = twipsToPoints(starTwips(array, palace));
                const bool found =
                    std::any_of(words.begin(), words.end(), [&](const PdfWord &word) {
                        return word.text == star && place.contains(word.box.center());
                    });
                QVERIFY2(found, qPrintable(QStringLiteral("%1(%2) = %3 not at its place")
                                               .arg(QLatin1String(array))
                                               .arg(palace)
                                               .arg(star)));
            }
        }
        for (const char *direction : {"S", "SW", "W", "NW", "N", "NE", "E", "SE"})
            QVERIFY(std::any_of(words.begin(), words.end(), [&](const PdfWord &word) {
                return word.text == QLatin1String(direction);
            }));

        // Without anti-aliasing every pixel is a colour that was painted: inside the squares
        // only the white fill and the black digits, no grey sitting palace.
        const QImage page = test::pdfRaster(pdf, 96, false);
        QVERIFY(!page.isNull());
        QVERIFY(qAbs(page.width() - 634) <= 1 && qAbs(page.height() - 537) <= 1);
        for (int palace = 0; palace < 9; ++palace) {
            const QRect square =
                QRect(242 + 96 * SquareColumn[palace], 185 + 72 * SquareRow[palace], 97, 73)
                    .adjusted(2, 2, -2, -2);
            int white = 0;
            for (int y = square.top(); y <= square.bottom(); ++y) {
                for (int x = square.left(); x <= square.right(); ++x) {
                    const QRgb pixel = page.pixel(x, y);
                    QVERIFY2(
                        pixel == qRgb(255, 255, 255) || pixel == qRgb(0, 0, 0),
                        qPrintable(QStringLiteral("palace %1: #%2").arg(palace).arg(pixel, 0, 16)));
                    white += pixel == qRgb(255, 255, 255);
                }
            }
            // The stars lie above the squares: their digits show.
            const int area = square.width() * square.height();
            QVERIFY(white > area * 3 / 4 && white < area);
        }
    }

    QTemporaryDir m_tmp;
    std::unique_ptr<CupsServer> m_cups;
    std::unique_ptr<platform::Printer> m_printer;
};

QTEST_MAIN(TestPrintChart)
#include "test_printchart.moc"
