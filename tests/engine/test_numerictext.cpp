#include "engine/numerictext.h"
#include "engine/runtimeerror.h"
#include "engine/validation.h"

#include <QTest>

using namespace orrindel;

class TestNumericText : public QObject
{
    Q_OBJECT
private slots:
    void numeric_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("digits") << QByteArray("2004") << true;
        QTest::newRow("zero") << QByteArray("0") << true;
        QTest::newRow("trailing point") << QByteArray("5.") << true;
        QTest::newRow("leading point") << QByteArray(".5") << true;
        QTest::newRow("decimal") << QByteArray("359.9") << true;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("lone point") << QByteArray(".") << false;
        QTest::newRow("two points") << QByteArray("1.2.3") << false;
        QTest::newRow("exponent") << QByteArray("1e3") << false;
        QTest::newRow("minus") << QByteArray("-5") << false;
        QTest::newRow("plus") << QByteArray("+5") << false;
        QTest::newRow("leading space") << QByteArray(" 12") << false;
        QTest::newRow("trailing space") << QByteArray("12 ") << false;
        QTest::newRow("comma decimal") << QByteArray("1,5") << false;
        QTest::newRow("thousands") << QByteArray("1,000") << false;
        QTest::newRow("currency") << QByteArray("$5") << false;
        QTest::newRow("hexadecimal") << QByteArray("&H10") << false;
        QTest::newRow("0x form") << QByteArray("0x10") << false;
        QTest::newRow("arabic-indic digits") << QByteArray("١٢") << false;
        QTest::newRow("fullwidth digit") << QByteArray("１") << false;
        QTest::newRow("infinity") << QByteArray("inf") << false;
        QTest::newRow("nan") << QByteArray("nan") << false;
    }
    void numeric()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, numeric);
        QCOMPARE(isNumericText(text.toStdString()), numeric);
        if (!numeric)
            QVERIFY_THROWS_EXCEPTION(RuntimeError, textToDouble(text.toStdString()));
    }

    void conversions_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("asDouble");
        QTest::addColumn<int>("asInteger"); // -1: overflows
        QTest::newRow("2004") << QByteArray("2004") << 2004.0 << 2004;
        QTest::newRow("5.") << QByteArray("5.") << 5.0 << 5;
        QTest::newRow(".5 rounds to even 0") << QByteArray(".5") << 0.5 << 0;
        QTest::newRow("1.5 rounds to even 2") << QByteArray("1.5") << 1.5 << 2;
        QTest::newRow("2.5 rounds to even 2") << QByteArray("2.5") << 2.5 << 2;
        QTest::newRow("2.51 rounds up") << QByteArray("2.51") << 2.51 << 3;
        QTest::newRow("32767 fits") << QByteArray("32767") << 32767.0 << 32767;
        QTest::newRow("32767.4 fits") << QByteArray("32767.4") << 32767.4 << 32767;
        QTest::newRow("32767.5 overflows") << QByteArray("32767.5") << 32767.5 << -1;
        QTest::newRow("99999 overflows") << QByteArray("99999") << 99999.0 << -1;
        QTest::newRow("leading zeros") << QByteArray("0065") << 65.0 << 65;
    }
    void conversions()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, asDouble);
        QFETCH(int, asInteger);
        QCOMPARE(textToDouble(text.toStdString()), asDouble);
        QCOMPARE(textToSingle(text.toStdString()), float(asDouble));
        if (asInteger < 0) {
            try {
                (void)textToInteger(text.toStdString());
                QFAIL("no overflow raised");
            } catch (const RuntimeError &error) {
                QCOMPARE(error.number(), int(RuntimeError::Overflow));
            }
        } else {
            QCOMPARE(int(textToInteger(text.toStdString())), asInteger);
        }
    }

    void validInputs_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("year");
        QTest::addColumn<bool>("bearing");
        QTest::newRow("64") << QByteArray("64") << false << true;
        QTest::newRow("65") << QByteArray("65") << true << true;
        QTest::newRow("64.5 is above 64") << QByteArray("64.5") << true << true;
        QTest::newRow("32767.5 rounds out of range") << QByteArray("32767.5") << false << false;
        QTest::newRow("0") << QByteArray("0") << false << true;
        QTest::newRow("359.9") << QByteArray("359.9") << true << true;
        QTest::newRow("359.99999") << QByteArray("359.99999") << true << true;
        QTest::newRow("360") << QByteArray("360") << true << false;
        QTest::newRow("9999") << QByteArray("9999") << true << false;
        QTest::newRow("32767") << QByteArray("32767") << true << false;
        QTest::newRow("32768 does not fit") << QByteArray("32768") << false << false;
        QTest::newRow("99999") << QByteArray("99999") << false << false;
        QTest::newRow("empty") << QByteArray("") << false << false;
        QTest::newRow("1e3") << QByteArray("1e3") << false << false;
        QTest::newRow("-5") << QByteArray("-5") << false << false;
        QTest::newRow("5.") << QByteArray("5.") << false << true;
        QTest::newRow(".5") << QByteArray(".5") << false << true;
        QTest::newRow("1.2.3") << QByteArray("1.2.3") << false << false;
    }
    void validInputs()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, year);
        QFETCH(bool, bearing);
        QCOMPARE(isValidYearText(text.toStdString()), year);
        QCOMPARE(isValidBearingText(text.toStdString()), bearing);
    }

    void hugeNumbersOverflow()
    {
        const std::string huge(400, '9');
        QVERIFY(isNumericText(huge));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, textToDouble(huge));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, textToSingle(std::string(50, '9')));
    }
};

QTEST_APPLESS_MAIN(TestNumericText)
#include "test_numerictext.moc"
