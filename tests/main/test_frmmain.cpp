// The main window driven as a user drives it: key presses and clicks on the controls found by
// name, the chart read back from the labels, the screen and the screen reader.

#include "engine/chart.h"
#include "engine/numerictext.h"
#include "engine/validation.h"
#include "platform/datepicker.h"
#include "app/icon.h"
#include "platform/system/keyascii.h"
#include "platform/textbox.h"
#include "support/doubles.h"
#include "support/table.h"
#include "ui/details/chartdetails.h"
#include "ui/main/frmmain.h"

#include <QAccessible>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <ranges>

using namespace orrindel;
using namespace orrindel::test;
using namespace Qt::StringLiterals;
using Keys = QList<QKeyCombination>;

namespace {

const QKeyCombination Click, Enter = Qt::KeypadModifier | Qt::Key_Enter;

// clang-format off
// The code KeyPress sees for a key and its text.
const std::tuple<const char *, QKeyCombination, QString, int> Codes[] = {
    {"Ctrl+Backspace", Qt::CTRL | Qt::Key_Backspace, {}, 127}, {"Ctrl+Enter", Qt::CTRL | Qt::Key_Return, {}, 10},
    {"Ctrl+Shift+Z", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, {}, 26}, {"AltGr @", Qt::CTRL | Qt::ALT | Qt::Key_At, u"@"_s, 64},
    {"euro", Qt::Key_unknown, u"\u20ac"_s, 128}, {"Esc", Qt::Key_Escape, {}, 27},
    {"Ctrl+[", Qt::CTRL | Qt::Key_BracketLeft, {}, 27}, {"Ctrl+]", Qt::CTRL | Qt::Key_BracketRight, {}, 29}};

// Both boxes typed, or pasted past the key filter, then keys pressed where the focus is, from
// the year box, with "77" on the clipboard: the texts, the beeps, and whether Enter, or an
// access key's late click, calculates. The boxes keep at most four and five characters. An
// access key clicks about 0.1 s late: an edit in between leaves nothing calculated or printed.
const std::tuple<const char *, bool, QString, QString, Keys, QString, int, bool> Typed[] = {
    {"year: letter, sign, point", false, u"2a0-0.4"_s, u"0"_s, {}, u"2004|0"_s, 3, true},
    {"year: foreign", false, u"2\u06600\u00e90\u20194"_s, u"1"_s, {}, u"2004|1"_s, 3, true},
    {"bearing: -, space, comma, e", false, u"65"_s, u"-1 8,0e"_s, {}, u"65|180"_s, 4, true},
    {"bearing: six", false, u"2004"_s, u"359.95"_s, {}, u"2004|359.9"_s, 0, true},
    {"Ctrl+V", false, u"20"_s, u"1"_s, {Qt::CTRL | Qt::Key_V}, u"20|1"_s, 1, false},
    {"Ctrl+X", false, u"2004"_s, u"1"_s, {Qt::SHIFT | Qt::Key_Home, Qt::CTRL | Qt::Key_X}, u"2004|1"_s, 1, true},
    {"Alt+D, a digit", false, u"2004"_s, u"1"_s, {Qt::ALT | Qt::Key_D, Qt::Key_5}, u"2004|5"_s, 0, true},
    {"Alt+Q, Alt+5", false, u"2004"_s, u"1"_s, {Qt::ALT | Qt::Key_Q, Qt::ALT | Qt::Key_5}, u"2004|1"_s, 0, true},
    {"Alt+C, Backspace", false, u"2004"_s, u"1"_s, {Qt::SHIFT | Qt::Key_Home, Qt::ALT | Qt::Key_C, Qt::Key_Backspace}, u"|1"_s, 0, false},
    {"Enter, Alt+P, Backspace in bearing", false, u"2004"_s, u"180"_s, {Qt::Key_Return, Qt::ALT | Qt::Key_P, Qt::Key_Tab, Qt::Key_Backspace}, u"2004|"_s, 0, false},
    {"pasted 1e3", true, u"1e3"_s, u"180"_s, {}, u"1e3|180"_s, 0, false},
    {"pasted 64.5", true, u"64.5"_s, u"90.50"_s, {}, u"64.5|90.50"_s, 0, true},
    {"pasted, cut", true, u"99999"_s, u"359.95"_s, {}, u"9999|359.9"_s, 0, true}};

// Each chart asked for by a route, with its grey palace, then one edit that clears it or not;
// a key no box takes (F2) calculates nothing.
const std::tuple<const char *, QString, QString, QKeyCombination, QString, int, Keys, bool> Worked[] = {
    {"2004 S, click; year digit", u"2004"_s, u"180"_s, Click, u"891234567/321987654/456789123"_s, 5, {Qt::Key_Backspace}, true},
    {"1990 NE, Enter; refused key", u"1990"_s, u"45"_s, Qt::Key_Return, u"789123456/198765432/456789123"_s, 6, {Qt::Key_X}, false},
    {"2010 N, keypad Enter; cursor", u"2010"_s, u"10"_s, Enter, u"891234567/456789123/321987654"_s, 4, {Qt::Key_Home}, false},
    {"1950 NW, Alt+C; year digit, F2", u"1950"_s, u"300"_s, Qt::ALT | Qt::Key_C, u"567891234/654321987/432198765"_s, 8, {Qt::Key_Backspace, Qt::Key_5, Qt::Key_F2}, true},
    {"2004 SW, a 5; nothing", u"2004"_s, u"225"_s, Click, u"891234567/567891234/234567891"_s, 3, {}, false}};

// A control, a key pressed on it (none: the title bar's close), whether the window stays, the
// title of the box shown over it, and the pages printed.
const std::tuple<const char *, const char *, QKeyCombination, bool, QString, int> Routes[] = {
    {"Alt+X", "txtYear", Qt::ALT | Qt::Key_X, false, {}, 0}, {"Ctrl+Q", "txtYear", Qt::CTRL | Qt::Key_Q, false, {}, 0},
    {"close", "txtYear", Click, false, {}, 0}, {"Ctrl+A", "txtFacing", Qt::CTRL | Qt::Key_A, true, u"About Orrindel"_s, 0},
    {"Enter on Exit", "Command1", Qt::Key_Return, false, {}, 0}, {"Enter on Print", "btnPrint", Qt::Key_Return, true, {}, 1},
    {"keypad Enter on Print", "btnPrint", Enter, true, {}, 1}};

// Chart Details, opened twice by Alt+F, T after a Ctrl+letter that beeps and opens nothing,
// before or after Calculate with the annual stars of a 2026 month (0: off): mountains | lean
// | void | centre and north squares | the replacement's centre (- hidden) | the monthly centre,
// then the monthly centre one month on.
const std::tuple<const char *, QString, QString, int, bool, QKeyCombination, QString, QString> Details[] = {
    {"2004 S, after", u"2004"_s, u"180"_s, 0, false, Qt::CTRL | Qt::Key_T, u"子山午向 (sitting Zi, facing Wu; N2/S2)|standard|none|4 3 8/9 7 4 sitting palace|-|"_s, {}},
    {"2004 187, June, before", u"2004"_s, u"187"_s, 6, true, Qt::CTRL | Qt::Key_D, u"子山午向 (sitting Zi, facing Wu; N2/S2)|leaning (兼向)|minor (小空亡)|4 3 8/9 7 4 sitting palace|6 2 8|4"_s, u"3"_s},
    {"1870 80, November, after", u"1870"_s, u"80"_s, 11, false, Qt::CTRL | Qt::Key_F, u"庚山甲向 (sitting Geng, facing Jia; W1/E1)|leaning (兼向)|none|3 8 1/8 3 6|1 7 1|8"_s, u"7"_s},
    {"1990 22.5, major void, before", u"1990"_s, u"22.5"_s, 0, true, Qt::CTRL | Qt::Key_E, u"未山丑向 (sitting Wei, facing Chou; SW1/NE1)|leaning (兼向)|major (大空亡)|4 1 7/8 6 3|6 2 7|"_s, {}}};

// A screen reader's name = value of a control, and its role, before and after 2004, 180.
const std::tuple<const char *, QAccessible::Role, QString, QString> Heard[] = {
    {"txtFacing", QAccessible::EditableText, u"Facing Degree:="_s, u"Facing Degree:=180"_s},
    {"chkDate", QAccessible::CheckBox, u"View annual stars="_s, u"View annual stars="_s},
    {"dtDatePicker", QAccessible::SpinBox, u"Annual stars month=06/2000"_s, u"Annual stars month=06/2000"_s},
    {"lblMountain(8)", QAccessible::StaticText, u"Mountain star, south-east: No chart is shown="_s,
     u"Mountain star, south-east: 3="_s},
    {"shpPalace(5)", QAccessible::Graphic, u"North palace="_s, u"North palace, sitting palace="_s}};

// What the random typing presses.
const Keys Random = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_4, Qt::Key_9, Qt::Key_Period, Qt::Key_Minus, Qt::Key_A,
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab, Qt::SHIFT | Qt::Key_Backtab, Qt::Key_Return,
    Enter, Qt::ALT | Qt::Key_C, Qt::ALT | Qt::Key_Y, Qt::ALT | Qt::Key_D, Qt::ALT | Qt::Key_V, Qt::Key_Space, Qt::Key_Up,
    Qt::Key_Down, Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Z};
