#pragma once

#include <QChar>

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace orrindel::platform {

// The character code a key press delivers to a KeyPress event, as the forms runtime sees
// it: printable characters in the Windows-1252 code page (63, "?", for one it cannot
// hold), Backspace 8, Tab 9, Ctrl+Enter 10, Enter 13, Esc 27, Ctrl+Backspace 127 and
// Ctrl+A..Ctrl+Z 1..26. Keys that type no character (arrows, Home, End, Delete, function
// keys, Alt combinations) give nullopt and never reach KeyPress.
std::optional<std::int16_t> keyAscii(const QKeyEvent &event);

// Windows-1252 code of a character, 63 ("?") where the code page has none.
std::int16_t toWindows1252(QChar character);
// The character of a Windows-1252 code 32..255; the replacement character for the five
// codes the code page leaves undefined.
QChar fromWindows1252(std::int16_t code);

} // namespace orrindel::platform
