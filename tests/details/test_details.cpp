// The Chart Details window, opened from the main window's menu: what it reads of the chart on
// show, how it follows the main window, and Copy as Text.

#include "orrindel_chart.h"
#include "platform/datepicker.h"
#include "support/mainwindow.h"
#include "support/table.h"
#include "ui/details/chartdetails.h"

#include <QClipboard>

using namespace orrindel;
using namespace orrindel::test;
using namespace Qt::StringLiterals;

// clang-format off
// Chart Details, opened twice by Alt+F, T after a Ctrl+letter that beeps and opens nothing,
// before or after Calculate with the annual stars of a 2026 month (0: off): mountains | lean
// | void | centre and north squares | the replacement's centre (- hidden) | the monthly centre,
// then the monthly centre one month on.
struct Opening { const char *name; QString year, bearing; int month = 0; bool before = false; QKeyCombination ctrl; QString shown, stepped = {}; };
const Opening Openings[] = {
    {.name = "2004 S, after", .year = "2004", .bearing = "180", .ctrl = Qt::CTRL | Qt::Key_T, .shown = "子山午向 (sitting Zi, facing Wu; N2/S2)|standard|none|4 3 8/9 7 4 sitting palace|-|"},
    {.name = "2004 187, June, before", .year = "2004", .bearing = "187", .month = 6, .before = true, .ctrl = Qt::CTRL | Qt::Key_D, .shown = "子山午向 (sitting Zi, facing Wu; N2/S2)|leaning (兼向)|minor (小空亡)|4 3 8/9 7 4 sitting palace|6 2 8|4", .stepped = "3"},
    {.name = "1870 80, November, after", .year = "1870", .bearing = "80", .month = 11, .ctrl = Qt::CTRL | Qt::Key_F, .shown = "庚山甲向 (sitting Geng, facing Jia; W1/E1)|leaning (兼向)|none|3 8 1/8 3 6|1 7 1|8", .stepped = "7"},
    {.name = "1990 22.5, major void, before", .year = "1990", .bearing = "22.5", .before = true, .ctrl = Qt::CTRL | Qt::Key_E, .shown = "未山丑向 (sitting Wei, facing Chou; SW1/NE1)|leaning (兼向)|major (大空亡)|4 1 7/8 6 3|6 2 7|"}};
// clang-format on

class TestDetails : public QObject, MainWindowDriver
{
    Q_OBJECT

    ChartDetails *details() const { return m_form->findChild<ChartDetails *>(); }
    // A square's stars, and whether it is the sitting palace.
    QString text(const char *name) const
    {
        const QLabel *label = details()->findChild<QLabel *>(name);
        return label->text().simplified() + label->accessibleDescription().section(',', 3);
    }
    QString reading() const
    {
        const bool leaning = details()->findChild<QWidget *>("replacement")->isVisible();
        return text("mountains") + '|' + text("lean").section(',', 0, 0) + '|' +
               text("void").section(',', 0, 0) + '|' + text("standard0") + '/' + text("standard5") +
               '|' + (leaning ? text("replacement0") : "-") + '|' + text("monthly0");
    }

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }
    void init() { start(); }
    void cleanup() { finish(); }

    // The window follows the chart: it fills on Calculate, follows the annual month and
    // clears on an edit; Copy as Text gives the tool's text of the same inputs.
    void opened_data() { addRows(Openings, &Opening::name); }
    void opened()
    {
        const auto &[name, y, b, month, before, ctrl, shown, stepped] = current(Openings);
        auto *picker = find<platform::DatePicker>("dtDatePicker");
        picker->setValue(QDate(2026, std::max(month, 1), 15));
        if (month)
            QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        year()->setFocus();
        press({ctrl});
        QCOMPARE(m_doubles->beeps, 1);
        QVERIFY(!details());
        if (!before)
            calculate(y, b);
        for (int opened = 0; opened < 2; ++opened) {
            press({Qt::ALT | Qt::Key_F});
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_T);
            QTRY_VERIFY(details() && details()->isVisible());
        }
        QCOMPARE(m_form->findChildren<ChartDetails *>().size(), 1);
        if (before) {
            QCOMPARE(reading(), u"|||/|-|"_s);
            calculate(y, b);
        }
        QCOMPARE(reading(), shown);
        const auto at = [&](int palace) {
            return details()->findChild<QWidget *>(u"standard%1"_s.arg(palace))->pos();
        };
        QVERIFY(at(South).y() < at(Centre).y());
        QVERIFY(at(East).x() < at(West).x());

        auto *copy = details()->findChild<QPushButton *>("copyAsText");
        QTest::mouseClick(copy, Qt::LeftButton);
        const QString annual = u"%1/2026"_s.arg(month, 2, 10, QChar('0'));
        QString printed, errors;
        QTextStream out(&printed), err(&errors);
        QStringList arguments{"orrindel-chart", "--year", y, "--facing", b, "--annual", annual};
        QCOMPARE(runChart(arguments.mid(0, month ? 7 : 5), out, err), 0);
        out.flush();
        QCOMPARE(QGuiApplication::clipboard()->text(), printed);

        picker->setFocus();
        picker->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(reading().section('|', -1), stepped);
        QTest::keyClick(year(), Qt::Key_Backspace);
        QCOMPARE(reading(), u"|||/|-|"_s);
        QVERIFY(!copy->isEnabled());
    }
};

QTEST_MAIN(TestDetails)
#include "test_details.moc"
