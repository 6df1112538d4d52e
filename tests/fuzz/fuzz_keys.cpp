// The key filter over arbitrary modes and codes, also fed by the mapping of key events to
// codes: it gives the code, its capital in mode 0, or 0 with exactly one beep.
#include "engine/keystroke.h"
#include "fuzzcheck.h"
#include "platform/keyascii.h"

#include <QInputDevice>
#include <QKeyEvent>

#include <cstring>

static void filter(std::int32_t mode, std::int16_t code)
{
    int beeps = 0;
    const std::int16_t result = orrindel::Keystroke([&beeps] { ++beeps; }).Key(mode, code);
    check(result == 0 || result == code ||
          (mode == 0 && code >= 'a' && code <= 'z' && result == code - 32));
    check(beeps == (result == 0 ? 1 : 0));
}

// Input: mode, key, modifiers and code (4 bytes each), then the event's text in UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    std::int32_t in[4];
    if (size < sizeof in)
        return 0;
    std::memcpy(in, data, sizeof in);
    filter(in[0], std::int16_t(in[3]));
    static const QInputDevice keyboard; // Qt's default one would outlive the leak check
    const QKeyEvent event(
        QEvent::KeyPress, in[1], Qt::KeyboardModifiers(in[2]) & Qt::KeyboardModifierMask, 0, 0, 0,
        QString::fromUtf8(reinterpret_cast<const char *>(data) + 16, qsizetype(size) - 16), false,
        1, &keyboard);
    if (const std::optional<std::int16_t> typed = orrindel::platform::keyAscii(event)) {
        check(*typed >= 1 && *typed <= 255);
        filter(in[0], *typed);
    }
    return 0;
}