// clang-format on

// Types each character; characters beyond ASCII arrive as an input method's text.
void type(QWidget *box, const QString &text)
{
    for (const QChar ch : text) {
        QInputMethodEvent composed;
        composed.setCommitString(ch);
        ch.unicode() < 0x80 ? QTest::keyClick(box, char(ch.unicode()))
                            : void(QCoreApplication::sendEvent(box, &composed));
    }
}

// Presses each key where the focus is, as a person types, else on the window given.
void press(const Keys &keys, QWidget *window = nullptr)
{
    for (const QKeyCombination key : keys) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, key.key(), key.keyboardModifiers());
    }
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

class TestFrmMain : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> m_doubles;
    std::unique_ptr<frmMain> m_form;

    template <typename T = QWidget> T *find(const char *name, int index = -1) const
    {
        return m_form->findChild<T *>(platform::controlName(name, index));
    }
    ChartDetails *details() const { return m_form->findChild<ChartDetails *>(); }
    QLineEdit *year() const { return find<QLineEdit>("txtYear"); }
    QLineEdit *bearing() const { return find<QLineEdit>("txtFacing"); }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
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
    void open()
    {
        m_form = std::make_unique<frmMain>(m_doubles->services);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void calculate(const QString &y = u"2004"_s, const QString &b = u"180"_s)
    {
        type(year(), y), type(bearing(), b);
        QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        platform::installFontSubstitutes();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init()
    {
        m_doubles = std::make_unique<TestServices>();
        open();
    }
    void cleanup()
    {
        QVERIFY2(m_doubles->msgBox.boxes.empty(), "a message box was shown");
        m_form.reset();
        m_doubles.reset();
    }

    void keyCodes_data() { addRows(Codes); }
    void keyCodes()
    {
        const auto &[name, key, text, code] = current(Codes);
        const QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
        QCOMPARE(platform::keyAscii(event).value_or(-1), code);
    }

    // Every Windows-1252 code comes back from its character, but for the five it lacks.
    void windows1252()
    {
        QString lacking;
        for (std::int16_t code = 32; code <= 255; ++code) {
            const QChar ch = platform::fromWindows1252(code);
            if (ch == QChar::ReplacementCharacter)
                lacking += QString::number(code, 16) + ' ';
            else
                QCOMPARE(platform::toWindows1252(ch), code);
        }
        QCOMPARE(lacking, u"81 8d 8f 90 9d "_s);
    }

    // A handler that upper-cases letters and drops digits, for keys and an input method.
    void textBoxHandler()
    {
        platform::TextBox box;
        box.setKeyPress([](std::int16_t &KeyAscii) {
            KeyAscii = std::isdigit(KeyAscii) ? 0 : std::int16_t(std::toupper(KeyAscii));
        });
        QTest::keyClicks(&box, "a1b");
        type(&box, u"c2\u00e9"_s);
        QCOMPARE(box.text(), u"ABC\u00e9"_s);
    }

    void typing_data() { addRows(Typed); }
    void typing()
    {
        const auto &[name, pasted, y, b, keys, texts, beeps, valid] = current(Typed);
        for (const auto &[box, text] : {std::pair(year(), y), std::pair(bearing(), b)})
            pasted ? paste(box, text) : type(box, text);
        QGuiApplication::clipboard()->setText(u"77"_s);
        year()->setFocus();
        press(keys);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"77"_s);
        QCOMPARE(year()->text() + '|' + bearing()->text(), texts);
        QCOMPARE(m_doubles->beeps, beeps);
        QCOMPARE(button("btnCalculate")->isEnabled(), valid);
        QTest::keyClick(bearing(), Qt::Key_Return);
        QTest::keyClick(year(), Qt::Key_C, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(find<QLabel>("lblTime", 0)->text().isEmpty(), !valid);
        QCOMPARE(m_doubles->printer.pages, 0);
    }

    // The annual stars, on from February 2000, follow the picker's month when Calculate runs
    // and when the user steps it, not when the program writes it; the edit keeps them, and
    // they hide with the picker.
    void workedCharts_data() { addRows(Worked); }
    void workedCharts()
    {
        const auto &[name, y, b, route, expected, grey, edit, cleared] = current(Worked);
        auto *picker = find<platform::DatePicker>("dtDatePicker");
        picker->setValue(QDate(2000, 2, 20));
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        picker->setValue(QDate(2000, 1, 20));
        QCOMPARE(stars("lblAnnual"), u"912345678"_s);
        type(year(), y), type(bearing(), b);
        year()->setFocus();
        route == Click ? QTest::mouseClick(button("btnCalculate"), Qt::LeftButton) : press({route});
        QTRY_COMPARE(chart(), expected);
        for (int i = 0; i < PalaceCount; ++i)
            QCOMPARE(find<platform::Shape>("shpPalace", i)->FillColor(),
                     i == grey ? 0xE0E0E0u : 0xFFFFFFu);
        QVERIFY(button("btnPrint")->isEnabled());
        year()->setFocus();
        press(edit);
        QCOMPARE(chart(), cleared ? u"//"_s : expected);
        QCOMPARE(QString::number(find<platform::Shape>("shpPalace", grey)->FillColor(), 16) +
                     find("lblTime", 3)->toolTip(),
                 cleared ? u"ffffff"_s : u"e0e0e0Time Star"_s);
        QCOMPARE(button("btnPrint")->isEnabled(), !cleared);
        QCOMPARE(stars("lblAnnual") + QString::number(annualShown()), u"1234567891"_s);
        picker->setFocus();
        picker->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(stars("lblAnnual"), u"912345678"_s);
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        QCOMPARE(picker->isEnabled() || annualShown(), false);
    }

    // With a chart shown, a key pressed on a control: the window closes, so the program ends,
    // and a late click does nothing; or it stays with the About box shown over it, or the
    // pages printed. Enter on a focused button presses that button, not the default one.
    void routes_data() { addRows(Routes); }
    void routes()
    {
        const auto &[name, focus, key, stays, modal, pages] = current(Routes);
        calculate();
        find(focus)->setFocus();
        QString shown;
        QTimer::singleShot(0, m_form.get(), [&shown] {
            if (QWidget *box = QApplication::activeModalWidget())
                shown = box->windowTitle(), box->close();
        });
        key == Click ? void(m_form->close()) : press({key});
        QTRY_COMPARE(m_form->isVisible(), stays);
        QCOMPARE(shown, modal);
        QCOMPARE(m_doubles->printer.pages, pages);
        button("btnCalculate")->click();
        QCOMPARE(chart(), u"891234567/321987654/456789123"_s);
    }

    // The window follows the chart: it fills on Calculate, follows the annual month and
    // clears on an edit; Copy as Text gives the tool's text of the same inputs.
    void chartDetails_data() { addRows(Details); }
    void chartDetails()
    {
        const auto &[name, y, b, month, before, ctrl, shown, stepped] = current(Details);
        const auto text = [this](const QString &name) { // a square's stars, and if it is sitting
            const QLabel *label = details()->findChild<QLabel *>(name);
            return label->text().simplified() + label->accessibleDescription().section(',', 3);
        };
        const auto reading = [&] {
            const bool leaning = details()->findChild<QWidget *>("replacement")->isVisible();
            return text("mountains") + '|' + text("lean").section(',', 0, 0) + '|' +
                   text("void").section(',', 0, 0) + '|' + text("standard0") + '/' +
                   text("standard5") + '|' + (leaning ? text("replacement0") : "-") + '|' +
                   text("monthly0");
        };
        auto *picker = find<platform::DatePicker>("dtDatePicker");
        picker->setValue(QDate(2026, std::max(month, 1), 15));
        if (month)
            QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        year()->setFocus();
        press({ctrl});
        QVERIFY(m_doubles->beeps == 1 && !details());
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
        QVERIFY(at(South).y() < at(Centre).y() && at(East).x() < at(West).x());

        auto *copy = details()->findChild<QPushButton *>("copyAsText");
        QTest::mouseClick(copy, Qt::LeftButton);
        const QString annual = u"%1/2026"_s.arg(month, 2, 10, QChar('0'));
        QProcess tool;
        tool.start(CHART_TOOL, QStringList{"--year", y, "--facing", b, "--annual", annual}.mid(
                                   0, month ? 6 : 4));
        QVERIFY(tool.waitForFinished());
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, QString::fromUtf8(tool.readAllStandardOutput()));
        const auto monthOf = month ? std::optional(report::MonthOfYear{month, 2026}) : std::nullopt;
        QCOMPARE(copied, report::chartText(report::readChart({y.toInt(), b, monthOf})));

        picker->setFocus();
        picker->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(reading().section('|', -1), stepped);
        QTest::keyClick(year(), Qt::Key_Backspace);
        QCOMPARE(reading() + QString::number(copy->isEnabled()), u"|||/|-|0"_s);
    }

    void accessibility_data() { addRows(Heard); }
    void accessibility()
    {
        const auto &[control, role, before, after] = current(Heard);
        find<platform::DatePicker>("dtDatePicker")->setValue(QDate(2000, 6, 1));
        type(year(), u"2004"_s);
        QAccessibleInterface *face =
            QAccessible::queryAccessibleInterface(m_form->findChild<QWidget *>(control));
        const auto heard = [face] {
            return face->text(QAccessible::Name) + '=' + face->text(QAccessible::Value);
        };
        QCOMPARE(face->role(), role);
        QCOMPARE(heard(), before);
        type(bearing(), u"180"_s);
        QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
        QCOMPARE(heard(), after);
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
            QTest::qWait(burst % 25 == 0 ? 150 : 1);
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
