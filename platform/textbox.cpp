#include "textbox.h"

#include "platform/system/keyascii.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace orrindel::platform {

namespace {

bool isControlKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);
}

} // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setAcceptDrops(false);
}

bool TextBox::event(QEvent *event)
{
    // QLineEdit claims Ctrl+A, Ctrl+C, ... for itself before the window's shortcuts are
    // looked at; here the menu's shortcuts win and the rest arrive as key presses.
    if (event->type() == QEvent::ShortcutOverride &&
        isControlKey(*static_cast<QKeyEvent *>(event)) &&
        keyAscii(*static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)) {
        // An Alt key that is no access key types nothing.
        event->ignore();
        return;
    }
    const std::optional<std::int16_t> typed = keyAscii(*event);
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    std::int16_t KeyAscii = *typed;
    KeyPress(KeyAscii);
    if (KeyAscii == 0) {
        event->accept();
        return;
    }
    if (KeyAscii == *typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler replaced the character: type the replacement instead.
    if (KeyAscii >= 32 && KeyAscii <= 255 && KeyAscii != 127) {
        if (!isReadOnly())
            insert(QString(fromWindows1252(KeyAscii)));
        event->accept();
        return;
    }
    event->ignore();
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString composed = event->commitString();
    if (composed.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString typed;
    for (const QChar character : composed) {
        const std::int16_t code = toWindows1252(character);
        std::int16_t KeyAscii = code;
        KeyPress(KeyAscii);
        if (KeyAscii != 0)
            typed += KeyAscii == code ? character : fromWindows1252(KeyAscii);
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(typed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

} // namespace orrindel::platform
