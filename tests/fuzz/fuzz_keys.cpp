// The key filter over arbitrary modes and codes, also fed by the mapping of key events to
// codes, and the Windows-1252 round trip.
#include "engine/keystroke.h"
#include "fuzzcheck.h"
#include "platform/keyascii.h"

#include <QInputDevice>
#include <QKeyEvent>

#include <cstring>
#include <tuple>

using namespace orrindel::platform;

// The filter gives the code, its capital in mode 0, or 0 with exactly one beep.
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
    const auto [mode, key, modifiers] = std::tuple(in[0], in[1], Qt::KeyboardModifiers(in[2]));
    const auto code = std::int16_t(in[3]);
    filter(mode, code);
    // Codes 32..255 come back from their character, but for the five the code page lacks.
    const bool lacking =
        code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
    if (code >= 32 && code <= 255)
        check(lacking ? fromWindows1252(code) == QChar::ReplacementCharacter
                      : toWindows1252(fromWindows1252(code)) == code);
    static const QInputDevice keyboard; // Qt's default one would outlive the leak check
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data) + 16, qsizetype(size) - 16);
    const QKeyEvent event(QEvent::KeyPress, key, modifiers & Qt::KeyboardModifierMask, 0, 0, 0,
                          text, false, 1, &keyboard);
    if (const std::optional<std::int16_t> typed = keyAscii(event)) {
        check(*typed >= 1 && *typed <= 255);
        filter(mode, *typed);
    }
    return 0;
}
