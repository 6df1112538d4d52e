// The Chart Details window's readings as a user meets them: the formations of each chart, the
// afflictions tagged on the annual and monthly grids, and the stars of the moment chosen.

#include "support/table.h"
#include "ui/details/chartdetails.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::test;

namespace {

// A chart (year 0: none), the moment in the date field, and what labels say: "name=line" where
// the label holds that whole line, "name~text" where it holds the text nowhere.
// clang-format off
struct Shown { const char *name; int year; QString bearing; std::optional<report::MonthOfYear> annual; QString moment; QStringList says; bool replacement = false; };
const QString NoRobbery = "standardReadings~打劫";
const Shown Rows[] = {
    {"8运子山午向 in 2026", 2004, "180", {{12, 2026}}, "2026-12-20T12:00", {
     "standardReadings=离宫打劫, the true seven-star robbery: double stars at the facing; usable.",
     "standardReadings=正城门, main castle gate: south-east at 巽, period star 7; usable.",
     "standardReadings=副城门, secondary castle gate: south-west at 坤, period star 5; undetermined (period star 5).",
     "annual4=五黄", "annual1=二黑", "annual0~五黄", "annualNote=太岁 (Grand Duke) 午 (south); 岁破 (Year Breaker) 子 (north); 三煞 (Three Killings) 亥子丑 (north).",
     "dailyNote=戊辰 day, 阳遁 (yang), centre 5", "hourlyNote=午 hour (11:00–12:59), 阴遁 (yin), centre 9", "replacementReadings~城门"}},
    {"9运乾山巽向, January", 2024, "135", {{1, 2024}}, "2023-12-23T00:30", {
     "standardReadings=合十, sum of ten in the mountain chart: its star and the period star add up to ten in every palace.", NoRobbery,
     "annualNote=太岁 (Grand Duke) 卯 (east); 岁破 (Year Breaker) 酉 (west); 三煞 (Three Killings) 申酉戌 (west).",
     "dailyNote=乙卯 day, 阴遁 (yin), centre 9", "hourlyNote=子 hour (23:00–00:59), 阳遁 (yang), centre 1"}},
    {"8运艮山坤向, no month", 2004, "225", {}, "2024-06-29T23:10", {
     "standardReadings=父母三般, parent string: in every palace the period, mountain and facing stars are 1, 4, 7 or 2, 5, 8 or 3, 6, 9.",
     "standardReadings=伏吟 in the facing chart: every palace holds its own Lo Shu number, as when 5 enters the centre and flies forward.",
     NoRobbery, "annual4~五黄", "dailyNote=甲子 day, 阴遁 (yin), centre 9"}},
    {"8运子山午向, the replacement asked for", 2004, "180", {}, "2024-06-30T12:00", {
     "replacementReadings=合十, sum of ten in the facing chart: its star and the period star add up to ten in every palace.",
     "replacementReadings=正城门, main castle gate: south-east at 巽, period star 7; usable."}, true},
    {"no chart", 0, "", {}, "2024-06-30T12:00", {"standardReadings~ ", "dailyNote=乙丑 day, 阴遁 (yin), centre 8"}},
};
// clang-format on

} // namespace

class TestReadingsWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TZ", "Asia/Shanghai"); }

    void shown_data() { addRows(Rows, &Shown::name); }
    void shown()
    {
        const Shown &row = current(Rows);
        ChartDetails details;
        details.showChart(row.year ? std::optional(report::ChartRequest{
                                         row.year, row.bearing, row.annual, row.replacement})
                                   : std::nullopt);
        details.findChild<QDateTimeEdit *>("moment")->setDateTime(
            QDateTime::fromString(row.moment, Qt::ISODate));
        for (const QString &say : row.says) {
            const qsizetype at = say.indexOf(QRegularExpression("[=~]"));
            const auto *label = details.findChild<QLabel *>(say.left(at));
            QVERIFY2(label, qPrintable(say));
            QVERIFY2(say[at] == '=' ? label->text().split('\n').contains(say.mid(at + 1))
                                    : !label->text().contains(say.mid(at + 1)),
                     qPrintable(say + "\n  shown: " + label->text()));
        }
    }

    // Keyboard only: the tab's access key, then the date field's and a day on by the arrow.
    void keyboard()
    {
        ChartDetails details;
        details.show();
        QVERIFY(QTest::qWaitForWindowActive(&details));
        auto *moment = details.findChild<QDateTimeEdit *>("moment");
        moment->setDateTime(QDateTime(QDate(2024, 1, 1), QTime(9, 0)));
        QTest::keyClick(&details, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(details.findChild<QTabWidget *>()->currentIndex(), 4);
        QTest::keyClick(&details, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), moment);
        moment->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(moment, Qt::Key_Up);
        QCOMPARE(details.findChild<QLabel *>("dailyNote")->text(),
                 "乙丑 day, 阳遁 (yang), centre 2");
        QCOMPARE(details.findChild<QLabel *>("daily4")->accessibleDescription(), "daily star 6");
    }
};

QTEST_MAIN(TestReadingsWindow)
#include "test_readings_window.moc"
