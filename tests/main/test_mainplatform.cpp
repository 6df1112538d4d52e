// The forms operations the main window is built on: the key codes of KeyPress, the text
// box that raises it, the month-and-year picker and the graphical check box.

#include "platform/checkbox.h"
#include "platform/datepicker.h"
#include "platform/keyascii.h"
#include "platform/textbox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

using namespace orrindel::platform;
using namespace Qt::StringLiterals;

class TestMainPlatform : public QObject
{
    Q_OBJECT

private slots:
    // The key as a combination with its modifiers, the text it carries, the code KeyPress
    // sees (-1: the key types no character).
    void keyAsciiCodes_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        const auto row = [](const char *name, QKeyCombination key, const QString &text, int code) {
            QTest::newRow(name) << key << text << code;
        };
        row("shift A", Qt::SHIFT | Qt::Key_A, u"A"_s, 65);
        row("keypad 7", Qt::KeypadModifier | Qt::Key_7, u"7"_s, 55);
        row("Backspace", Qt::Key_Backspace, u"\b"_s, 8);
        row("Ctrl+Backspace", Qt::CTRL | Qt::Key_Backspace, QString(), 127);
        row("Enter", Qt::Key_Return, u"\r"_s, 13);
        row("Ctrl+Enter is a line feed", Qt::CTRL | Qt::Key_Return, QString(), 10);
        row("Ctrl+C", Qt::CTRL | Qt::Key_C, u"\x03"_s, 3);
        row("Ctrl+Shift+Z without text", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, QString(), 26);
        row("Ctrl+1 types nothing", Qt::CTRL | Qt::Key_1, u"1"_s, -1);
        row("Left", Qt::Key_Left, QString(), -1);
        row("Delete", Qt::Key_Delete, u"\x7f"_s, -1);
        row("AltGr @", Qt::CTRL | Qt::ALT | Qt::Key_At, u"@"_s, 64);
        row("euro sign", Qt::Key_unknown, u"\u20ac"_s, 128);
        row("right single quote", Qt::Key_unknown, u"\u2019"_s, 146);
        row("e acute", Qt::Key_unknown, u"\u00e9"_s, 233);
        row("Arabic-Indic one", Qt::Key_unknown, u"\u0661"_s, 63);
    }

    void keyAsciiCodes()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
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
        box.setKeyPress([](std::int16_t &KeyAscii) {
            if (KeyAscii >= 'a' && KeyAscii <= 'z')
                KeyAscii = std::int16_t(KeyAscii - 32);
            else if (KeyAscii >= '0' && KeyAscii <= '9')
                KeyAscii = 0;
        });
        QTest::keyClicks(&box, "ab1c2de");
        QCOMPARE(box.text(), u"ABCDE"_s);
        QTest::keyClicks(&box, "f"); // the box is full
        QCOMPARE(box.text(), u"ABCDE"_s);

        // Text from an input method passes the same handler, character by character.
        box.clear();
        QInputMethodEvent composed;
        composed.setCommitString(u"x1y"_s);
        QCoreApplication::sendEvent(&box, &composed);
        QCOMPARE(box.text(), u"XY"_s);
        QVERIFY(!box.acceptDrops());
    }

    void datePickerRangeAndChange()
    {
        DatePicker picker;
        QSignalSpy change(&picker, &DatePicker::Change);

        picker.setValue(QDate(2004, 6, 15));
        QCOMPARE(picker.text(), u"06/2004"_s);
        picker.setValue(QDate(999, 12, 31)); // outside the range: held at its ends
        QCOMPARE(picker.Value(), QDate(1000, 1, 1));
        picker.setValue(QDate(10000, 1, 1));
        QCOMPARE(picker.Value(), QDate(9999, 12, 31));
        QCOMPARE(change.count(), 0);

        picker.setValue(QDate(2004, 6, 15));
        picker.setCurrentSection(QDateTimeEdit::YearSection);
        QTest::keyClick(&picker, Qt::Key_Up);
        QCOMPARE(picker.Year(), 2005);
        QCOMPARE(change.count(), 1);
    }

    void graphicalCheckBox()
    {
        GraphicalCheckBox check(u"->"_s);
        QSignalSpy click(&check, &GraphicalCheckBox::Click);
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
