#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace orrindel::platform {

// A text box that calls its KeyPress handler with the character code of every key that types a
// character, before the character reaches the box. The handler may change KeyAscii or set
// it to 0 to drop the key. Keys that type nothing (arrows, Delete, ...) pass untouched.
// Ctrl+letter keys are character codes here, not the edit shortcuts: Ctrl+C, Ctrl+V and
// Ctrl+X reach KeyPress as 3, 22 and 24 and do their edit only if the handler lets them
// through; a window shortcut on a Ctrl key (a menu item's) is served first. Text composed
// by an input method is typed too, one KeyPress per character; dropped text is refused.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    // Called directly, never queued: the handler changes KeyAscii in place.
    using KeyPressHandler = std::function<void(std::int16_t &KeyAscii)>;

    explicit TextBox(QWidget *parent = nullptr);
    void setKeyPress(KeyPressHandler handler) { m_keyPress = std::move(handler); }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void KeyPress(std::int16_t &KeyAscii)
    {
        if (m_keyPress)
            m_keyPress(KeyAscii);
    }

    KeyPressHandler m_keyPress;
};

} // namespace orrindel::platform
