// The main window driven as a user drives it: key presses and clicks on the controls found by
// name, the chart read back from the labels, the screen and the screen reader.

#include "app/icon.h"
#include "engine/chart.h"
#include "engine/numerictext.h"
#include "engine/validation.h"
#include "platform/datepicker.h"
#include "support/mainwindow.h"
#include "support/table.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <ranges>

using namespace orrindel;
using namespace orrindel::test;
using namespace Qt::StringLiterals;

namespace {

const QKeyCombination Click, Enter = Qt::KeypadModifier | Qt::Key_Enter;

// clang-format off
// Both boxes typed, or pasted past the key filter, then keys pressed where the focus is, from
// the year box, with "77" on the clipboard: the texts, the beeps, and whether Enter, or an
// access key's late click, calculates. The boxes keep at most four and five characters. An
// access key clicks about 0.1 s late: an edit in between leaves nothing calculated or printed.
struct Typing { const char *name; bool pasted = false; QString year, bearing; Keys then = {}; QString boxes; int beeps = 0; bool calculates = false; };
const Typing Typed[] = {
    {.name = "year: letter, sign, point", .year = "2a0-0.4", .bearing = "0", .boxes = "2004|0", .beeps = 3, .calculates = true},
    {.name = "year: foreign", .year = "2\u06600\u00e90\u20194", .bearing = "1", .boxes = "2004|1", .beeps = 3, .calculates = true},
    {.name = "bearing: -, space, comma, e", .year = "65", .bearing = "-1 8,0e", .boxes = "65|180", .beeps = 4, .calculates = true},
    {.name = "bearing: six", .year = "2004", .bearing = "359.95", .boxes = "2004|359.9", .calculates = true}, {.name = "Ctrl+V", .year = "20", .bearing = "1", .then = {Qt::CTRL | Qt::Key_V}, .boxes = "20|1", .beeps = 1},
    {.name = "Ctrl+X", .year = "2004", .bearing = "1", .then = {Qt::SHIFT | Qt::Key_Home, Qt::CTRL | Qt::Key_X}, .boxes = "2004|1", .beeps = 1, .calculates = true},
    {.name = "Alt+D, a digit", .year = "2004", .bearing = "1", .then = {Qt::ALT | Qt::Key_D, Qt::Key_5}, .boxes = "2004|5", .calculates = true},
    {.name = "Alt+Q, Alt+5", .year = "2004", .bearing = "1", .then = {Qt::ALT | Qt::Key_Q, Qt::ALT | Qt::Key_5}, .boxes = "2004|1", .calculates = true},
    {.name = "Alt+C, Backspace", .year = "2004", .bearing = "1", .then = {Qt::SHIFT | Qt::Key_Home, Qt::ALT | Qt::Key_C, Qt::Key_Backspace}, .boxes = "|1"},
    {.name = "Enter, Alt+P, Backspace in bearing", .year = "2004", .bearing = "180", .then = {Qt::Key_Return, Qt::ALT | Qt::Key_P, Qt::Key_Tab, Qt::Key_Backspace}, .boxes = "2004|"},
    {.name = "pasted 1e3", .pasted = true, .year = "1e3", .bearing = "180", .boxes = "1e3|180"}, {.name = "pasted 64.5", .pasted = true, .year = "64.5", .bearing = "90.50", .boxes = "64.5|90.50", .calculates = true},
    {.name = "pasted, cut", .pasted = true, .year = "99999", .bearing = "359.95", .boxes = "9999|359.9", .calculates = true}};

// Each chart asked for by a route, with its grey palace, then one edit that clears it or not;
// a key no box takes (F2) calculates nothing.
struct Chart { const char *name; QString year, bearing; QKeyCombination route; QString chart; int grey; Keys edit = {}; bool clears = false; };
const Chart Worked[] = {
    {.name = "2004 S, click; year digit", .year = "2004", .bearing = "180", .route = Click, .chart = "891234567/321987654/456789123", .grey = 5, .edit = {Qt::Key_Backspace}, .clears = true},
    {.name = "1990 NE, Enter; refused key", .year = "1990", .bearing = "45", .route = Qt::Key_Return, .chart = "789123456/198765432/456789123", .grey = 6, .edit = {Qt::Key_X}},
    {.name = "2010 N, keypad Enter; cursor", .year = "2010", .bearing = "10", .route = Enter, .chart = "891234567/456789123/321987654", .grey = 4, .edit = {Qt::Key_Home}},
    {.name = "1950 NW, Alt+C; year digit, F2", .year = "1950", .bearing = "300", .route = Qt::ALT | Qt::Key_C, .chart = "567891234/654321987/432198765", .grey = 8, .edit = {Qt::Key_Backspace, Qt::Key_5, Qt::Key_F2}, .clears = true},
    {.name = "2004 SW, a 5; nothing", .year = "2004", .bearing = "225", .route = Click, .chart = "891234567/567891234/234567891", .grey = 3}};

// A control, a key pressed on it (Click: the title bar's close), whether the window stays, the
// title of the box shown over it, if any, and the pages printed.
struct Route { const char *name, *focus; QKeyCombination key; bool stays = false; QString boxOver = {}; int pages = 0; };
const Route Routes[] = {
    {.name = "Alt+X", .focus = "txtYear", .key = Qt::ALT | Qt::Key_X}, {.name = "Ctrl+Q", .focus = "txtYear", .key = Qt::CTRL | Qt::Key_Q},
    {.name = "close", .focus = "txtYear", .key = Click}, {.name = "Ctrl+A", .focus = "txtFacing", .key = Qt::CTRL | Qt::Key_A, .stays = true, .boxOver = "About Orrindel"},
    {.name = "Enter on Exit", .focus = "Command1", .key = Qt::Key_Return}, {.name = "Enter on Print", .focus = "btnPrint", .key = Qt::Key_Return, .stays = true, .pages = 1},
    {.name = "keypad Enter on Print", .focus = "btnPrint", .key = Enter, .stays = true, .pages = 1}};

// A screen reader's name = value of a control, and its role, before and after 2004, 180.
struct Hearing { const char *control; QAccessible::Role role; QString before, after; };
const Hearing Heard[] = {
    {.control = "txtFacing", .role = QAccessible::EditableText, .before = "Facing Degree:=", .after = "Facing Degree:=180"},
    {.control = "chkDate", .role = QAccessible::CheckBox, .before = "View annual stars=", .after = "View annual stars="},
    {.control = "dtDatePicker", .role = QAccessible::SpinBox, .before = "Annual stars month=06/2000", .after = "Annual stars month=06/2000"},
    {.control = "lblMountain(8)", .role = QAccessible::StaticText, .before = "Mountain star, south-east: No chart is shown=", .after = "Mountain star, south-east: 3="},
    {.control = "shpPalace(5)", .role = QAccessible::Graphic, .before = "North palace=", .after = "North palace, sitting palace="}};

// The face each kind of control is drawn in: the family the layout names or a metric-
// compatible stand-in, asked for by its own name, so that Qt finds it without a search.
const QStringList Serif = {"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif"};
const QStringList Sans = {"MS Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"};
struct Face { const char *control; int index; QStringList faces; double points; bool bold; };
const Face Faces[] = {
    {.control = "lblTime", .index = 4, .faces = Serif, .points = 15.75, .bold = true}, {.control = "lblAnnual", .index = 0, .faces = Serif, .points = 9.75, .bold = true},
    {.control = "lblDirections", .index = 7, .faces = Serif, .points = 9.75, .bold = true}, {.control = "lblLabel", .index = 1, .faces = Sans, .points = 8.25, .bold = false},
    {.control = "txtYear", .index = -1, .faces = Sans, .points = 8.25, .bold = false}};

// What the random typing presses.
const Keys Random = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_4, Qt::Key_9, Qt::Key_Period, Qt::Key_Minus, Qt::Key_A,
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab, Qt::SHIFT | Qt::Key_Backtab, Qt::Key_Return,
    Enter, Qt::ALT | Qt::Key_C, Qt::ALT | Qt::Key_Y, Qt::ALT | Qt::Key_D, Qt::ALT | Qt::Key_V, Qt::Key_Space, Qt::Key_Up,
    Qt::Key_Down, Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Z};
