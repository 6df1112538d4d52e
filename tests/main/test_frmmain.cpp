// The main window driven as a user drives it: real key presses and clicks on the controls
// found by name, the chart read back from the labels.

#include "engine/calc.h"
#include "engine/keystroke.h"
#include "platform/checkbox.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/textbox.h"
#include "support/doubles.h"
#include "ui/main/frmmain.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace orrindel;
using namespace Qt::StringLiterals;

namespace {

constexpr unsigned White = 0xFFFFFF;
constexpr unsigned Grey = 14737632; // &HE0E0E0

// Types each character as a key press; characters beyond ASCII arrive as text only.
void type(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void press(QWidget *widget, const QList<QKeyCombination> &keys)
{
    for (const QKeyCombination key : keys)
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

// Pastes through the box's own context menu, which the key filter does not see.
bool pasteFromContextMenu(QLineEdit *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    box->selectAll();
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith("&Paste"_L1) && action->isEnabled()) {
            action->trigger();
            return true;
        }
    }
    return false;
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TestServices> m_doubles;
    std::unique_ptr<frmMain> m_form;
    platform::TextBox *m_txtYear = nullptr;
    platform::TextBox *m_txtFacing = nullptr;
    QPushButton *m_btnCalculate = nullptr;
    QPushButton *m_btnPrint = nullptr;
    platform::GraphicalCheckBox *m_chkDate = nullptr;
    platform::DatePicker *m_dtDatePicker = nullptr;

    template <typename T> T *find(const QString &name) const
    {
        return m_form->findChild<T *>(name);
    }
    platform::Label *label(const char *array, int index) const
    {
        return find<platform::Label>(platform::controlName(array, index));
    }
    platform::Shape *palace(int index) const
    {
        return find<platform::Shape>(platform::controlName("shpPalace", index));
    }
    // The nine captions of a label array in palace order, joined by spaces.
    QString stars(const char *array) const
    {
        QStringList result;
        for (int i = 0; i < 9; ++i)
            result << label(array, i)->text();
        return result.join(' ');
    }
    int shownAnnual() const
    {
        int shown = 0;
        for (int i = 0; i < 9; ++i)
            shown += label("lblAnnual", i)->isVisible();
        return shown;
    }

    void calculate(const QString &year, const QString &bearing)
    {
        type(m_txtYear, year);
        type(m_txtFacing, bearing);
        QVERIFY(m_btnCalculate->isEnabled());
        QTest::mouseClick(m_btnCalculate, Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        platform::installFontSubstitutes();
        // The test runs many windows; the program's end is observed, not obeyed.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        m_doubles = std::make_unique<test::TestServices>();
        m_form = std::make_unique<frmMain>(m_doubles->services);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        m_txtYear = find<platform::TextBox>(u"txtYear"_s);
        m_txtFacing = find<platform::TextBox>(u"txtFacing"_s);
        m_btnCalculate = find<QPushButton>(u"btnCalculate"_s);
        m_btnPrint = find<QPushButton>(u"btnPrint"_s);
        m_chkDate = find<platform::GraphicalCheckBox>(u"chkDate"_s);
        m_dtDatePicker = find<platform::DatePicker>(u"dtDatePicker"_s);
        QVERIFY(m_txtYear && m_txtFacing && m_btnCalculate && m_btnPrint && m_chkDate &&
                m_dtDatePicker);
    }

    void cleanup()
    {
        QVERIFY2(m_doubles->msgBox.boxes().empty(), "a message box was shown");
        m_form.reset();
        m_doubles.reset();
    }

    void startState()
    {
        QVERIFY(!m_btnCalculate->isEnabled());
        QVERIFY(!m_btnPrint->isEnabled());
        QCOMPARE(m_chkDate->Value(), 0);
        QVERIFY(!m_dtDatePicker->isEnabled());
        QCOMPARE(m_dtDatePicker->Value(), QDate::currentDate());
        QCOMPARE(shownAnnual(), 0);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(palace(i)->FillColor(), White);
        QCOMPARE(label("lblLabel", 2)->text(),
                 u"Construction years may only be in the range 65 to 9999."_s);
        QCOMPARE(label("lblLabel", 3)->text(), u"Degrees may only be in the range 0 to 359.9"_s);
        QCOMPARE(label("lblLabel", 4)->text(),
                 u"The grey square represents the Sitting Palace - the square directly "
                 u"opposite is the Facing Palace."_s);
        QCOMPARE(QApplication::focusWidget(), m_txtYear);
    }

    // Typed into one box, then the keys pressed there, with "77" on the clipboard throughout.
    void keyFilter_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        using Keys = QList<QKeyCombination>;
        const QKeyCombination selectAll = Qt::SHIFT | Qt::Key_Home;
        const QString year = u"txtYear"_s;
        const QString bearing = u"txtFacing"_s;
        QTest::newRow("year refuses letter, sign, point")
            << year << u"2a0-0.4"_s << Keys{} << u"2004"_s << 3;
        QTest::newRow("year stops at four") << year << u"20045"_s << Keys{} << u"2004"_s << 0;
        QTest::newRow("year refuses Arabic-Indic, accented, curly")
            << year << u"2\u06600\u00e90\u20194"_s << Keys{} << u"2004"_s << 3;
        QTest::newRow("bearing refuses minus, space, comma, exponent")
            << bearing << u"-1 8,0e"_s << Keys{} << u"180"_s << 4;
        QTest::newRow("bearing lets every point through")
            << bearing << u"1.8.0"_s << Keys{} << u"1.8.0"_s << 0;
        QTest::newRow("bearing stops at five")
            << bearing << u"359.95"_s << Keys{} << u"359.9"_s << 0;
        QTest::newRow("Ctrl+V does not paste")
            << year << u"20"_s << Keys{Qt::CTRL | Qt::Key_V} << u"20"_s << 1;
        QTest::newRow("Ctrl+C does not copy")
            << bearing << u"20"_s << Keys{selectAll, Qt::CTRL | Qt::Key_C} << u"20"_s << 1;
        QTest::newRow("Ctrl+X does not cut")
            << year << u"20"_s << Keys{selectAll, Qt::CTRL | Qt::Key_X} << u"20"_s << 1;
        QTest::newRow("Backspace edits")
            << year << u"20"_s << Keys{Qt::Key_Backspace} << u"2"_s << 0;
        QTest::newRow("Left, Delete, digit")
            << bearing << u"20"_s << Keys{Qt::Key_Left, Qt::Key_Delete, Qt::Key_1} << u"21"_s << 0;
    }

    void keyFilter()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        QGuiApplication::clipboard()->setText(u"77"_s);
        auto *edit = find<QLineEdit>(box);
        edit->setFocus();
        type(edit, typed);
        press(edit, keys);
        QCOMPARE(edit->text(), text);
        QCOMPARE(m_doubles->beep.count(), beeps);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"77"_s);
    }

    // Each chart is asked for another way: no key clicks Calculate, a key is pressed in the
    // year box. The stars are time / facing / mountain.
    void workedCharts_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("bearing");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("grey");
        QTest::newRow("2004 south, clicked")
            << u"2004"_s << u"180"_s << QKeyCombination()
            << u"8 9 1 2 3 4 5 6 7 / 3 2 1 9 8 7 6 5 4 / 4 5 6 7 8 9 1 2 3"_s << 5;
        QTest::newRow("1990 north-east, Enter")
            << u"1990"_s << u"45"_s << QKeyCombination(Qt::Key_Return)
            << u"7 8 9 1 2 3 4 5 6 / 1 9 8 7 6 5 4 3 2 / 4 5 6 7 8 9 1 2 3"_s << 6;
        QTest::newRow("2010 north, keypad Enter")
            << u"2010"_s << u"10"_s << (Qt::KeypadModifier | Qt::Key_Enter)
            << u"8 9 1 2 3 4 5 6 7 / 4 5 6 7 8 9 1 2 3 / 3 2 1 9 8 7 6 5 4"_s << 4;
        QTest::newRow("1950 north-west, Alt+C")
            << u"1950"_s << u"300"_s << (Qt::ALT | Qt::Key_C)
            << u"5 6 7 8 9 1 2 3 4 / 6 5 4 3 2 1 9 8 7 / 4 3 2 1 9 8 7 6 5"_s << 8;
        QTest::newRow("2004 south-west, a 5 facing")
            << u"2004"_s << u"225"_s << QKeyCombination()
            << u"8 9 1 2 3 4 5 6 7 / 5 6 7 8 9 1 2 3 4 / 2 3 4 5 6 7 8 9 1"_s << 3;
    }

    void workedCharts()
    {
        QFETCH(QString, year);
        QFETCH(QString, bearing);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, chart);
        QFETCH(int, grey);
        type(m_txtYear, year);
        type(m_txtFacing, bearing);
        if (key == QKeyCombination())
            QTest::mouseClick(m_btnCalculate, Qt::LeftButton);
        else
            press(m_txtYear, {key});
        // An access key presses its button with a short animation.
        QTRY_COMPARE(stars("lblTime") + u" / "_s + stars("lblFacing") + u" / "_s +
                         stars("lblMountain"),
                     chart);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(palace(i)->FillColor(), i == grey ? Grey : White);
            QCOMPARE(label("lblTime", i)->toolTip(), u"Time Star"_s);
            QCOMPARE(label("lblFacing", i)->toolTip(), u"Facing Star"_s);
            QCOMPARE(label("lblMountain", i)->toolTip(), u"Mountain Star"_s);
        }
        QCOMPARE(shownAnnual(), 0);
        QVERIFY(m_btnPrint->isEnabled());
        QCOMPARE(m_doubles->beep.count(), 0);
    }

    void editClearsChart_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QString>("paste"); // empty: nothing pasted
        QTest::addColumn<bool>("cleared");
        using Keys = QList<QKeyCombination>;
        QTest::newRow("year digit changed")
            << u"txtYear"_s << Keys{Qt::Key_Backspace, Qt::Key_5} << QString() << true;
        QTest::newRow("bearing digit added")
            << u"txtFacing"_s << Keys{Qt::Key_5} << QString() << true;
        QTest::newRow("year pasted") << u"txtYear"_s << Keys{} << u"1990"_s << true;
        QTest::newRow("refused key leaves the chart")
            << u"txtYear"_s << Keys{Qt::Key_X} << QString() << false;
        QTest::newRow("cursor key leaves the chart")
            << u"txtFacing"_s << Keys{Qt::Key_Left} << QString() << false;
    }

    void editClearsChart()
    {
        QFETCH(QString, box);
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(QString, paste);
        QFETCH(bool, cleared);
        m_dtDatePicker->setValue(QDate(2000, 6, 1));
        QTest::mouseClick(m_chkDate, Qt::LeftButton);
        calculate(u"2004"_s, u"180"_s);
        QCOMPARE(stars("lblAnnual"), u"9 1 2 3 4 5 6 7 8"_s);
        // Just inside the north square's top edge, between its mountain and facing stars.
        const auto northPainted = [this] {
            const QRect square = palace(5)->geometry();
            const QImage chart = palace(5)->parentWidget()->grab().toImage();
            return chart.pixelColor(square.left() + 48, square.top() + 4);
        };
        QCOMPARE(northPainted(), QColor(0xE0, 0xE0, 0xE0));

        auto *edit = find<QLineEdit>(box);
        edit->setFocus();
        press(edit, keys);
        if (!paste.isEmpty())
            QVERIFY(pasteFromContextMenu(edit, paste));

        if (cleared) {
            for (const char *array : {"lblTime", "lblFacing", "lblMountain"}) {
                QCOMPARE(stars(array), QString(8, u' ')); // nine empty captions
                for (int i = 0; i < 9; ++i)
                    QCOMPARE(label(array, i)->toolTip(), QString());
            }
            for (int i = 0; i < 9; ++i)
                QCOMPARE(palace(i)->FillColor(), White);
            QCOMPARE(northPainted(), QColor(Qt::white));
            QVERIFY(!m_btnPrint->isEnabled());
        } else {
            QCOMPARE(stars("lblTime"), u"8 9 1 2 3 4 5 6 7"_s);
            QCOMPARE(palace(5)->FillColor(), Grey);
            QVERIFY(m_btnPrint->isEnabled());
        }
        // The annual stars stay, shown and unchanged.
        QCOMPARE(stars("lblAnnual"), u"9 1 2 3 4 5 6 7 8"_s);
        QCOMPARE(shownAnnual(), 9);
    }

    // Both texts typed, or both pasted through the context menu past the key filter; the boxes
    // keep at most four and five characters.
    void validation_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("bearing");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("year 64") << false << u"64"_s << u"180"_s << false;
        QTest::newRow("year 65") << false << u"65"_s << u"180"_s << true;
        QTest::newRow("no year") << false << QString() << u"180"_s << false;
        QTest::newRow("bearing 0") << false << u"2004"_s << u"0"_s << true;
        QTest::newRow("bearing 359.9") << false << u"2004"_s << u"359.9"_s << true;
        QTest::newRow("bearing 360") << false << u"2004"_s << u"360"_s << false;
        QTest::newRow("bearing second point") << false << u"2004"_s << u"1.2.3"_s << false;
        QTest::newRow("no bearing") << false << u"2004"_s << QString() << false;
        QTest::newRow("pasted year exponent") << true << u"1e3"_s << u"180"_s << false;
        QTest::newRow("pasted year Arabic-Indic digits")
            << true << u"\u0661\u0662\u0660\u0660"_s << u"180"_s << false;
        QTest::newRow("pasted year with a half") << true << u"64.5"_s << u"90.50"_s << true;
        QTest::newRow("pasted bearing negative") << true << u"2004"_s << u"-5"_s << false;
        QTest::newRow("pasted, both cut") << true << u"99999"_s << u"359.95"_s << true;
    }

    void validation()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, year);
        QFETCH(QString, bearing);
        QFETCH(bool, enabled);
        if (pasted) {
            QVERIFY(pasteFromContextMenu(m_txtYear, year));
            QVERIFY(pasteFromContextMenu(m_txtFacing, bearing));
        } else {
            type(m_txtYear, year);
            type(m_txtFacing, bearing);
        }
        QCOMPARE(m_txtYear->text(), year.left(4));
        QCOMPARE(m_txtFacing->text(), bearing.left(5));
        QCOMPARE(m_btnCalculate->isEnabled(), enabled);
        QCOMPARE(m_doubles->beep.count(), 0);
        // Enter and Alt+C press Calculate only while it is enabled.
        QTest::keyClick(m_txtFacing, Qt::Key_Return);
        if (!enabled) {
            QTest::keyClick(m_txtYear, Qt::Key_C, Qt::AltModifier);
            QTest::qWait(200); // longer than an access key's press animation
        }
        QCOMPARE(label("lblTime", 0)->text().isEmpty(), !enabled);
    }

    void annualStarSwitch()
    {
        m_dtDatePicker->setValue(QDate(2000, 6, 15));
        QTest::mouseClick(m_chkDate, Qt::LeftButton);
        QVERIFY(m_dtDatePicker->isEnabled());
        QCOMPARE(stars("lblAnnual"), u"9 1 2 3 4 5 6 7 8"_s);
        QCOMPARE(shownAnnual(), 9);

        QTest::mouseClick(m_chkDate, Qt::LeftButton);
        QVERIFY(!m_dtDatePicker->isEnabled());
        QCOMPARE(shownAnnual(), 0);
        QCOMPARE(stars("lblAnnual"), u"9 1 2 3 4 5 6 7 8"_s); // hidden, not cleared

        // Switched on again by its access key, the stars follow the picker's month and year.
        m_dtDatePicker->setValue(QDate(2026, 3, 1));
        QTest::keyClick(m_txtYear, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), m_chkDate);
        QCOMPARE(m_chkDate->Value(), 0); // focused, not clicked
        QTest::keyClick(m_chkDate, Qt::Key_Space);
        QCOMPARE(label("lblAnnual", 0)->text(), u"1"_s);
        QCOMPARE(shownAnnual(), 9);
    }

    void pickingADate_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("centre");
        QTest::newRow("January is the previous year")
            << QDate(2000, 2, 10) << int(Qt::Key_Down) << u"1"_s;
        QTest::newRow("January 2025") << QDate(2025, 2, 10) << int(Qt::Key_Down) << u"3"_s;
        QTest::newRow("February 2025") << QDate(2025, 1, 10) << int(Qt::Key_Up) << u"2"_s;
    }

    void pickingADate()
    {
        QFETCH(QDate, start);
        QFETCH(int, key);
        QFETCH(QString, centre);
        QTest::mouseClick(m_chkDate, Qt::LeftButton);
        const QString before = label("lblAnnual", 0)->text();
        // Setting the value from the program raises no change.
        m_dtDatePicker->setValue(start);
        QCOMPARE(label("lblAnnual", 0)->text(), before);

        m_dtDatePicker->setFocus();
        m_dtDatePicker->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(m_dtDatePicker, Qt::Key(key));
        QCOMPARE(m_dtDatePicker->Year(), start.year());
        QCOMPARE(m_dtDatePicker->Month(), start.month() + (key == Qt::Key_Up ? 1 : -1));
        QCOMPARE(label("lblAnnual", 0)->text(), centre);
    }

    void calculateRefreshesAnnualStars()
    {
        QTest::mouseClick(m_chkDate, Qt::LeftButton);
        m_dtDatePicker->setValue(QDate(2000, 1, 20)); // raises no change by itself
        calculate(u"2004"_s, u"180"_s);
        QCOMPARE(stars("lblAnnual"), u"1 2 3 4 5 6 7 8 9"_s);
    }

    void accessKeysAndTabOrder()
    {
        QTest::keyClick(m_txtYear, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), m_txtFacing);
        QTest::keyClick(m_txtFacing, Qt::Key_Y, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), m_txtYear);
        QCOMPARE(m_doubles->beep.count(), 0);

        // With every control enabled Tab visits all seven in order and comes back round.
        calculate(u"2004"_s, u"180"_s);
        QTest::mouseClick(m_chkDate, Qt::LeftButton);
        m_txtYear->setFocus();
        QStringList visited;
        for (int i = 0; i < 7; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"txtYear", "txtFacing", "chkDate", "dtDatePicker",
                                       "Command1", "btnCalculate", "btnPrint"}));
        QCOMPARE(QApplication::focusWidget(), m_txtYear);
    }

    // Alt+X presses the Exit button and Ctrl+Q is File > Exit's shortcut, so each reaches its
    // control's handler; an empty key closes the window from its title bar.
    void exitRoutes_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("Alt+X") << (Qt::ALT | Qt::Key_X);
        QTest::newRow("Ctrl+Q") << (Qt::CTRL | Qt::Key_Q);
        QTest::newRow("title bar close") << QKeyCombination();
    }

    void exitRoutes()
    {
        QFETCH(QKeyCombination, key);
        // The beep handed to the key filter carries a probe that notes, when the filter is
        // released, whether the house reading was released already.
        bool armed = false;
        QList<bool> calcGoneFirst;
        struct Probe
        {
            std::function<void()> released;
            ~Probe() { released(); }
        };
        const Probe probe{[&] {
            if (armed)
                calcGoneFirst << true;
        }};
        test::TestServices doubles;
        platform::Services services{doubles.msgBox, [probe] {}, doubles.printer, doubles.registry,
                                    doubles.launcher};
        m_form->hide(); // the program's only window is the one under test here
        frmMain form(services);

        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *txtYear = form.findChild<QLineEdit *>(u"txtYear"_s);
        txtYear->setFocus();

        // Run the event loop as the program does; it must end by itself.
        QTimer::singleShot(0, &form, [&] {
            armed = true;
            if (key == QKeyCombination())
                form.close();
            else
                press(txtYear, {key});
        });
        // Tied to the form, so that it cannot fire into a later test.
        QTimer::singleShot(5000, &form, [] { QCoreApplication::exit(1); });
        QApplication::setQuitOnLastWindowClosed(true);
        const int exitCode = QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(false);
        armed = false;

        QCOMPARE(exitCode, 0);
        QVERIFY(!form.isVisible());
        QCOMPARE(calcGoneFirst, QList<bool>{true});
        QCOMPARE(doubles.beep.count(), 0);
    }

    void printChart()
    {
        calculate(u"2004"_s, u"180"_s);
        QTest::keyClick(m_txtFacing, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(m_doubles->printer.pages().size(), std::size_t(1));
        const auto &page = m_doubles->printer.pages()[0].captions;
        QCOMPARE(page.at(u"lblYear"_s), u"2004"_s);
        QCOMPARE(page.at(u"lblTime(0)"_s), u"8"_s);

        // A failing printer is reported exactly once by the print form.
        m_doubles->printer.setFailing(true);
        m_doubles->msgBox.expect(1);
        QTest::mouseClick(m_btnPrint, Qt::LeftButton);
        QCOMPARE(m_doubles->printer.attempts(), 2);
        QCOMPARE(m_doubles->msgBox.boxes().size(), std::size_t(1));
        QCOMPARE(m_doubles->msgBox.boxes()[0].title, u"Can't Print Chart"_s);
        m_doubles->msgBox.clear();
        // Either way the window and its chart are as they were, and the print form is gone.
        QCOMPARE(stars("lblTime"), u"8 9 1 2 3 4 5 6 7"_s);
        QCOMPARE(palace(5)->FillColor(), Grey);
        QVERIFY(m_btnPrint->isEnabled());
        QVERIFY(!m_form->findChild<QWidget *>(u"frmPrint"_s));
    }

    void aboutBox()
    {
        type(m_txtYear, u"20"_s);
        QString shownTitle;
        QTimer::singleShot(0, m_form.get(), [&shownTitle] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                shownTitle = modal->windowTitle();
                modal->close();
            }
        });
        // About > About's shortcut, which the year box does not take for its own.
        QTest::keyClick(m_txtYear, Qt::Key_A, Qt::ControlModifier);
        // exec() returned: the dialog was modal and is closed.
        QCOMPARE(shownTitle, u"About Orrindel"_s);
        QCOMPARE(m_txtYear->text(), u"20"_s);
        QCOMPARE(m_doubles->beep.count(), 0);
    }

    void layout()
    {
        QCOMPARE(m_form->centralWidget()->size(), QSize(354, 418)); // 5310 x 6270 twips
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QVERIFY(!m_form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

        // South at the top, east on the left; squares 96 x 72 pixels apart sharing a border.
        const int grid[3][3] = {{8, 4, 6}, {7, 0, 2}, {3, 5, 1}};
        const QObjectList stack = palace(0)->parentWidget()->children();
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const int i = grid[row][column];
                const QRect square = palace(i)->geometry();
                QCOMPARE(square, QRect(24 + 96 * column, 24 + 72 * row, 97, 73));
                for (const char *array : {"lblTime", "lblFacing", "lblMountain", "lblAnnual"}) {
                    const platform::Label *star = label(array, i);
                    QVERIFY2(square.contains(star->geometry()), qPrintable(star->objectName()));
                    // Drawn over the square, not under it.
                    QVERIFY(stack.indexOf(star) > stack.indexOf(palace(i)));
                }
            }
        }
        // The compass letter S stands above the south square.
        const QRect south = label("lblDirections", 0)->geometry();
        QCOMPARE(label("lblDirections", 0)->text(), u"S"_s);
        QVERIFY(south.bottom() <= palace(4)->geometry().top() + 1);
        QVERIFY(qAbs(south.center().x() - palace(4)->geometry().center().x()) <= 2);
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
