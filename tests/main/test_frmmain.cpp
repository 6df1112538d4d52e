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
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace orrindel;

namespace {

constexpr unsigned White = 0xFFFFFF;
constexpr unsigned Grey = 14737632; // &HE0E0E0

// Key presses as Qt key codes combined with their modifiers.
int combo(Qt::KeyboardModifiers modifiers, Qt::Key key)
{
    return QKeyCombination(modifiers, key).toCombined();
}

QStringList captions(const QWidget &form, const char *array)
{
    QStringList result;
    for (int i = 0; i < 9; ++i) {
        const auto *label = form.findChild<QLabel *>(platform::controlName(array, i));
        result << (label ? label->text() : QStringLiteral("<missing>"));
    }
    return result;
}

// The window with its doubles, its controls found by name.
struct Fixture
{
    test::TestServices doubles;
    std::unique_ptr<frmMain> form;
    platform::TextBox *txtYear = nullptr;
    platform::TextBox *txtFacing = nullptr;
    QPushButton *btnCalculate = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *Command1 = nullptr;
    platform::GraphicalCheckBox *chkDate = nullptr;
    platform::DatePicker *dtDatePicker = nullptr;

    template <typename T> T *find(const QString &name) const { return form->findChild<T *>(name); }
    platform::Label *label(const char *array, int index) const
    {
        return find<platform::Label>(platform::controlName(array, index));
    }
    platform::Shape *palace(int index) const
    {
        return find<platform::Shape>(platform::controlName("shpPalace", index));
    }
};

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Fixture> f;

