#include "engine/keystroke.h"

#include <QTest>

using orrindel::Keystroke;

class TestKeystroke : public QObject
{
    Q_OBJECT
private slots:
    void key_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("keyAscii");
        QTest::addColumn<int>("result");

        // Mode 0: upper case, no quotes.
        QTest::newRow("0 a to A") << 0 << 97 << 65;
        QTest::newRow("0 z to Z") << 0 << 122 << 90;
        QTest::newRow("0 backquote below a") << 0 << 96 << 96;
        QTest::newRow("0 brace above z") << 0 << 123 << 123;
        QTest::newRow("0 A stays") << 0 << 65 << 65;
        QTest::newRow("0 accented stays") << 0 << 233 << 233;
        QTest::newRow("0 double quote") << 0 << 34 << 0;
        QTest::newRow("0 apostrophe") << 0 << 39 << 0;
        QTest::newRow("0 left single quote") << 0 << 145 << 0;
        QTest::newRow("0 right single quote") << 0 << 146 << 0;
        QTest::newRow("0 curly double quotes pass") << 0 << 147 << 147;
        QTest::newRow("0 148 passes") << 0 << 148 << 148;
        QTest::newRow("0 Enter") << 0 << 13 << 13;
        QTest::newRow("0 negative passes") << 0 << -5 << -5;
        QTest::newRow("0 zero") << 0 << 0 << 0;
        QTest::newRow("0 escape passes") << 0 << 27 << 27;
        // Mode 1: quotes refused, case kept.
        QTest::newRow("1 a stays") << 1 << 97 << 97;
        QTest::newRow("1 backspace") << 1 << 8 << 8;
        QTest::newRow("1 double quote") << 1 << 34 << 0;
        QTest::newRow("1 apostrophe") << 1 << 39 << 0;
        QTest::newRow("1 145") << 1 << 145 << 0;
        QTest::newRow("1 146") << 1 << 146 << 0;
        QTest::newRow("1 147 passes") << 1 << 147 << 147;
        QTest::newRow("1 negative passes") << 1 << -100 << -100;
        QTest::newRow("1 zero") << 1 << 0 << 0;
        // Mode 2: digits only.
        QTest::newRow("2 digit 0") << 2 << 48 << 48;
        QTest::newRow("2 digit 9") << 2 << 57 << 57;
        QTest::newRow("2 slash below 0") << 2 << 47 << 0;
        QTest::newRow("2 colon above 9") << 2 << 58 << 0;
        QTest::newRow("2 point") << 2 << 46 << 0;
        QTest::newRow("2 minus") << 2 << 45 << 0;
        QTest::newRow("2 letter") << 2 << 97 << 0;
        QTest::newRow("2 negative") << 2 << -48 << 0;
        QTest::newRow("2 zero") << 2 << 0 << 0;
        // Mode 3: digits and the point.
        QTest::newRow("3 point") << 3 << 46 << 46;
        QTest::newRow("3 digit 5") << 3 << 53 << 53;
        QTest::newRow("3 comma") << 3 << 44 << 0;
        QTest::newRow("3 minus") << 3 << 45 << 0;
        QTest::newRow("3 Enter") << 3 << 13 << 13;
        QTest::newRow("3 negative") << 3 << -1 << 0;
        QTest::newRow("3 zero") << 3 << 0 << 0;
        // Modes 2 and 3 pass the editing codes and refuse every other control code.
        for (int mode : {2, 3}) {
            for (int code : {8, 9, 10, 13})
                QTest::addRow("%d editing code %d", mode, code) << mode << code << code;
            for (int code : {1, 3, 7, 11, 12, 22, 24, 26, 27, 31})
                QTest::addRow("%d control code %d", mode, code) << mode << code << 0;
        }
        // Any other mode refuses everything.
        QTest::newRow("mode 4") << 4 << 50 << 0;
        QTest::newRow("mode -1") << -1 << 50 << 0;
        QTest::newRow("mode 4 Enter") << 4 << 13 << 0;
        QTest::newRow("mode max") << 2147483647 << 97 << 0;
    }
    void key()
    {
        QFETCH(int, mode);
        QFETCH(int, keyAscii);
        QFETCH(int, result);
        int beeps = 0;
        const Keystroke keystroke([&beeps] { ++beeps; });
        QCOMPARE(int(keystroke.Key(mode, std::int16_t(keyAscii))), result);
        // Exactly one beep for a refused key, none otherwise.
        QCOMPARE(beeps, result == 0 ? 1 : 0);
    }

    void secondPointIsNotCaughtHere()
    {
        int beeps = 0;
        const Keystroke keystroke([&beeps] { ++beeps; });
        QCOMPARE(keystroke.Key(3, 46), std::int16_t(46));
        QCOMPARE(keystroke.Key(3, 46), std::int16_t(46));
        QCOMPARE(beeps, 0);
    }

    void worksWithoutABeep()
    {
        const Keystroke keystroke({});
        QCOMPARE(keystroke.Key(2, 65), std::int16_t(0));
    }
};

QTEST_APPLESS_MAIN(TestKeystroke)
#include "test_keystroke.moc"
