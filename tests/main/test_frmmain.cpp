// The main window driven as a user drives it: key presses and clicks on the controls found by
// name, the chart read back from the labels, the screen and the screen reader.

#include "engine/chart.h"
#include "engine/numerictext.h"
#include "engine/validation.h"
#include "platform/checkbox.h"
#include "platform/datepicker.h"
#include "platform/keyascii.h"
#include "platform/textbox.h"
#include "support/doubles.h"
#include "ui/main/frmmain.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

using namespace orrindel;
using namespace Qt::StringLiterals;
using Keys = QList<QKeyCombination>;

namespace {

// Types each character; characters beyond ASCII arrive as an input method's text.
void type(QWidget *box, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(box, char(ch.unicode()));
        } else {
            QInputMethodEvent composed;
            composed.setCommitString(ch);
            QCoreApplication::sendEvent(box, &composed);
        }
    }
}

void press(QWidget *widget, const Keys &keys)
{
    for (const QKeyCombination key : keys)
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

// Pastes through the box's own context menu, which the key filter does not see.
void paste(QLineEdit *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->selectAll();
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    for (QAction *action : menu->actions())
        if (action->text().startsWith("&Paste"_L1))
            action->trigger();
}

bool dark(QColor colour)
{
    return colour.lightness() < 96;
}

// The chart the engine gives for the two texts, written as the window's chart() reads.
QString modelChart(const QString &year, const QString &bearing)
{
    Calc calc;
    calc.setYear(textToInteger(year.toStdString()));
    calc.setDegrees(textToSingle(bearing.toStdString()));
    const BuildingChart model = buildChart(calc);
    QStringList plates;
    for (const Stars &plate : {model.time, model.facing, model.mountain}) {
        QStringList digits;
        for (const std::int16_t star : plate)
            digits << QString::number(star);
        plates << digits.join(' ');
    }
    return plates.join(" / "_L1);
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestServices> m_doubles;
    std::unique_ptr<frmMain> m_form;

    template <typename T = QWidget> T *find(const char *name, int index = -1) const
    {
        return m_form->findChild<T *>(platform::controlName(name, index));
    }
    QLineEdit *year() const { return find<QLineEdit>("txtYear"); }
    QLineEdit *bearing() const { return find<QLineEdit>("txtFacing"); }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
    QString stars(const char *array) const
    {
        QStringList result;
        for (int i = 0; i < PalaceCount; ++i)
            result << find<QLabel>(array, i)->text();
        return result.join(' ');
    }
    QString chart() const
    {
        return stars("lblTime") + " / "_L1 + stars("lblFacing") + " / "_L1 + stars("lblMountain");
    }
    int shownAnnual() const
    {
        int shown = 0;
        for (int i = 0; i < PalaceCount; ++i)
            shown += find("lblAnnual", i)->isVisible();
        return shown;
    }
    void open()
    {
        m_form = std::make_unique<frmMain>(m_doubles->services);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void calculate(const QString &y, const QString &b)
    {
        type(year(), y);
        type(bearing(), b);
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
        m_doubles = std::make_unique<test::TestServices>();
        open();
    }
    void cleanup()
    {
        QVERIFY2(m_doubles->msgBox.boxes().empty(), "a message box was shown");
        m_form.reset();
        m_doubles.reset();
    }

    // The code KeyPress sees for a key and its text (-1: the key types no character).
    void keyCodes_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("keypad 7") << (Qt::KeypadModifier | Qt::Key_7) << u"7"_s << 55;
        QTest::newRow("Ctrl+Backspace") << (Qt::CTRL | Qt::Key_Backspace) << QString() << 127;
        QTest::newRow("Ctrl+Enter") << (Qt::CTRL | Qt::Key_Return) << QString() << 10;
        QTest::newRow("Ctrl+Shift+Z") << (Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << QString() << 26;
        QTest::newRow("Ctrl+1") << (Qt::CTRL | Qt::Key_1) << u"1"_s << -1;
        QTest::newRow("Delete") << QKeyCombination(Qt::Key_Delete) << u"\x7f"_s << -1;
        QTest::newRow("AltGr @") << (Qt::CTRL | Qt::ALT | Qt::Key_At) << u"@"_s << 64;
        QTest::newRow("euro") << QKeyCombination(Qt::Key_unknown) << u"\u20ac"_s << 128;
        QTest::newRow("Arabic one") << QKeyCombination(Qt::Key_unknown) << u"\u0661"_s << 63;
    }
    void keyCodes()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
        QCOMPARE(platform::keyAscii(event).value_or(-1), code);
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

    // Typed into one box, then the keys pressed there, with "77" on the clipboard.
    void keyFilter_data()
    {
        QTest::addColumn<bool>("inYear");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        const QKeyCombination selectAll = Qt::SHIFT | Qt::Key_Home;
        QTest::newRow("year: letter, sign, point")
            << true << u"2a0-0.4"_s << Keys{} << u"2004"_s << 3;
        QTest::newRow("year: five digits") << true << u"20045"_s << Keys{} << u"2004"_s << 0;
        QTest::newRow("year: foreign")
            << true << u"2\u06600\u00e90\u20194"_s << Keys{} << u"2004"_s << 3;
        QTest::newRow("bearing: -, space, comma, e")
            << false << u"-1 8,0e"_s << Keys{} << u"180"_s << 4;
        QTest::newRow("bearing: points") << false << u"1.8.0"_s << Keys{} << u"1.8.0"_s << 0;
        QTest::newRow("bearing: six") << false << u"359.95"_s << Keys{} << u"359.9"_s << 0;
        QTest::newRow("Ctrl+V") << true << u"20"_s << Keys{Qt::CTRL | Qt::Key_V} << u"20"_s << 1;
        QTest::newRow("Ctrl+C") << false << u"20"_s << Keys{selectAll, Qt::CTRL | Qt::Key_C}
                                << u"20"_s << 1;
        QTest::newRow("Ctrl+X") << true << u"20"_s << Keys{selectAll, Qt::CTRL | Qt::Key_X}
                                << u"20"_s << 1;
        QTest::newRow("Backspace") << true << u"20"_s << Keys{Qt::Key_Backspace} << u"2"_s << 0;
        QTest::newRow("Left, Delete")
            << false << u"20"_s << Keys{Qt::Key_Left, Qt::Key_Delete, Qt::Key_1} << u"21"_s << 0;
        QTest::newRow("Alt+Q, Alt+5")
            << true << u"20"_s << Keys{Qt::ALT | Qt::Key_Q, Qt::ALT | Qt::Key_5} << u"20"_s << 0;
    }
    void keyFilter()
    {
        QFETCH(bool, inYear);
        QFETCH(QString, typed);
        QFETCH(Keys, keys);
        QGuiApplication::clipboard()->setText(u"77"_s);
        QLineEdit *box = inYear ? year() : bearing();
        box->setFocus();
        type(box, typed);
        press(box, keys);
        QTEST(box->text(), "text");
        QTEST(m_doubles->beep.count(), "beeps");
        QCOMPARE(QGuiApplication::clipboard()->text(), u"77"_s);
    }

    // Typed, or pasted past the key filter; the boxes keep at most four and five characters.
    void validation_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("year 64") << false << u"64"_s << u"180"_s << false;
        QTest::newRow("year 65") << false << u"65"_s << u"180"_s << true;
        QTest::newRow("no year") << false << QString() << u"180"_s << false;
        QTest::newRow("bearing 0") << false << u"2004"_s << u"0"_s << true;
        QTest::newRow("bearing 359.9") << false << u"2004"_s << u"359.9"_s << true;
        QTest::newRow("bearing 360") << false << u"2004"_s << u"360"_s << false;
        QTest::newRow("bearing 1.2.3") << false << u"2004"_s << u"1.2.3"_s << false;
        QTest::newRow("no bearing") << false << u"2004"_s << QString() << false;
        QTest::newRow("pasted 1e3") << true << u"1e3"_s << u"180"_s << false;
        QTest::newRow("pasted Arabic")
            << true << u"\u0661\u0662\u0660\u0660"_s << u"180"_s << false;
        QTest::newRow("pasted 64.5") << true << u"64.5"_s << u"90.50"_s << true;
        QTest::newRow("pasted -5") << true << u"2004"_s << u"-5"_s << false;
        QTest::newRow("pasted, cut") << true << u"99999"_s << u"359.95"_s << true;
    }
    void validation()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, y);
        QFETCH(QString, b);
        QFETCH(bool, enabled);
        if (pasted) {
            paste(year(), y);
            paste(bearing(), b);
        } else {
            type(year(), y);
            type(bearing(), b);
        }
        QCOMPARE(year()->text() + '|' + bearing()->text(), y.left(4) + '|' + b.left(5));
        QCOMPARE(button("btnCalculate")->isEnabled(), enabled);
        // Enter, and a late access-key click, calculate only valid input.
        QTest::keyClick(bearing(), Qt::Key_Return);
        QTest::keyClick(year(), Qt::Key_C, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(find<QLabel>("lblTime", 0)->text().isEmpty(), !enabled);
        QCOMPARE(m_doubles->beep.count(), 0);
    }

    // Each chart asked for by another route. Stars are time / facing / mountain.
    void workedCharts_data()
    {
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QKeyCombination>("route"); // none: a click
        QTest::addColumn<QString>("stars");
        QTest::addColumn<int>("grey");
        QTest::newRow("2004 S click")
            << u"2004"_s << u"180"_s << QKeyCombination()
            << u"8 9 1 2 3 4 5 6 7 / 3 2 1 9 8 7 6 5 4 / 4 5 6 7 8 9 1 2 3"_s << 5;
        QTest::newRow("1990 NE Enter")
            << u"1990"_s << u"45"_s << QKeyCombination(Qt::Key_Return)
            << u"7 8 9 1 2 3 4 5 6 / 1 9 8 7 6 5 4 3 2 / 4 5 6 7 8 9 1 2 3"_s << 6;
        QTest::newRow("2010 N keypad Enter")
            << u"2010"_s << u"10"_s << (Qt::KeypadModifier | Qt::Key_Enter)
            << u"8 9 1 2 3 4 5 6 7 / 4 5 6 7 8 9 1 2 3 / 3 2 1 9 8 7 6 5 4"_s << 4;
        QTest::newRow("1950 NW Alt+C")
            << u"1950"_s << u"300"_s << (Qt::ALT | Qt::Key_C)
            << u"5 6 7 8 9 1 2 3 4 / 6 5 4 3 2 1 9 8 7 / 4 3 2 1 9 8 7 6 5"_s << 8;
        QTest::newRow("2004 SW, a 5")
            << u"2004"_s << u"225"_s << QKeyCombination()
            << u"8 9 1 2 3 4 5 6 7 / 5 6 7 8 9 1 2 3 4 / 2 3 4 5 6 7 8 9 1"_s << 3;
    }
    void workedCharts()
    {
        QFETCH(QString, y);
        QFETCH(QString, b);
        QFETCH(QKeyCombination, route);
        QFETCH(int, grey);
        type(year(), y);
        type(bearing(), b);
        if (route == QKeyCombination())
            QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
        else
            press(year(), {route});
        QFETCH(QString, stars);
        QTRY_COMPARE(chart(), stars);
        for (int i = 0; i < PalaceCount; ++i) {
            QCOMPARE(find<platform::Shape>("shpPalace", i)->FillColor(),
                     i == grey ? 0xE0E0E0u : 0xFFFFFFu);
            QCOMPARE(find("lblTime", i)->toolTip() + find("lblFacing", i)->toolTip() +
                         find("lblMountain", i)->toolTip(),
                     u"Time StarFacing StarMountain Star"_s);
        }
        QVERIFY(button("btnPrint")->isEnabled());
        QCOMPARE(shownAnnual(), 0);
    }

    void editClearsChart_data()
    {
        QTest::addColumn<bool>("inYear");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("year digit")
            << true << Keys{Qt::Key_Backspace, Qt::Key_5} << QString() << true;
        QTest::newRow("bearing digit") << false << Keys{Qt::Key_5} << QString() << true;
        QTest::newRow("year pasted") << true << Keys{} << u"1990"_s << true;
        QTest::newRow("refused key") << true << Keys{Qt::Key_X} << QString() << false;
        QTest::newRow("cursor key") << false << Keys{Qt::Key_Left} << QString() << false;
    }
    void editClearsChart()
    {
        QFETCH(bool, inYear);
        QFETCH(QString, pasted);
        QFETCH(bool, cleared);
        find<platform::DatePicker>("dtDatePicker")->setValue(QDate(2000, 6, 1));
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        calculate(u"2004"_s, u"180"_s);
        QFETCH(Keys, keys);
        QLineEdit *box = inYear ? year() : bearing();
        press(box, keys);
        if (!pasted.isEmpty())
            paste(box, pasted);
        const QString before = u"8 9 1 2 3 4 5 6 7 / 3 2 1 9 8 7 6 5 4 / 4 5 6 7 8 9 1 2 3"_s;
        QCOMPARE(chart(), cleared ? u"         /          /         "_s : before);
        QCOMPARE(find("lblTime", 3)->toolTip().isEmpty(), cleared);
        QCOMPARE(find<platform::Shape>("shpPalace", 5)->FillColor(),
                 cleared ? 0xFFFFFFu : 0xE0E0E0u);
        QCOMPARE(button("btnPrint")->isEnabled(), !cleared);
        QCOMPARE(stars("lblAnnual"), u"9 1 2 3 4 5 6 7 8"_s); // the annual stars stay
        QCOMPARE(shownAnnual(), 9);
    }

    // The picker starts on February or January, and one step of its month changes the year
    // of the annual stars as the calendar year does.
    void annualStars_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("centre");
        QTest::newRow("to January 2000") << QDate(2000, 2, 10) << int(Qt::Key_Down) << u"1"_s;
        QTest::newRow("to January 2025") << QDate(2025, 2, 10) << int(Qt::Key_Down) << u"3"_s;
        QTest::newRow("to February 2025") << QDate(2025, 1, 10) << int(Qt::Key_Up) << u"2"_s;
    }
    void annualStars()
    {
        QFETCH(QDate, start);
        auto *picker = find<platform::DatePicker>("dtDatePicker");
        picker->setValue(QDate(2000, 6, 15));
        QTest::keyClick(year(), Qt::Key_V, Qt::AltModifier); // focuses the box, no click
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(stars("lblAnnual"), u"9 1 2 3 4 5 6 7 8"_s);
        QCOMPARE(shownAnnual(), 9);
        picker->setValue(start); // the program's own write raises no change
        QCOMPARE(stars("lblAnnual"), u"9 1 2 3 4 5 6 7 8"_s);
        picker->setFocus();
        picker->setCurrentSection(QDateTimeEdit::MonthSection);
        QFETCH(int, key);
        QTest::keyClick(picker, Qt::Key(key));
        QTEST(find<QLabel>("lblAnnual", 0)->text(), "centre");
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        QVERIFY(!picker->isEnabled());
        QCOMPARE(shownAnnual(), 0);
        picker->setValue(QDate(2000, 1, 20));
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        calculate(u"2004"_s, u"180"_s); // recomputes them last
        QCOMPARE(stars("lblAnnual"), u"1 2 3 4 5 6 7 8 9"_s);
    }

    // An access key clicks its button about 0.1 s late; an edit in between that clears the
    // chart or spoils the input must leave nothing calculated or printed.
    void lateAccessKeys_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<bool>("inYear");
        QTest::newRow("Alt+C, Backspace in the year") << (Qt::ALT | Qt::Key_C) << true;
        QTest::newRow("Alt+P, Backspace in the bearing") << (Qt::ALT | Qt::Key_P) << false;
    }
    void lateAccessKeys()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(bool, inYear);
        const bool print = key.key() == Qt::Key_P;
        if (print)
            calculate(u"2004"_s, u"180"_s);
        else
            type(year(), u"2004"_s), type(bearing(), u"180"_s);
        year()->setFocus();
        year()->selectAll();
        press(year(), {key});
        press(inYear ? year() : bearing(), {Qt::Key_Backspace});
        QTest::qWait(300);
        QVERIFY(find<QLabel>("lblTime", 0)->text().isEmpty());
        QCOMPARE(m_doubles->printer.attempts(), 0);
        QVERIFY(m_form->isVisible());
    }

    // Enter on a focused button presses that button, not the default one.
    void enterOnFocusedButton()
    {
        calculate(u"2004"_s, u"180"_s);
        button("btnPrint")->setFocus();
        QTest::keyClick(button("btnPrint"), Qt::Key_Return);
        QCOMPARE(m_doubles->printer.attempts(), 1);
        const auto &page = m_doubles->printer.pages().at(0).captions;
        QCOMPARE(page.at(u"lblYear"_s) + page.at(u"lblTime(0)"_s), u"20048"_s);
        m_doubles->printer.setFailing(true);
        m_doubles->msgBox.expect(1);
        QTest::keyClick(button("btnPrint"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_doubles->msgBox.boxes().size(), std::size_t(1));
        m_doubles->msgBox.clear();
        QCOMPARE(chart(), u"8 9 1 2 3 4 5 6 7 / 3 2 1 9 8 7 6 5 4 / 4 5 6 7 8 9 1 2 3"_s);
        button("Command1")->setFocus();
        QTest::keyClick(button("Command1"), Qt::Key_Return);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_doubles->printer.attempts(), 2);
    }

    // Every route out ends the event loop by itself; a late click after it does nothing.
    void exitRoutes_data()
    {
        QTest::addColumn<QKeyCombination>("key"); // none: the title bar's close
        QTest::newRow("Alt+X") << (Qt::ALT | Qt::Key_X);
        QTest::newRow("Ctrl+Q") << (Qt::CTRL | Qt::Key_Q);
        QTest::newRow("close") << QKeyCombination();
    }
    void exitRoutes()
    {
        QFETCH(QKeyCombination, key);
        type(year(), u"2004"_s);
        type(bearing(), u"180"_s);
        QTimer::singleShot(0, m_form.get(), [&] {
            if (key == QKeyCombination())
                m_form->close();
            else
                press(year(), {key});
        });
        QTimer::singleShot(5000, m_form.get(), [] { QCoreApplication::exit(1); });
        QApplication::setQuitOnLastWindowClosed(true);
        const int exitCode = QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(false);
        QCOMPARE(exitCode, 0);
        button("btnCalculate")->click();
        QVERIFY(find<QLabel>("lblTime", 0)->text().isEmpty());
    }

    void aboutBox()
    {
        QString shown;
        QTimer::singleShot(0, m_form.get(), [&shown] {
            if (QWidget *modal = QApplication::activeModalWidget())
                shown = modal->windowTitle(), modal->close();
        });
        QTest::keyClick(year(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(shown, u"About Orrindel"_s);
        QCOMPARE(m_doubles->beep.count(), 0);
    }

    // What a screen reader hears, before and after Calculate (2004, facing 180).
    void accessibility_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const auto row = [](const char *control, const char *name, QAccessible::Role role,
                            const QString &before, const QString &after) {
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(name)
                                   << int(role) << before << after;
        };
        const QString none = u"No chart is shown"_s;
        row("txtYear", "Year of Construction:", QAccessible::EditableText, u"2004"_s, u"2004"_s);
        row("txtFacing", "Facing Degree:", QAccessible::EditableText, QString(), u"180"_s);
        row("chkDate", "View annual stars", QAccessible::CheckBox, QString(), QString());
        row("dtDatePicker", "Annual stars month", QAccessible::SpinBox, u"06/2000"_s, u"06/2000"_s);
        row("lblMountain(8)", "Mountain star, south-east", QAccessible::StaticText, none, u"3"_s);
        row("lblFacing(4)", "Facing star, south", QAccessible::StaticText, none, u"8"_s);
        row("lblTime(0)", "Time star, centre", QAccessible::StaticText, none, u"8"_s);
        row("shpPalace(5)", "North palace", QAccessible::Graphic, QString(), QString());
        row("btnPrint", "Print Chart", QAccessible::Button, QString(), QString());
        row("mnuFile", "Exit", QAccessible::MenuItem, QString(), QString());
    }
    void accessibility()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QString, before);
        QFETCH(QString, after);
        find<platform::DatePicker>("dtDatePicker")->setValue(QDate(2000, 6, 1));
        type(year(), u"2004"_s);
        QAccessibleInterface *face =
            QAccessible::queryAccessibleInterface(m_form->findChild<QWidget *>(control));
        if (control == "mnuFile"_L1)
            face = face->child(0);
        QCOMPARE(int(face->role()), role);
        QCOMPARE(face->text(QAccessible::Name) + '=' + face->text(QAccessible::Value),
                 name + '=' + before);
        type(bearing(), u"180"_s);
        QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
        if (control == "shpPalace(5)"_L1)
            name += ", sitting palace"_L1;
        QCOMPARE(face->text(QAccessible::Name) + '=' + face->text(QAccessible::Value),
                 name + '=' + after);
    }

    // Under a dark desktop scheme the white boxes keep black text and the squares black
    // outlines.
    void darkPalette()
    {
        const QPalette light = QApplication::palette();
        QPalette darkScheme(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
        darkScheme.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
        darkScheme.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
        QApplication::setPalette(darkScheme);
        open();
        calculate(u"2004"_s, u"180"_s);
        const QImage box = year()->grab().toImage();
        bool text = false;
        for (int x = 4; x < box.width() - 4; ++x)
            text |= dark(box.pixelColor(x, box.height() / 2));
        const QRect square = find("shpPalace", 5)->geometry();
        const QImage grid = find("fraChart")->grab().toImage();
        const QPoint sides[] = {{square.center().x(), square.top()},
                                {square.center().x(), square.bottom()},
                                {square.left(), square.center().y()},
                                {square.right(), square.center().y()}};
        QApplication::setPalette(light);
        QVERIFY(text);
        for (const QPoint side : sides)
            QVERIFY2(dark(grid.pixelColor(side)), qPrintable(QString::number(side.y())));
        QVERIFY(!dark(grid.pixelColor(square.center() + QPoint(0, 4))));
    }

    // At any scale the window keeps its proportions and every caption fits its label.
    void scaled()
    {
        const QImage shot = m_form->grab().toImage();
        QCOMPARE(shot.size(), m_form->size() * m_form->devicePixelRatio());
        for (const QLabel *label : m_form->findChildren<QLabel *>())
            QVERIFY2(label->wordWrap() || label->sizeHint().width() <= label->width() + 1,
                     qPrintable(label->objectName()));
    }

    // Seeded random typing with timers let run between bursts; after each burst the window
    // must hold what its inputs say.
    void randomKeys()
    {
        const Keys keys = {Qt::Key_0,
                           Qt::Key_1,
                           Qt::Key_2,
                           Qt::Key_4,
                           Qt::Key_9,
                           Qt::Key_Period,
                           Qt::Key_Minus,
                           Qt::Key_A,
                           Qt::Key_Backspace,
                           Qt::Key_Delete,
                           Qt::Key_Home,
                           Qt::Key_End,
                           Qt::Key_Tab,
                           Qt::SHIFT | Qt::Key_Backtab,
                           Qt::Key_Return,
                           Qt::KeypadModifier | Qt::Key_Enter,
                           Qt::ALT | Qt::Key_C,
                           Qt::ALT | Qt::Key_Y,
                           Qt::ALT | Qt::Key_D,
                           Qt::ALT | Qt::Key_V,
                           Qt::Key_Space,
                           Qt::Key_Up,
                           Qt::Key_Down,
                           Qt::CTRL | Qt::Key_C,
                           Qt::CTRL | Qt::Key_V,
                           Qt::CTRL | Qt::Key_X,
                           Qt::CTRL | Qt::Key_Z};
        QRandomGenerator random(20261207);
        QString calculatedFrom; // the inputs of the chart on show
        int charts = 0;
        const auto watch = [&] {
            connect(year(), &QLineEdit::textChanged, m_form.get(), [&] { calculatedFrom.clear(); });
            connect(bearing(), &QLineEdit::textChanged, m_form.get(),
                    [&] { calculatedFrom.clear(); });
            connect(find<platform::Label>("lblMountain", 8), &platform::Label::Change, m_form.get(),
                    [&] { calculatedFrom = year()->text() + '|' + bearing()->text(); });
        };
        watch();
        for (int burst = 0; burst < 250; ++burst) {
            for (int i = 0; i < 12; ++i) {
                const QKeyCombination key = keys[random.bounded(int(keys.size()))];
                QWidget *focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : m_form.get(), key.key(), key.keyboardModifiers());
            }
            QTest::qWait(burst % 25 == 0 ? 150 : 1);
            if (!m_form->isVisible()) { // Enter on a focused Exit button
                open();
                watch();
            }
            const QString y = year()->text(), b = bearing()->text();
            QCOMPARE(button("btnCalculate")->isEnabled(),
                     isValidYearText(y.toStdString()) && isValidBearingText(b.toStdString()));
            QCOMPARE(shownAnnual() == 9, find("dtDatePicker")->isEnabled());
            QCOMPARE(shownAnnual() % 9, 0);
            const bool shown = !find<QLabel>("lblTime", 0)->text().isEmpty();
            QCOMPARE(shown, calculatedFrom == y + '|' + b);
            if (shown)
                QCOMPARE(chart(), modelChart(y, b));
            charts += shown;
        }
        QVERIFY(charts > 0 && m_doubles->beep.count() > 0);
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
