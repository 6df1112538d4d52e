// The forms runtime on its own: the code a key press delivers, the Windows-1252 code page and
// the text box's KeyPress handler.

#include "platform/system/keyascii.h"
#include "platform/textbox.h"
#include "support/table.h"

#include <QInputMethodEvent>
#include <QTest>

using namespace orrindel;
using namespace orrindel::test;

// clang-format off
// The code KeyPress sees for a key and its text.
struct Code { const char *name; QKeyCombination key; QString text = {}; int code; };
const Code Codes[] = {
    {.name = "Ctrl+Backspace", .key = Qt::CTRL | Qt::Key_Backspace, .code = 127}, {.name = "Ctrl+Enter", .key = Qt::CTRL | Qt::Key_Return, .code = 10},
    {.name = "Ctrl+Shift+Z", .key = Qt::CTRL | Qt::SHIFT | Qt::Key_Z, .code = 26}, {.name = "AltGr @", .key = Qt::CTRL | Qt::ALT | Qt::Key_At, .text = "@", .code = 64},
    {.name = "euro", .key = Qt::Key_unknown, .text = "\u20ac", .code = 128}, {.name = "Esc", .key = Qt::Key_Escape, .code = 27},
    {.name = "Ctrl+[", .key = Qt::CTRL | Qt::Key_BracketLeft, .code = 27}, {.name = "Ctrl+]", .key = Qt::CTRL | Qt::Key_BracketRight, .code = 29}};
// clang-format on

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void keyCodes_data() { addRows(Codes, &Code::name); }
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
        QCOMPARE(lacking, QStringLiteral("81 8d 8f 90 9d "));
    }

    // A handler that upper-cases letters and drops digits, for keys and an input method.
    void textBoxHandler()
    {
        platform::TextBox box;
        box.setKeyPress([](std::int16_t &KeyAscii) {
            KeyAscii = std::isdigit(KeyAscii) ? 0 : std::int16_t(std::toupper(KeyAscii));
        });
        QTest::keyClicks(&box, "a1b");
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("c2\u00e9"));
        QCoreApplication::sendEvent(&box, &composed);
        QCOMPARE(box.text(), QStringLiteral("ABC\u00e9"));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
