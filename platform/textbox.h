#pragma once

#include <QLineEdit>

#include <cstdint>

namespace orrindel::platform {

// A text box that raises KeyPress with the character code of every key that types a
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
    explicit TextBox(QWidget *parent = nullptr);

signals:
    void KeyPress(std::int16_t &KeyAscii);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
};

} // namespace orrindel::platform
