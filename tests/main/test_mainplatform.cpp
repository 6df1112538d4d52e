// The forms operations the main window is built on: the key codes of KeyPress, the text
// box that raises it, the month-and-year picker and the graphical check box.

#include "platform/checkbox.h"
#include "platform/datepicker.h"
#include "platform/keyascii.h"
#include "platform/textbox.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace orrindel::platform;

class TestMainPlatform : public QObject
{
    Q_OBJECT

private slots:
    void keyAsciiCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code"); // -1: types no character
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("a") << int(Qt::Key_A) << none << "a" << 97;
        QTest::newRow("shift A") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << 65;
        QTest::newRow("digit 0") << int(Qt::Key_0) << none << "0" << 48;
        QTest::newRow("point") << int(Qt::Key_Period) << none << "." << 46;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << 55;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
        QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << ctrl << "" << 127;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << 9;
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << 13;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << ctrl << "" << 10;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << none << "\x1b" << 27;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << "\x01" << 1;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << "\x03" << 3;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "\x16" << 22;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << "\x18" << 24;
        QTest::newRow("Ctrl+Shift+Z")
            << int(Qt::Key_Z) << int(ctrl | Qt::ShiftModifier) << "" << 26;
        QTest::newRow("Ctrl+1 types nothing") << int(Qt::Key_1) << ctrl << "1" << -1;
        QTest::newRow("Left") << int(Qt::Key_Left) << none << "" << -1;
        QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << -1;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << -1;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << "" << -1;
        QTest::newRow("Alt+a") << int(Qt::Key_A) << int(Qt::AltModifier) << "a" << -1;
        QTest::newRow("AltGr @") << int(Qt::Key_At) << int(ctrl | Qt::AltModifier) << "@" << 64;
        QTest::newRow("euro sign") << int(Qt::Key_unknown) << none << QString(QChar(0x20AC)) << 128;
        QTest::newRow("right single quote")
            << int(Qt::Key_unknown) << none << QString(QChar(0x2019)) << 146;
        QTest::newRow("left double quote")
            << int(Qt::Key_unknown) << none << QString(QChar(0x201C)) << 147;
        QTest::newRow("e acute") << int(Qt::Key_unknown) << none << QString(QChar(0xE9)) << 233;
        QTest::newRow("Arabic-Indic one")
            << int(Qt::Key_unknown) << none << QString(QChar(0x0661)) << 63;
        QTest::newRow("Cyrillic a") << int(Qt::Key_unknown) << none << QString(QChar(0x0430)) << 63;
    }

    void keyAsciiCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const std::optional<std::int16_t> result = keyAscii(event);
        QCOMPARE(result.has_value(), code >= 0);
        if (result)
            QCOMPARE(int(*result), code);
    }

    void windows1252RoundTrip()
    {
        int undefined = 0;
        for (int code = 32; code <= 255; ++code) {
            const QChar character = fromWindows1252(std::int16_t(code));
            if (character == QChar(QChar::ReplacementCharacter)) {
                ++undefined;
                continue;
            }
            QCOMPARE(int(toWindows1252(character)), code);
        }
        QCOMPARE(undefined, 5); // 0x81, 0x8D, 0x8F, 0x90, 0x9D
    }

    void textBoxReplacesAndDrops()
    {
        TextBox box;
        box.setMaxLength(5);
        // Upper-cases letters and drops digits, as a handler of KeyPress may.
        connect(&box, &TextBox::KeyPress, &box, [](std::int16_t &KeyAscii) {
            if (KeyAscii >= 'a' && KeyAscii <= 'z')
                KeyAscii = std::int16_t(KeyAscii - 32);
            else if (KeyAscii >= '0' && KeyAscii <= '9')
                KeyAscii = 0;
        });
        QTest::keyClicks(&box, "ab1c2de");
        QCOMPARE(box.text(), QStringLiteral("ABCDE"));
        QTest::keyClicks(&box, "f"); // the box is full
        QCOMPARE(box.text(), QStringLiteral("ABCDE"));
    }

    void menuShortcutWinsOverTheBox()
    {
        QMainWindow window;
        auto *box = new TextBox(&window);
        window.setCentralWidget(box);
        QAction *about = window.menuBar()
                             ->addMenu(QStringLiteral("&About"))
                             ->addAction(QStringLiteral("&About"));
        about->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        QSignalSpy triggered(about, &QAction::triggered);
        QList<int> codes;
        connect(box, &TextBox::KeyPress, box,
                [&codes](std::int16_t &KeyAscii) { codes << KeyAscii; });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        QTest::keyClicks(box, "12");
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(codes, (QList<int>{'1', '2', 3}));
        QCOMPARE(box->text(), QStringLiteral("12"));
    }

    void datePickerRangeAndChange()
    {
        DatePicker picker;
        QCOMPARE(picker.minimumDate(), QDate(1000, 1, 1));
        QCOMPARE(picker.maximumDate(), QDate(9999, 12, 31));
        QCOMPARE(picker.displayFormat(), QStringLiteral("MM/yyyy"));
        QVERIFY(picker.calendarPopup());
        QSignalSpy change(&picker, &DatePicker::Change);

        picker.setValue(QDate(2004, 6, 15));
        QCOMPARE(picker.Year(), 2004);
        QCOMPARE(picker.Month(), 6);
        QCOMPARE(picker.text(), QStringLiteral("06/2004"));
        picker.setValue(QDate(999, 12, 31)); // before the range: held at its start
        QCOMPARE(picker.Value(), QDate(1000, 1, 1));
        QCOMPARE(change.count(), 0);

        picker.setValue(QDate(2004, 6, 15));
        picker.setCurrentSection(QDateTimeEdit::YearSection);
        QTest::keyClick(&picker, Qt::Key_Up);
        QCOMPARE(picker.Year(), 2005);
        QCOMPARE(change.count(), 1);
    }

    void graphicalCheckBox()
    {
        GraphicalCheckBox check(QStringLiteral("->"));
        QSignalSpy click(&check, &GraphicalCheckBox::Click);
        QCOMPARE(check.Value(), 0);
        QTest::mouseClick(&check, Qt::LeftButton);
        QCOMPARE(check.Value(), 1);
        QVERIFY(check.isChecked()); // drawn pressed
        check.setValue(0);
        QCOMPARE(check.Value(), 0);
        check.setValue(0); // no change, no Click
        QCOMPARE(click.count(), 2);
    }
};

QTEST_MAIN(TestMainPlatform)
#include "test_mainplatform.moc"