    // Types each character as a key press; characters beyond Latin-1 arrive as text.
    static void type(QWidget *widget, const QString &text)
    {
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(widget, char(ch.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
        }
    }

    // Pastes through the box's own context menu, which the key filter does not see.
    static bool pasteFromContextMenu(QLineEdit *box, const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        box->setFocus();
        box->selectAll();
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(QLatin1String("&Paste")) && action->isEnabled()) {
                action->trigger();
                return true;
            }
        }
        return false;
    }

    void calculate(const QString &year, const QString &bearing)
    {
        type(f->txtYear, year);
        type(f->txtFacing, bearing);
        QVERIFY(f->btnCalculate->isEnabled());
        QTest::mouseClick(f->btnCalculate, Qt::LeftButton);
    }

    void verifyChartCleared()
    {
        for (const char *array : {"lblTime", "lblFacing", "lblMountain"}) {
            QCOMPARE(captions(*f->form, array), QStringList(9, QString()));
            for (int i = 0; i < 9; ++i)
                QCOMPARE(f->label(array, i)->toolTip(), QString());
        }
        for (int i = 0; i < 9; ++i)
            QCOMPARE(f->palace(i)->FillColor(), White);
        QVERIFY(!f->btnPrint->isEnabled());
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
        f = std::make_unique<Fixture>();
        f->form = std::make_unique<frmMain>(f->doubles.services);
        f->form->show();
        f->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
        f->txtYear = f->find<platform::TextBox>("txtYear");
        f->txtFacing = f->find<platform::TextBox>("txtFacing");
        f->btnCalculate = f->find<QPushButton>("btnCalculate");
        f->btnPrint = f->find<QPushButton>("btnPrint");
        f->Command1 = f->find<QPushButton>("Command1");
        f->chkDate = f->find<platform::GraphicalCheckBox>("chkDate");
        f->dtDatePicker = f->find<platform::DatePicker>("dtDatePicker");
        QVERIFY(f->txtYear && f->txtFacing && f->btnCalculate && f->btnPrint && f->Command1 &&
                f->chkDate && f->dtDatePicker);
    }

    void cleanup()
    {
        QVERIFY2(f->doubles.msgBox.boxes().empty(), "a message box was shown");
        f.reset();
    }

    void startState()
    {
        QCOMPARE(f->form->windowTitle(), QStringLiteral("Orrindel"));
        QVERIFY(f->form->calc() && f->form->keystroke());
        QCOMPARE(f->txtYear->text(), QString());
        QCOMPARE(f->txtYear->maxLength(), 4);
        QCOMPARE(f->txtFacing->maxLength(), 5);
        QVERIFY(!f->btnCalculate->isEnabled());
        QVERIFY(!f->btnPrint->isEnabled());
        QCOMPARE(f->chkDate->Value(), 0);
        QVERIFY(!f->dtDatePicker->isEnabled());
        QCOMPARE(f->dtDatePicker->Value(), QDate::currentDate());
        QCOMPARE(f->dtDatePicker->displayFormat(), QStringLiteral("MM/yyyy"));
        for (int i = 0; i < 9; ++i) {
            QVERIFY(!f->label("lblAnnual", i)->isVisible());
            QCOMPARE(f->palace(i)->FillColor(), White);
        }
        QCOMPARE(f->label("lblLabel", 2)->text(),
                 QStringLiteral("Construction years may only be in the range 65 to 9999."));
        QCOMPARE(f->label("lblLabel", 3)->text(),
                 QStringLiteral("Degrees may only be in the range 0 to 359.9"));
        QCOMPARE(f->label("lblLabel", 4)->text(),
                 QStringLiteral("The grey square represents the Sitting Palace - the square "
                                "directly opposite is the Facing Palace."));
        QCOMPARE(QApplication::focusWidget(), f->txtYear);
    }

    void typing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::newRow("year digits") << "txtYear"
                                     << "2004"
                                     << "2004" << 0;
        QTest::newRow("year refuses letters, sign, point") << "txtYear"
                                                           << "2a0-0.4"
                                                           << "2004" << 3;
        QTest::newRow("year stops at four") << "txtYear"
                                            << "20045"
                                            << "2004" << 0;
        QTest::newRow("year refuses an Arabic-Indic digit")
            << "txtYear" << QString::fromUtf8("2\u0660004") << "2004" << 1;
        QTest::newRow("year refuses accented and curly")
            << "txtYear" << QString::fromUtf8("2\u00e90\u20190") << "200" << 2;
        QTest::newRow("bearing digits") << "txtFacing"
                                        << "180"
                                        << "180" << 0;
        QTest::newRow("bearing refuses minus") << "txtFacing"
                                               << "-180"
                                               << "180" << 1;
        QTest::newRow("bearing refuses space, comma, exponent") << "txtFacing"
                                                                << "1 8,0e"
                                                                << "180" << 3;
        QTest::newRow("bearing lets every point through") << "txtFacing"
                                                          << "1.8.0"
                                                          << "1.8.0" << 0;
        QTest::newRow("bearing stops at five") << "txtFacing"
                                               << "359.95"
                                               << "359.9" << 0;
    }

    void typing()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        auto *edit = f->find<QLineEdit>(box);
        edit->setFocus();
        type(edit, typed);
        QCOMPARE(edit->text(), text);
        QCOMPARE(f->doubles.beep.count(), beeps);
    }

    void editingKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("clipboard");
        const auto ctrl = [](Qt::Key key) { return combo(Qt::ControlModifier, key); };
        const auto plain = [](Qt::Key key) { return combo(Qt::NoModifier, key); };
        const int selectAll = combo(Qt::ShiftModifier, Qt::Key_Home);
        QTest::newRow("Ctrl+V does not paste") << QList<int>{ctrl(Qt::Key_V)} << "20" << 1 << "77";
        QTest::newRow("Ctrl+C does not copy")
            << QList<int>{selectAll, ctrl(Qt::Key_C)} << "20" << 1 << "77";
        QTest::newRow("Ctrl+X does not cut")
            << QList<int>{selectAll, ctrl(Qt::Key_X)} << "20" << 1 << "77";
        QTest::newRow("Ctrl+Z is refused") << QList<int>{ctrl(Qt::Key_Z)} << "20" << 1 << "77";
        QTest::newRow("Esc is refused") << QList<int>{plain(Qt::Key_Escape)} << "20" << 1 << "77";
        QTest::newRow("Backspace edits")
            << QList<int>{plain(Qt::Key_Backspace)} << "2" << 0 << "77";
        QTest::newRow("Home and Delete edit")
            << QList<int>{plain(Qt::Key_Home), plain(Qt::Key_Delete)} << "0" << 0 << "77";
        QTest::newRow("arrows move")
            << QList<int>{plain(Qt::Key_Left), plain(Qt::Key_1)} << "210" << 0 << "77";
        QTest::newRow("typing replaces a selection")
            << QList<int>{selectAll, plain(Qt::Key_5)} << "5" << 0 << "77";
    }

    void editingKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        QFETCH(QString, clipboard);
        for (QLineEdit *box :
             {static_cast<QLineEdit *>(f->txtYear), static_cast<QLineEdit *>(f->txtFacing)}) {
            box->setFocus();
            type(box, QStringLiteral("20"));
            QGuiApplication::clipboard()->setText(QStringLiteral("77"));
            f->doubles.beep.reset();
            for (const int key : keys) {
                const auto combination = QKeyCombination::fromCombined(key);
                QTest::keyClick(box, combination.key(), combination.keyboardModifiers());
            }
            QCOMPARE(box->text(), text);
            QCOMPARE(f->doubles.beep.count(), beeps);
            QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        }
    }

    void calculateRoutes_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("button") << "button";
        QTest::newRow("Enter in the year box") << "enter-year";
        QTest::newRow("Enter in the bearing box") << "enter-bearing";
        QTest::newRow("Alt+C") << "alt-c";
    }

    void calculateRoutes()
    {
        QFETCH(QString, route);
        type(f->txtYear, QStringLiteral("2004"));
        type(f->txtFacing, QStringLiteral("180"));
        if (route == QLatin1String("button"))
            QTest::mouseClick(f->btnCalculate, Qt::LeftButton);
        else if (route == QLatin1String("enter-year"))
            QTest::keyClick(f->txtYear, Qt::Key_Return);
        else if (route == QLatin1String("enter-bearing"))
            QTest::keyClick(f->txtFacing, Qt::Key_Enter, Qt::KeypadModifier);
        else
            QTest::keyClick(f->txtFacing, Qt::Key_C, Qt::AltModifier);
        // An access key presses its button with a short animation.
        QTRY_COMPARE(f->label("lblTime", 0)->text(), QStringLiteral("8"));
        QCOMPARE(f->palace(5)->FillColor(), Grey);
        QVERIFY(f->btnPrint->isEnabled());
        QCOMPARE(f->doubles.beep.count(), 0);
    }

    void enterWhileCalculateDisabled()
    {
        type(f->txtYear, QStringLiteral("64"));
        type(f->txtFacing, QStringLiteral("180"));
        QVERIFY(!f->btnCalculate->isEnabled());
        QTest::keyClick(f->txtYear, Qt::Key_Return);
        QTest::keyClick(f->txtFacing, Qt::Key_C, Qt::AltModifier);
        QTest::qWait(200); // longer than an access key's press animation
        QCOMPARE(f->label("lblTime", 0)->text(), QString());
        QVERIFY(!f->btnPrint->isEnabled());
    }

    void workedCharts_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("bearing");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("facing");
        QTest::addColumn<QString>("mountain");
        QTest::addColumn<int>("grey");
        QTest::newRow("2004 south") << "2004"
                                    << "180"
                                    << "8 9 1 2 3 4 5 6 7"
                                    << "3 2 1 9 8 7 6 5 4"
                                    << "4 5 6 7 8 9 1 2 3" << 5;
        QTest::newRow("1990 north-east") << "1990"
                                         << "45"
                                         << "7 8 9 1 2 3 4 5 6"
                                         << "1 9 8 7 6 5 4 3 2"
                                         << "4 5 6 7 8 9 1 2 3" << 6;
        QTest::newRow("2010 north") << "2010"
                                    << "10"
                                    << "8 9 1 2 3 4 5 6 7"
                                    << "4 5 6 7 8 9 1 2 3"
                                    << "3 2 1 9 8 7 6 5 4" << 4;
        QTest::newRow("1950 north-west") << "1950"
                                         << "300"
                                         << "5 6 7 8 9 1 2 3 4"
                                         << "6 5 4 3 2 1 9 8 7"
                                         << "4 3 2 1 9 8 7 6 5" << 8;
        QTest::newRow("2004 south-west, a 5 facing") << "2004"
                                                     << "225"
                                                     << "8 9 1 2 3 4 5 6 7"
                                                     << "5 6 7 8 9 1 2 3 4"
                                                     << "2 3 4 5 6 7 8 9 1" << 3;
    }

    void workedCharts()
    {
        QFETCH(QString, year);
        QFETCH(QString, bearing);
        QFETCH(QString, time);
        QFETCH(QString, facing);
        QFETCH(QString, mountain);
        QFETCH(int, grey);
        calculate(year, bearing);
        QCOMPARE(captions(*f->form, "lblTime").join(' '), time);
        QCOMPARE(captions(*f->form, "lblFacing").join(' '), facing);
        QCOMPARE(captions(*f->form, "lblMountain").join(' '), mountain);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(f->palace(i)->FillColor(), i == grey ? Grey : White);
            QCOMPARE(f->label("lblTime", i)->toolTip(), QStringLiteral("Time Star"));
            QCOMPARE(f->label("lblFacing", i)->toolTip(), QStringLiteral("Facing Star"));
            QCOMPARE(f->label("lblMountain", i)->toolTip(), QStringLiteral("Mountain Star"));
            QVERIFY(!f->label("lblAnnual", i)->isVisible());
        }
        QVERIFY(f->btnPrint->isEnabled());
    }

    void recalculating()
    {
        calculate(QStringLiteral("2004"), QStringLiteral("180"));
        f->txtYear->clear();
        f->txtFacing->clear();
        calculate(QStringLiteral("1950"), QStringLiteral("300"));
        int greys = 0;
        for (int i = 0; i < 9; ++i)
            greys += f->palace(i)->FillColor() == Grey;
        QCOMPARE(greys, 1);
        QCOMPARE(f->palace(8)->FillColor(), Grey);
        // Calculating the same inputs again replaces the chart with itself.
        QTest::keyClick(f->txtFacing, Qt::Key_Return);
        QCOMPARE(captions(*f->form, "lblTime").join(' '), QStringLiteral("5 6 7 8 9 1 2 3 4"));
        QCOMPARE(f->palace(8)->FillColor(), Grey);
    }

    void editClearsChart_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("paste");
        QTest::addColumn<bool>("cleared");
        const auto plain = [](Qt::Key key) { return combo(Qt::NoModifier, key); };
        QTest::newRow("year Backspace")
            << "txtYear" << QList<int>{plain(Qt::Key_Backspace)} << QString() << true;
        QTest::newRow("year digit changed")
            << "txtYear" << QList<int>{plain(Qt::Key_Backspace), plain(Qt::Key_5)} << QString()
            << true;
        QTest::newRow("bearing digit added")
            << "txtFacing" << QList<int>{plain(Qt::Key_5)} << QString() << true;
        QTest::newRow("bearing Home Delete")
            << "txtFacing" << QList<int>{plain(Qt::Key_Home), plain(Qt::Key_Delete)} << QString()
            << true;
        QTest::newRow("year pasted") << "txtYear" << QList<int>{} << "1990" << true;
        QTest::newRow("refused key leaves the chart")
            << "txtYear" << QList<int>{plain(Qt::Key_X)} << QString() << false;
        QTest::newRow("cursor key leaves the chart")
            << "txtFacing" << QList<int>{plain(Qt::Key_Left)} << QString() << false;
    }

    void editClearsChart()
    {
        QFETCH(QString, box);
        QFETCH(QList<int>, keys);
        QFETCH(QString, paste);
        QFETCH(bool, cleared);
        f->dtDatePicker->setValue(QDate(2000, 6, 1));
        QTest::mouseClick(f->chkDate, Qt::LeftButton);
        calculate(QStringLiteral("2004"), QStringLiteral("180"));
        const QStringList annual = captions(*f->form, "lblAnnual");
        QCOMPARE(annual.join(' '), QStringLiteral("9 1 2 3 4 5 6 7 8"));

        auto *edit = f->find<QLineEdit>(box);
        edit->setFocus();
        for (const int key : keys) {
            const auto combination = QKeyCombination::fromCombined(key);
            QTest::keyClick(edit, combination.key(), combination.keyboardModifiers());
        }
        if (!paste.isEmpty())
            QVERIFY(pasteFromContextMenu(edit, paste));

        if (cleared) {
            verifyChartCleared();
        } else {
            QCOMPARE(f->label("lblTime", 0)->text(), QStringLiteral("8"));
            QCOMPARE(f->palace(5)->FillColor(), Grey);
            QVERIFY(f->btnPrint->isEnabled());
        }
        QCOMPARE(captions(*f->form, "lblAnnual"), annual);
        for (int i = 0; i < 9; ++i)
            QVERIFY(f->label("lblAnnual", i)->isVisible());
    }

    void validationTyped_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("bearing");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("year 64") << "64"
                                 << "180" << false;
        QTest::newRow("year 65") << "65"
                                 << "180" << true;
        QTest::newRow("year 0065") << "0065"
                                   << "180" << true;
        QTest::newRow("year 0") << "0"
                                << "180" << false;
        QTest::newRow("no year") << ""
                                 << "180" << false;
        QTest::newRow("bearing 0") << "2004"
                                   << "0" << true;
        QTest::newRow("bearing 359.9") << "2004"
                                       << "359.9" << true;
        QTest::newRow("bearing 360") << "2004"
                                     << "360" << false;
        QTest::newRow("bearing 5.") << "2004"
                                    << "5." << true;
        QTest::newRow("bearing .5") << "2004"
                                    << ".5" << true;
        QTest::newRow("bearing second point") << "2004"
                                              << "1.2.3" << false;
        QTest::newRow("bearing lone point") << "2004"
                                            << "." << false;
        QTest::newRow("no bearing") << "2004"
                                    << "" << false;
    }

    void validationTyped()
    {
        QFETCH(QString, year);
        QFETCH(QString, bearing);
        QFETCH(bool, enabled);
        type(f->txtYear, year);
        type(f->txtFacing, bearing);
        QCOMPARE(f->txtYear->text(), year);
        QCOMPARE(f->txtFacing->text(), bearing);
        QCOMPARE(f->btnCalculate->isEnabled(), enabled);
        // Enter presses Calculate only while it is enabled.
        QTest::keyClick(f->txtFacing, Qt::Key_Return);
        QCOMPARE(f->label("lblTime", 0)->text().isEmpty(), !enabled);
    }

    void validationPasted_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("year exponent") << "txtYear"
                                       << "1e3"
                                       << "1e3" << false;
        QTest::newRow("year leading space") << "txtYear"
                                            << " 12"
                                            << " 12" << false;
        QTest::newRow("year Arabic-Indic digits")
            << "txtYear" << QString::fromUtf8("\u0661\u0662\u0660\u0660")
            << QString::fromUtf8("\u0661\u0662\u0660\u0660") << false;
        QTest::newRow("year too long is cut to four") << "txtYear"
                                                      << "99999"
                                                      << "9999" << true;
        QTest::newRow("year plain") << "txtYear"
                                    << "1990"
                                    << "1990" << true;
        QTest::newRow("year with a half") << "txtYear"
                                          << "64.5"
                                          << "64.5" << true;
        QTest::newRow("bearing negative") << "txtFacing"
                                          << "-5"
                                          << "-5" << false;
        QTest::newRow("bearing comma") << "txtFacing"
                                       << "1,5"
                                       << "1,5" << false;
        QTest::newRow("bearing hex") << "txtFacing"
                                     << "&H10"
                                     << "&H10" << false;
        QTest::newRow("bearing too long is cut to five") << "txtFacing"
                                                         << "359.95"
                                                         << "359.9" << true;
        QTest::newRow("bearing as typed") << "txtFacing"
                                          << "90.50"
                                          << "90.50" << true;
    }

    void validationPasted()
    {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        type(f->txtYear, QStringLiteral("2004"));
        type(f->txtFacing, QStringLiteral("180"));
        auto *edit = f->find<QLineEdit>(box);
        QVERIFY(pasteFromContextMenu(edit, pasted));
        QCOMPARE(edit->text(), text);
        QCOMPARE(f->btnCalculate->isEnabled(), enabled);
        QCOMPARE(f->doubles.beep.count(), 0);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(f->label("lblTime", 0)->text().isEmpty(), !enabled);
    }

    void annualStarSwitch()
    {
        f->dtDatePicker->setValue(QDate(2000, 6, 15));
        QTest::mouseClick(f->chkDate, Qt::LeftButton);
        QCOMPARE(f->chkDate->Value(), 1);
        QVERIFY(f->chkDate->isChecked());
        QVERIFY(f->dtDatePicker->isEnabled());
        QCOMPARE(captions(*f->form, "lblAnnual").join(' '), QStringLiteral("9 1 2 3 4 5 6 7 8"));
        for (int i = 0; i < 9; ++i)
            QVERIFY(f->label("lblAnnual", i)->isVisible());

        QTest::mouseClick(f->chkDate, Qt::LeftButton);
        QCOMPARE(f->chkDate->Value(), 0);
        QVERIFY(!f->dtDatePicker->isEnabled());
        for (int i = 0; i < 9; ++i)
            QVERIFY(!f->label("lblAnnual", i)->isVisible());
        // Hidden, not cleared.
        QCOMPARE(captions(*f->form, "lblAnnual").join(' '), QStringLiteral("9 1 2 3 4 5 6 7 8"));

        // Switched on again, the stars follow the picker's month and year.
        f->dtDatePicker->setValue(QDate(2026, 3, 1));
        QTest::keyClick(f->txtYear, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), f->chkDate);
        QTest::keyClick(f->chkDate, Qt::Key_Space);
        QCOMPARE(f->chkDate->Value(), 1);
        QCOMPARE(f->label("lblAnnual", 0)->text(), QStringLiteral("1"));
    }

    void pickingADate_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("centre");
        QTest::newRow("January is the previous year")
            << QDate(2000, 2, 10) << int(Qt::Key_Down) << "1";
        QTest::newRow("February starts the year") << QDate(2024, 1, 10) << int(Qt::Key_Up) << "3";
        QTest::newRow("January 2025") << QDate(2025, 2, 10) << int(Qt::Key_Down) << "3";
        QTest::newRow("February 2025") << QDate(2025, 1, 10) << int(Qt::Key_Up) << "2";
        QTest::newRow("March 2026") << QDate(2026, 2, 10) << int(Qt::Key_Up) << "1";
    }

    void pickingADate()
    {
        QFETCH(QDate, start);
        QFETCH(int, key);
        QFETCH(QString, centre);
        QTest::mouseClick(f->chkDate, Qt::LeftButton);
        const QString before = f->label("lblAnnual", 0)->text();
        // Setting the value from the program raises no change.
        f->dtDatePicker->setValue(start);
        QCOMPARE(f->label("lblAnnual", 0)->text(), before);

        f->dtDatePicker->setFocus();
        f->dtDatePicker->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(f->dtDatePicker, Qt::Key(key));
        QCOMPARE(f->dtDatePicker->Year(), start.year());
        QCOMPARE(f->dtDatePicker->Month(), start.month() + (key == Qt::Key_Up ? 1 : -1));
        QCOMPARE(f->label("lblAnnual", 0)->text(), centre);
    }

    void calculateRefreshesAnnualStars()
    {
        QTest::mouseClick(f->chkDate, Qt::LeftButton);
        f->dtDatePicker->setValue(QDate(2000, 1, 20));
        calculate(QStringLiteral("2004"), QStringLiteral("180"));
        QCOMPARE(captions(*f->form, "lblAnnual").join(' '), QStringLiteral("1 2 3 4 5 6 7 8 9"));
    }

    void accessKeysAndTabOrder()
    {
        QTest::keyClick(f->txtYear, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), f->txtFacing);
        QTest::keyClick(f->txtFacing, Qt::Key_Y, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), f->txtYear);
        QTest::keyClick(f->txtYear, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), f->chkDate);
        QCOMPARE(f->chkDate->Value(), 0); // focused, not clicked
        QCOMPARE(f->doubles.beep.count(), 0);

        // With every control enabled Tab visits all seven in order and comes back round.
        type(f->txtYear, QStringLiteral("2004"));
        type(f->txtFacing, QStringLiteral("180"));
        QTest::keyClick(f->txtFacing, Qt::Key_Return);
        QTest::mouseClick(f->chkDate, Qt::LeftButton);
        f->txtYear->setFocus();
        QStringList visited;
        for (int i = 0; i < 7; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QStringList expected = {"txtYear",  "txtFacing",    "chkDate", "dtDatePicker",
                                      "Command1", "btnCalculate", "btnPrint"};
        QCOMPARE(visited, expected);
        QCOMPARE(QApplication::focusWidget(), f->txtYear);
    }

    void exitRoutes_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("Exit button") << "button";
        QTest::newRow("Alt+X") << "alt-x";
        QTest::newRow("File > Exit") << "menu";
        QTest::newRow("Ctrl+Q in the year box") << "ctrl-q";
        QTest::newRow("title bar close") << "close";
    }

    void exitRoutes()
    {
        QFETCH(QString, route);
        // The beep handed to the key filter carries a probe that notes, when the filter is
        // released, whether the house reading was released already.
        struct Probe
        {
            const frmMain *const *form;
            bool *armed;
            QList<bool> *calcGoneFirst;
            ~Probe()
            {
                if (*armed && *form)
                    calcGoneFirst->append((*form)->calc() == nullptr);
            }
        };
        frmMain *window = nullptr;
        bool armed = false;
        QList<bool> calcGoneFirst;
        const Probe probe{&window, &armed, &calcGoneFirst};
        test::TestServices doubles;
        platform::Services services{doubles.msgBox, [probe] {}, doubles.printer, doubles.registry,
                                    doubles.launcher};
        f->form->hide(); // the program's only window is the one under test here
        frmMain form(services);
        window = &form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *txtYear = form.findChild<QLineEdit *>("txtYear");
        txtYear->setFocus();

        // Run the event loop as the program does; it must end by itself.
        QTimer::singleShot(0, &form, [&] {
            armed = true;
            if (route == QLatin1String("button"))
                QTest::mouseClick(form.findChild<QPushButton *>("Command1"), Qt::LeftButton);
            else if (route == QLatin1String("alt-x"))
                QTest::keyClick(txtYear, Qt::Key_X, Qt::AltModifier);
            else if (route == QLatin1String("menu"))
                form.findChild<QAction *>("mnuFileExit")->trigger();
            else if (route == QLatin1String("ctrl-q"))
                QTest::keyClick(txtYear, Qt::Key_Q, Qt::ControlModifier);
            else
                form.close();
        });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        giveUp.start(5000);
        QApplication::setQuitOnLastWindowClosed(true);
        const int exitCode = QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(false);
        armed = false;

        QCOMPARE(exitCode, 0);
        QVERIFY(!form.isVisible());
        QVERIFY(form.calc() == nullptr);
        QVERIFY(form.keystroke() == nullptr);
        QCOMPARE(calcGoneFirst, QList<bool>{true});
        QCOMPARE(doubles.beep.count(), 0);
    }

    void printChart_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("failing");
        QTest::newRow("button") << "button" << false;
        QTest::newRow("Alt+P") << "alt-p" << false;
        QTest::newRow("printer failing") << "button" << true;
    }

    void printChart()
    {
        QFETCH(QString, route);
        QFETCH(bool, failing);
        f->doubles.printer.setFailing(failing);
        if (failing)
            f->doubles.msgBox.expect(1);
        QTest::mouseClick(f->chkDate, Qt::LeftButton);
        calculate(QStringLiteral("2004"), QStringLiteral("180"));
        if (route == QLatin1String("button"))
            QTest::mouseClick(f->btnPrint, Qt::LeftButton);
        else
            QTest::keyClick(f->txtFacing, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(f->doubles.printer.attempts(), 1);

        if (failing) {
            QCOMPARE(f->doubles.msgBox.boxes().size(), std::size_t(1));
            QCOMPARE(f->doubles.msgBox.boxes()[0].title, QStringLiteral("Can't Print Chart"));
            f->doubles.msgBox.clear();
        } else {
            QCOMPARE(f->doubles.printer.pages().size(), std::size_t(1));
            const auto &page = f->doubles.printer.pages()[0].captions;
            QCOMPARE(page.at("lblYear"), QStringLiteral("2004"));
            QCOMPARE(page.at("lblFacingDegree"), QStringLiteral("180"));
            for (const char *array : {"lblTime", "lblFacing", "lblMountain"}) {
                for (int i = 0; i < 9; ++i) {
                    const QString name = platform::controlName(array, i);
                    QCOMPARE(page.at(name), f->label(array, i)->text());
                }
            }
        }
        // The window and its chart are as they were, and the print form is gone.
        QCOMPARE(captions(*f->form, "lblTime").join(' '), QStringLiteral("8 9 1 2 3 4 5 6 7"));
        QCOMPARE(f->palace(5)->FillColor(), Grey);
        QVERIFY(f->btnPrint->isEnabled());
        QVERIFY(!f->form->findChild<QWidget *>("frmPrint"));
    }

    void aboutBox_data()
    {
        QTest::addColumn<bool>("shortcut");
        QTest::newRow("About > About") << false;
        QTest::newRow("Ctrl+A in the year box") << true;
    }

    void aboutBox()
    {
        QFETCH(bool, shortcut);
        type(f->txtYear, QStringLiteral("20"));
        QString shownTitle;
        QTimer::singleShot(0, f->form.get(), [&shownTitle] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                shownTitle = modal->windowTitle();
                modal->close();
            }
        });
        if (shortcut)
            QTest::keyClick(f->txtYear, Qt::Key_A, Qt::ControlModifier);
        else
            f->find<QAction>("mnuAboutAbout")->trigger();
        // exec() returned: the dialog was modal and is closed.
        QCOMPARE(shownTitle, QStringLiteral("About Orrindel"));
        QCOMPARE(f->txtYear->text(), QStringLiteral("20"));
        QCOMPARE(f->doubles.beep.count(), 0);
    }

    void windowFrame()
    {
        const QWidget *client = f->form->centralWidget();
        QCOMPARE(client->size(), QSize(354, 418)); // 5310 x 6270 twips
        QVERIFY(client->geometry().top() >= f->form->menuBar()->geometry().bottom());
        QCOMPARE(f->form->minimumSize(), f->form->maximumSize());
        QVERIFY(!f->form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(f->form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!f->form->windowIcon().isNull());
        const QStringList menus = {f->form->menuBar()->actions().at(0)->text(),
                                   f->form->menuBar()->actions().at(1)->text()};
        QCOMPARE(menus, (QStringList{"&File", "&About"}));
        QCOMPARE(f->find<QAction>("mnuFileExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(f->find<QAction>("mnuAboutAbout")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    }

    void chartGrid()
    {
        // South at the top, east on the left; squares 96 x 72 pixels apart from (24, 24).
        const int grid[3][3] = {{8, 4, 6}, {7, 0, 2}, {3, 5, 1}};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const int i = grid[row][column];
                const QRect square = f->palace(i)->geometry();
                QCOMPARE(square, QRect(24 + 96 * column, 24 + 72 * row, 97, 73));
                for (const char *array : {"lblTime", "lblFacing", "lblMountain", "lblAnnual"})
                    QVERIFY2(square.contains(f->label(array, i)->geometry()),
                             qPrintable(platform::controlName(array, i)));
                const QRect annual = f->label("lblAnnual", i)->geometry();
                QCOMPARE(annual.left(), square.left());
                QCOMPARE(annual.bottom(), square.bottom());
            }
        }
        // The compass letters stand outside the grid beside the squares they name.
        const auto centreX = [](const QWidget *w) { return w->geometry().center().x(); };
        const auto centreY = [](const QWidget *w) { return w->geometry().center().y(); };
        const platform::Label *south = f->label("lblDirections", 0);
        const platform::Label *north = f->label("lblDirections", 4);
        const platform::Label *east = f->label("lblDirections", 6);
        const platform::Label *west = f->label("lblDirections", 2);
        QCOMPARE(south->text(), QStringLiteral("S"));
        QVERIFY(south->geometry().bottom() <= f->palace(4)->geometry().top() + 1);
        QVERIFY(qAbs(centreX(south) - centreX(f->palace(4))) <= 2);
        QCOMPARE(north->text(), QStringLiteral("N"));
        QVERIFY(north->geometry().top() >= f->palace(5)->geometry().bottom() - 1);
        QVERIFY(qAbs(centreX(north) - centreX(f->palace(5))) <= 2);
        QCOMPARE(east->text(), QStringLiteral("E"));
        QVERIFY(east->geometry().right() <= f->palace(7)->geometry().left() + 1);
        QVERIFY(
            f->palace(7)->geometry().contains(f->palace(7)->geometry().left() + 1, centreY(east)));
        QCOMPARE(west->text(), QStringLiteral("W"));
        QVERIFY(west->geometry().left() >= f->palace(2)->geometry().right() - 1);

        // The stars are drawn over the squares, not under them.
        const QObjectList stack = f->palace(0)->parentWidget()->children();
        for (int i = 0; i < 9; ++i) {
            for (const char *array : {"lblTime", "lblFacing", "lblMountain", "lblAnnual"})
                QVERIFY(stack.indexOf(f->label(array, i)) > stack.indexOf(f->palace(i)));
        }
    }

    void greyPalaceIsPainted()
    {
        calculate(QStringLiteral("2004"), QStringLiteral("180"));
        QWidget *chart = f->palace(0)->parentWidget();
        const QImage image = chart->grab().toImage();
        // Just inside each square's top edge, between the mountain and facing stars.
        const auto sample = [&](int palace) {
            const QRect square = f->palace(palace)->geometry();
            return image.pixelColor(square.left() + 48, square.top() + 4);
        };
        QCOMPARE(sample(5), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(sample(4), QColor(Qt::white));
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
