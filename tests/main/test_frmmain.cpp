// The main window driven as a user drives it: key presses and clicks on the controls found by
// name, the chart read back from the labels, the screen and the screen reader.

#include "engine/chart.h"
#include "engine/numerictext.h"
#include "engine/validation.h"
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

const QString Chart2004 = u"891234567/321987654/456789123"_s;

// Types each character; characters beyond ASCII arrive as an input method's text.
void type(QWidget *box, const QString &text)
{
    for (const QChar ch : text) {
        QInputMethodEvent composed;
        composed.setCommitString(ch);
        if (ch.unicode() < 0x80)
            QTest::keyClick(box, char(ch.unicode()));
        else
            QCoreApplication::sendEvent(box, &composed);
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

// The chart the engine gives for the two texts, written as chart() reads the window.
QString modelChart(const QString &year, const QString &bearing)
{
    Calc calc;
    calc.setYear(textToInteger(year.toStdString()));
    calc.setDegrees(textToSingle(bearing.toStdString()));
    const BuildingChart model = buildChart(calc);
    QString text;
    for (const Stars &plate : {model.time, model.facing, model.mountain}) {
        for (const std::int16_t star : plate)
            text += QString::number(star);
        text += '/';
    }
    return text.chopped(1);
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
        return result.join(QString());
    }
    // Time / facing / mountain stars, a digit per palace.
    QString chart() const
    {
        return stars("lblTime") + '/' + stars("lblFacing") + '/' + stars("lblMountain");
    }
    int shownAnnual() const
    {
        int shown = 0;
        for (int i = 0; i < PalaceCount; ++i)
            shown += find("lblAnnual", i)->isVisible();
        return shown;
    }
    unsigned fill(int palace) const
    {
        return find<platform::Shape>("shpPalace", palace)->FillColor();
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
        const auto row = [](const char *name, QKeyCombination key, const QString &text, int code) {
            QTest::newRow(name) << key << text << code;
        };
        row("Ctrl+Backspace", Qt::CTRL | Qt::Key_Backspace, QString(), 127);
        row("Ctrl+Enter", Qt::CTRL | Qt::Key_Return, QString(), 10);
        row("Ctrl+Shift+Z", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, QString(), 26);
        row("AltGr @", Qt::CTRL | Qt::ALT | Qt::Key_At, u"@"_s, 64);
        row("euro", QKeyCombination(Qt::Key_unknown), u"\u20ac"_s, 128);
    }
    void keyCodes()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, text);
        const QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
        QTEST(int(platform::keyAscii(event).value_or(-1)), "code");
    }

    // Every Windows-1252 code comes back from its character, but for the five it lacks.
    void windows1252()
    {
        int lacking = 0;
        for (int code = 32; code <= 255; ++code) {
            const QChar ch = platform::fromWindows1252(std::int16_t(code));
            lacking += ch == QChar(QChar::ReplacementCharacter);
            QVERIFY(ch == QChar(QChar::ReplacementCharacter) ||
                    platform::toWindows1252(ch) == code);
        }
        QCOMPARE(lacking, 5);
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

    // Both boxes typed or pasted past the key filter, then keys pressed in the year box, with
    // "77" on the clipboard. The boxes keep at most four and five characters; Enter, and an
    // access key's late click, calculate valid input only.
    void typing_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("b");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<bool>("valid");
        const auto row = [](const char *name, bool pasted, const QString &y, const QString &b,
                            const Keys &keys, const char *texts, int beeps, bool valid) {
            QTest::newRow(name) << pasted << y << b << keys << QString::fromUtf8(texts) << beeps
                                << valid;
        };
        const QKeyCombination all = Qt::SHIFT | Qt::Key_Home;
        row("year: letter, sign, point", false, u"2a0-0.4"_s, u"0"_s, {}, "2004|0", 3, true);
        row("year: five digits", false, u"20045"_s, u"359.9"_s, {}, "2004|359.9", 0, true);
        row("year: foreign", false, u"2\u06600\u00e90\u20194"_s, u"1"_s, {}, "2004|1", 3, true);
        row("bearing: -, space, comma, e", false, u"65"_s, u"-1 8,0e"_s, {}, "65|180", 4, true);
        row("bearing: six", false, u"2004"_s, u"359.95"_s, {}, "2004|359.9", 0, true);
        row("bearing 360", false, u"2004"_s, u"360"_s, {}, "2004|360", 0, false);
        row("Ctrl+V", false, u"20"_s, u"1"_s, {Qt::CTRL | Qt::Key_V}, "20|1", 1, false);
        row("Ctrl+X", false, u"2004"_s, u"1"_s, {all, Qt::CTRL | Qt::Key_X}, "2004|1", 1, true);
        row("Backspace", false, u"2004"_s, u"1"_s, {Qt::Key_Backspace}, "200|1", 0, true);
        row("Alt+D, then a digit", false, u"2004"_s, u"1"_s, {Qt::ALT | Qt::Key_D, Qt::Key_5},
            "2004|5", 0, true);
        row("no year", false, u"2"_s, u"1"_s, {Qt::Key_Backspace}, "|1", 0, false);
        row("Left, Delete", false, u"20"_s, u"1"_s, {Qt::Key_Left, Qt::Key_Delete, Qt::Key_6},
            "26|1", 0, false);
        row("Alt+Q, Alt+5", false, u"2004"_s, u"1"_s, {Qt::ALT | Qt::Key_Q, Qt::ALT | Qt::Key_5},
            "2004|1", 0, true);
        row("pasted 1e3", true, u"1e3"_s, u"180"_s, {}, "1e3|180", 0, false);
        row("pasted 64.5", true, u"64.5"_s, u"90.50"_s, {}, "64.5|90.50", 0, true);
        row("pasted -5", true, u"2004"_s, u"-5"_s, {}, "2004|-5", 0, false);
        row("pasted, cut", true, u"99999"_s, u"359.95"_s, {}, "9999|359.9", 0, true);
    }
    void typing()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, y);
        QFETCH(QString, b);
        QFETCH(bool, valid);
        QGuiApplication::clipboard()->setText(u"77"_s);
        if (pasted)
            paste(year(), y), paste(bearing(), b);
        else
            type(year(), y), type(bearing(), b);
        QGuiApplication::clipboard()->setText(u"77"_s);
        QFETCH(Keys, keys);
        year()->setFocus();
        for (const QKeyCombination key : keys) // where the focus is, as a person types
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"77"_s);
        QTEST(year()->text() + '|' + bearing()->text(), "texts");
        QTEST(m_doubles->beeps, "beeps");
        QCOMPARE(button("btnCalculate")->isEnabled(), valid);
        QTest::keyClick(bearing(), Qt::Key_Return);
        QTest::keyClick(year(), Qt::Key_C, Qt::AltModifier);
        QTest::qWait(200);
        QCOMPARE(find<QLabel>("lblTime", 0)->text().isEmpty(), !valid);
    }

    // Each chart asked for by another route (none: a click), then one edit that clears it or
    // not. The annual stars are on: recomputed by Calculate, kept by the edit.
    void workedCharts_data()
    {
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QKeyCombination>("route");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("grey");
        QTest::addColumn<Keys>("edit");
        QTest::addColumn<bool>("cleared");
        const auto row = [](const char *name, const char *y, const char *b, QKeyCombination route,
                            const char *expected, int grey, const Keys &edit, bool cleared) {
            QTest::newRow(name) << QString::fromLatin1(y) << QString::fromLatin1(b) << route
                                << QString::fromLatin1(expected) << grey << edit << cleared;
        };
        row("2004 S, click; year digit", "2004", "180", {}, "891234567/321987654/456789123", 5,
            {Qt::Key_Backspace}, true);
        row("1990 NE, Enter; refused key", "1990", "45", Qt::Key_Return,
            "789123456/198765432/456789123", 6, {Qt::Key_X}, false);
        row("2010 N, keypad Enter; cursor", "2010", "10", Qt::KeypadModifier | Qt::Key_Enter,
            "891234567/456789123/321987654", 4, {Qt::Key_Home}, false);
        row("1950 NW, Alt+C; year digit", "1950", "300", Qt::ALT | Qt::Key_C,
            "567891234/654321987/432198765", 8, {Qt::Key_Backspace, Qt::Key_5}, true);
        row("2004 SW, a 5; nothing", "2004", "225", {}, "891234567/567891234/234567891", 3, {},
            false);
    }
    void workedCharts()
    {
        QFETCH(QString, y);
        QFETCH(QString, b);
        QFETCH(QKeyCombination, route);
        QFETCH(QString, expected);
        QFETCH(int, grey);
        QFETCH(Keys, edit);
        QFETCH(bool, cleared);
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        find<platform::DatePicker>("dtDatePicker")->setValue(QDate(2000, 1, 20));
        type(year(), y), type(bearing(), b);
        if (route == QKeyCombination())
            QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
        else
            press(year(), {route});
        QTRY_COMPARE(chart(), expected);
        for (int i = 0; i < PalaceCount; ++i) {
            QCOMPARE(fill(i), i == grey ? 0xE0E0E0u : 0xFFFFFFu);
            QCOMPARE(find("lblTime", i)->toolTip() + find("lblFacing", i)->toolTip() +
                         find("lblMountain", i)->toolTip(),
                     u"Time StarFacing StarMountain Star"_s);
        }
        QVERIFY(button("btnPrint")->isEnabled());
        QCOMPARE(stars("lblAnnual"), u"123456789"_s);
        press(year(), edit);
        QCOMPARE(chart(), cleared ? u"//"_s : expected);
        QCOMPARE(QString::number(fill(grey), 16) + find("lblTime", 3)->toolTip(),
                 cleared ? u"ffffff"_s : u"e0e0e0Time Star"_s);
        QCOMPARE(button("btnPrint")->isEnabled(), !cleared);
        QCOMPARE(stars("lblAnnual") + QString::number(shownAnnual()), u"1234567899"_s);
    }

    // One step of the picker's month changes the annual stars as the calendar year does.
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
        QFETCH(int, key);
        auto *picker = find<platform::DatePicker>("dtDatePicker");
        picker->setValue(QDate(2000, 6, 15));
        QTest::keyClick(year(), Qt::Key_V, Qt::AltModifier); // focuses the box, no click
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(stars("lblAnnual") + QString::number(shownAnnual()), u"9123456789"_s);
        picker->setValue(start); // the program's own write raises no change
        QCOMPARE(stars("lblAnnual"), u"912345678"_s);
        picker->setFocus();
        picker->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(picker, Qt::Key(key));
        QTEST(find<QLabel>("lblAnnual", 0)->text(), "centre");
        QTest::mouseClick(find("chkDate"), Qt::LeftButton);
        QCOMPARE(picker->isEnabled() + shownAnnual(), 0);
    }

    // An access key clicks about 0.1 s late; an edit in between that spoils the input or
    // clears the chart leaves nothing calculated or printed, and no error.
    void lateAccessKeys_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("Alt+C, Backspace in the year") << (Qt::ALT | Qt::Key_C);
        QTest::newRow("Alt+P, Backspace in the bearing") << (Qt::ALT | Qt::Key_P);
    }
    void lateAccessKeys()
    {
        QFETCH(QKeyCombination, key);
        const bool print = key.key() == Qt::Key_P;
        type(year(), u"2004"_s);
        type(bearing(), u"180"_s);
        if (print)
            QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
        year()->setFocus();
        year()->selectAll();
        press(year(), {key});
        press(print ? bearing() : year(), {Qt::Key_Backspace});
        QTest::qWait(300);
        QVERIFY(find<QLabel>("lblTime", 0)->text().isEmpty());
        QCOMPARE(m_doubles->printer.attempts, 0);
    }

    // Enter on a focused button presses that button, not the default one.
    void enterOnFocusedButton()
    {
        calculate(u"2004"_s, u"180"_s);
        QTest::keyClick(button("btnPrint"), Qt::Key_Return);
        const auto &page = m_doubles->printer.pages.at(0);
        QCOMPARE(page.at(u"lblYear"_s) + page.at(u"lblTime(0)"_s), u"20048"_s);
        m_doubles->printer.failing = true;
        m_doubles->msgBox.expect(1);
        QTest::keyClick(button("btnPrint"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_doubles->msgBox.boxes().size(), std::size_t(1));
        m_doubles->msgBox.clear();
        QCOMPARE(chart(), Chart2004);
        QTest::keyClick(button("Command1"), Qt::Key_Return);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_doubles->printer.attempts, 2);
    }

    // Every route out closes the only window, so the program ends; a late click does nothing.
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
        type(year(), u"2004"_s), type(bearing(), u"180"_s);
        if (key == QKeyCombination())
            m_form->close();
        else
            press(year(), {key});
        QTRY_VERIFY(!m_form->isVisible());
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
    }

    // What a screen reader hears: name = value, before and after Calculate (2004, 180).
    void accessibility_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const auto row = [](const char *control, QAccessible::Role role, const char *before,
                            const char *after) {
            QTest::newRow(control) << QString::fromLatin1(control) << int(role)
                                   << QString::fromUtf8(before) << QString::fromUtf8(after);
        };
        row("txtFacing", QAccessible::EditableText, "Facing Degree:=", "Facing Degree:=180");
        row("chkDate", QAccessible::CheckBox, "View annual stars=", "View annual stars=");
        row("dtDatePicker", QAccessible::SpinBox, "Annual stars month=06/2000",
            "Annual stars month=06/2000");
        row("lblMountain(8)", QAccessible::StaticText,
            "Mountain star, south-east=No chart is shown", "Mountain star, south-east=3");
        row("shpPalace(5)", QAccessible::Graphic, "North palace=", "North palace, sitting palace=");
        row("btnPrint", QAccessible::Button, "Print Chart=", "Print Chart=");
    }
    void accessibility()
    {
        QFETCH(QString, control);
        find<platform::DatePicker>("dtDatePicker")->setValue(QDate(2000, 6, 1));
        type(year(), u"2004"_s);
        QAccessibleInterface *face =
            QAccessible::queryAccessibleInterface(m_form->findChild<QWidget *>(control));
        if (control == "mnuFile"_L1)
            face = face->child(0);
        const auto heard = [face] {
            return face->text(QAccessible::Name) + '=' + face->text(QAccessible::Value);
        };
        QTEST(int(face->role()), "role");
        QTEST(heard(), "before");
        type(bearing(), u"180"_s);
        QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
        QTEST(heard(), "after");
    }

    // Under a dark desktop scheme the white boxes keep black text and the squares black
    // outlines.
    void darkPalette()
    {
        const QPalette light = QApplication::palette();
        QPalette scheme(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
        scheme.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
        scheme.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
        QApplication::setPalette(scheme);
        open();
        calculate(u"2004"_s, u"180"_s);
        const QImage box = year()->grab().toImage();
        bool text = false;
        for (int x = 4; x < box.width() - 4; ++x)
            text |= dark(box.pixelColor(x, box.height() / 2));
        const QRect square = find("shpPalace", 5)->geometry();
        const QImage grid = find("fraChart")->grab().toImage();
        QApplication::setPalette(light);
        QVERIFY(text);
        const QPoint c = square.center();
        for (const QPoint side : {QPoint(c.x(), square.top()), QPoint(c.x(), square.bottom()),
                                  QPoint(square.left(), c.y()), QPoint(square.right(), c.y())})
            QVERIFY(dark(grid.pixelColor(side)));
        QVERIFY(!dark(grid.pixelColor(c + QPoint(0, 4))));
    }

    // At any scale the window keeps its proportions and every caption fits its label.
    void scaled()
    {
        QCOMPARE(m_form->grab().size(), m_form->size() * m_form->devicePixelRatio());
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
            for (QLineEdit *box : {year(), bearing()})
                connect(box, &QLineEdit::textChanged, m_form.get(),
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
            if (!m_form->isVisible()) // Enter on a focused Exit button
                open(), watch();
            const QString y = year()->text(), b = bearing()->text();
            QCOMPARE(button("btnCalculate")->isEnabled(),
                     isValidYearText(y.toStdString()) && isValidBearingText(b.toStdString()));
            QCOMPARE(shownAnnual(), find("dtDatePicker")->isEnabled() ? 9 : 0);
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