// clang-format on

// Whether an access key's click is still to come: a button clicks about 0.1 s after its key,
// on a timer of its own.
bool clickPending(const QWidget *window)
{
    return std::ranges::any_of(window->findChildren<QAbstractButton *>(), [](QObject *button) {
        return !QAbstractEventDispatcher::instance()->registeredTimers(button).isEmpty();
    });
}

// Pastes as the box's context menu does, past the key filter.
void paste(QLineEdit *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->selectAll();
    box->paste();
}

// The chart the engine gives for the two texts, written as chart() reads the window.
QString modelChart(const QString &year, const QString &bearing)
{
    Calc calc;
    calc.setYear(textToInteger(year.toStdString()));
    calc.setDegrees(textToSingle(bearing.toStdString()));
    const BuildingChart model = buildChart(calc);
    QString text;
    for (const Stars &plate : {model.time, model.facing, model.mountain})
        for (int i = -1; i < PalaceCount; ++i)
            text += i < 0 ? QString('/') : QString::number(plate[i]);
    return text.mid(1);
}

} // namespace

class TestFrmMain : public QObject, MainWindowDriver
{
    Q_OBJECT

    QString stars(const char *array) const
    {
        QString result;
        for (int i = 0; i < PalaceCount; ++i)
            result += find<QLabel>(array, i)->text();
        return result;
    }
    // Time / facing / mountain stars, a digit per palace.
    QString chart() const
    {
        return stars("lblTime") + '/' + stars("lblFacing") + '/' + stars("lblMountain");
    }
    // Whether the annual stars show: the last one as all of them.
    bool annualShown() const { return find("lblAnnual", 8)->isVisible(); }

private slots:
    void initTestCase()
    {
        platform::installFontSubstitutes();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() { start(); }
    void cleanup() { finish(); }

    void typing_data() { addRows(Typed, &Typing::name); }
    void typing()
    {
        const Typing &row = current(Typed);
        for (const auto &[box, text] :
             {std::pair(year(), row.year), std::pair(bearing(), row.bearing)})
            row.pasted ? paste(box, text) : type(box, text);
        QGuiApplication::clipboard()->setText(u"77"_s);
        year()->setFocus();
        press(row.then);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"77"_s);
        QCOMPARE(year()->text() + '|' + bearing()->text(), row.boxes);
        QCOMPARE(m_doubles->beeps, row.beeps);
        QCOMPARE(button("btnCalculate")->isEnabled(), row.calculates);
        QTest::keyClick(bearing(), Qt::Key_Return);
        QTest::keyClick(year(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!clickPending(m_form.get()));
        QCOMPARE(find<QLabel>("lblTime", 0)->text().isEmpty(), !row.calculates);
        QCOMPARE(m_doubles->printer.pages, 0);
    }

    // The picker offers nothing before January 1000. The annual stars, on from February 2000,
    // follow the picker's month when Calculate runs and when the user steps it, not when the
    // program writes it; the edit keeps them, and they hide with the picker.
    void workedCharts_data() { addRows(Worked, &Chart::name); }
    void workedCharts()
    {
        const Chart &row = current(Worked);
        auto *picker = find<platform::DatePicker>("dtDatePicker");
        picker->setValue(QDate(999, 12, 20));
        QCOMPARE(picker->date(), QDate(1000, 1, 1));
        picker->setValue(QDate(2000, 2, 20));
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        picker->setValue(QDate(2000, 1, 20));
        QCOMPARE(stars("lblAnnual"), u"912345678"_s);
        type(year(), row.year), type(bearing(), row.bearing);
        year()->setFocus();
        row.route == Click ? QTest::mouseClick(button("btnCalculate"), Qt::LeftButton)
                           : press({row.route});
        QTRY_COMPARE(chart(), row.chart);
        for (int i = 0; i < PalaceCount; ++i)
            QCOMPARE(find<platform::Shape>("shpPalace", i)->FillColor(),
                     i == row.grey ? 0xE0E0E0u : 0xFFFFFFu);
        QVERIFY(button("btnPrint")->isEnabled());
        year()->setFocus();
        press(row.edit);
        QCOMPARE(chart(), row.clears ? u"//"_s : row.chart);
        QCOMPARE(find<platform::Shape>("shpPalace", row.grey)->FillColor(),
                 row.clears ? 0xFFFFFFu : 0xE0E0E0u);
        QCOMPARE(find("lblTime", 3)->toolTip(), row.clears ? QString() : u"Time Star"_s);
        QCOMPARE(button("btnPrint")->isEnabled(), !row.clears);
        QCOMPARE(stars("lblAnnual"), u"123456789"_s);
        QVERIFY(annualShown());
        picker->setFocus();
        picker->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(stars("lblAnnual"), u"912345678"_s);
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        QVERIFY(!picker->isEnabled());
        QVERIFY(!annualShown());
    }

    // With a chart shown, a key pressed on a control: the window closes, so the program ends,
    // and a late click does nothing; or it stays with the About box shown over it, or the
    // pages printed. Enter on a focused button presses that button, not the default one.
    void routes_data() { addRows(Routes, &Route::name); }
    void routes()
    {
        const Route &row = current(Routes);
        calculate();
        find(row.focus)->setFocus();
        QString shown;
        QTimer::singleShot(0, m_form.get(), [&shown] {
            if (QWidget *box = QApplication::activeModalWidget())
                shown = box->windowTitle(), box->close();
        });
        row.key == Click ? void(m_form->close()) : press({row.key});
        QTRY_COMPARE(m_form->isVisible(), row.stays);
        QCOMPARE(shown, row.boxOver);
        QCOMPARE(m_doubles->printer.pages, row.pages);
        button("btnCalculate")->click();
        QCOMPARE(chart(), u"891234567/321987654/456789123"_s);
    }

    void accessibility_data() { addRows(Heard, &Hearing::control); }
    void accessibility()
    {
        const Hearing &row = current(Heard);
        find<platform::DatePicker>("dtDatePicker")->setValue(QDate(2000, 6, 1));
        type(year(), u"2004"_s);
        QAccessibleInterface *face =
            QAccessible::queryAccessibleInterface(m_form->findChild<QWidget *>(row.control));
        const auto heard = [face] {
            return face->text(QAccessible::Name) + '=' + face->text(QAccessible::Value);
        };
        QCOMPARE(face->role(), row.role);
        QCOMPARE(heard(), row.before);
        type(bearing(), u"180"_s);
        QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
        QCOMPARE(heard(), row.after);
    }

    // Under a dark desktop scheme the white boxes keep black text and the squares black
    // outlines.
    void darkPalette()
    {
        const QPalette light = QApplication::palette();
        // White text of every kind on black and dark grey.
        QApplication::setPalette(QPalette(Qt::white, Qt::black, Qt::gray, Qt::black, Qt::darkGray,
                                          Qt::white, Qt::white, Qt::black, Qt::black));
        open();
        calculate();
        const QImage box = year()->grab().toImage(), grid = find("fraChart")->grab().toImage();
        QApplication::setPalette(light);
        const auto dark = [](QColor colour) { return colour.lightness() < 96; };
        QVERIFY(std::ranges::any_of(std::views::iota(4, box.width() - 4), [&](int x) {
            return dark(box.pixelColor(x, box.height() / 2));
        }));
        const QRect square = find("shpPalace", 5)->geometry();
        const QPoint c = square.center();
        for (const QPoint side : {QPoint(c.x(), square.top()), QPoint(c.x(), square.bottom()),
                                  QPoint(square.left(), c.y()), QPoint(square.right(), c.y())})
            QVERIFY(dark(grid.pixelColor(side)));
        QVERIFY(!dark(grid.pixelColor(c + QPoint(0, 4))));
    }

    void faces_data() { addRows(Faces, &Face::control); }
    void faces()
    {
        const auto &[control, index, faces, points, bold] = current(Faces);
        const QFont font = find(control, index)->font();
        const QFontInfo drawn(font);
        QVERIFY2(faces.contains(font.family()), qPrintable(font.family()));
        QCOMPARE(drawn.family(), font.family());
        QCOMPARE(drawn.pointSizeF(), points);
        QCOMPARE(drawn.bold(), bold);
    }

    // At any scale every caption fits its label; the window's icon has a picture drawn for
    // twice the size, not a 32-pixel one that stays small.
    void scaled()
    {
        QCOMPARE(appIcon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
        for (const QLabel *label : m_form->findChildren<QLabel *>())
            QVERIFY2(label->wordWrap() || label->sizeHint().width() <= label->width() + 1,
                     qPrintable(label->objectName()));
    }

    // Seeded random typing with timers let run between bursts; after each burst the window
    // must hold what its inputs say.
    void randomKeys()
    {
        QRandomGenerator random(20261207);
        QString calculatedFrom; // the inputs of the chart on show
        int charts = 0;
        const auto watch = [&] {
            for (QLineEdit *box : {year(), bearing()})
                connect(box, &QLineEdit::textChanged, m_form.get(),
                        [&] { calculatedFrom.clear(); });
            connect(find<platform::Label>("lblMountain", 8), &platform::Label::Change, m_form.get(),
                    [&] { calculatedFrom = year()->text() + '|' + bearing()->text(); });
        };
        watch();
        for (int burst = 0; burst < 250; ++burst) {
            for (int i = 0; i < 12; ++i)
                press({Random[random.bounded(int(Random.size()))]}, m_form.get());
            // What is due, such as a late click; now and then every click still to come.
            QCoreApplication::processEvents();
            QTRY_VERIFY(burst % 25 || !clickPending(m_form.get()));
            if (!m_form->isVisible()) // Enter on a focused Exit button
                open(), watch();
            const QString y = year()->text(), b = bearing()->text();
            QCOMPARE(button("btnCalculate")->isEnabled(),
                     isValidYearText(y.toStdString()) && isValidBearingText(b.toStdString()));
            QCOMPARE(annualShown(), find("dtDatePicker")->isEnabled());
            const bool shown = !find<QLabel>("lblTime", 0)->text().isEmpty();
            QCOMPARE(shown, calculatedFrom == y + '|' + b);
            if (shown)
                QCOMPARE(chart(), modelChart(y, b));
            charts += shown;
        }
        QVERIFY(charts > 0 && m_doubles->beeps > 0);
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
