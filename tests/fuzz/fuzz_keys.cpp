// The key filter over arbitrary modes and codes, also fed by the mapping of key events to
// codes: it gives the code, its capital in mode 0, or 0 with exactly one beep.
#include "engine/keystroke.h"
#include "fuzzcheck.h"
#include "platform/system/keyascii.h"

#include <QInputDevice>
#include <QKeyEvent>

#include <cstring>

// Input: mode, key, modifiers and code (4 bytes each), then the event's text in UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    std::int32_t in[4];
    if (size < sizeof in)
        return 0;
    std::memcpy(in, data, sizeof in);
    static const QInputDevice keyboard; // Qt's default one would outlive the leak check
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data) + 16, qsizetype(size) - 16);
    const QKeyEvent event(QEvent::KeyPress, in[1],
                          Qt::KeyboardModifiers(in[2]) & Qt::KeyboardModifierMask, 0, 0, 0, text,
                          false, 1, &keyboard);
    const std::optional<std::int16_t> typed = orrindel::platform::keyAscii(event);
    check(!typed || (*typed >= 1 && *typed <= 255));
    for (const std::int16_t code : {std::int16_t(in[3]), typed.value_or(0)}) {
        int beeps = 0;
        const std::int16_t result = orrindel::Keystroke([&beeps] { ++beeps; }).Key(in[0], code);
        check(result == 0 || result == code ||
              (in[0] == 0 && code >= 'a' && code <= 'z' && result == code - 32));
        check(beeps == (result == 0 ? 1 : 0));
    }
    return 0;
}
