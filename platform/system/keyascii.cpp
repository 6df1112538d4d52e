#include "keyascii.h"

#include <QKeyEvent>

#include <array>

namespace orrindel::platform {

namespace {

// 0x80..0x9F of Windows-1252; zero marks the five undefined codes.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

constexpr std::int16_t QuestionMark = 63;

} // namespace

std::int16_t toWindows1252(QChar character)
{
    const char16_t unicode = character.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return static_cast<std::int16_t>(unicode);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] != 0 && HighControlRange[i] == unicode)
            return static_cast<std::int16_t>(0x80 + i);
    }
    return QuestionMark;
}

QChar fromWindows1252(std::int16_t code)
{
    if (code < 0 || code > 0xFF)
        return QChar(QChar::ReplacementCharacter);
    if (code >= 0x80 && code < 0xA0) {
        const char16_t unicode = HighControlRange[std::size_t(code - 0x80)];
        return unicode ? QChar(unicode) : QChar(QChar::ReplacementCharacter);
    }
    return QChar(char16_t(code));
}

std::optional<std::int16_t> keyAscii(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    // Alt with a key is an access key or menu command; Ctrl+Alt is AltGr on Windows and
    // types the character it shows.
    if (alt && !control)
        return std::nullopt;

    switch (event.key()) {
    case Qt::Key_Backspace:
        return control ? 127 : 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? 10 : 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }

    if (control && !alt) {
        const int key = event.key();
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return static_cast<std::int16_t>(key - Qt::Key_A + 1);
        if (key == Qt::Key_BracketLeft)
            return 27;
        if (key == Qt::Key_Backslash)
            return 28;
        if (key == Qt::Key_BracketRight)
            return 29;
        return std::nullopt;
    }

    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    const QChar first = text.front();
    // Keys such as Delete carry a control character as text but type nothing.
    if (first.unicode() < 0x20 || first.unicode() == 0x7F)
        return std::nullopt;
    return toWindows1252(first);
}

} // namespace orrindel::platform
