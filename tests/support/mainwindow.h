#pragma once

// The main window driven as a user drives it, for its own tests and those of the windows it
// opens: keys typed and pressed where the focus is, controls found by name.

#include "support/doubles.h"
#include "ui/main/frmmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace orrindel::test {

using Keys = QList<QKeyCombination>;

// Types each character; characters beyond ASCII arrive as an input method's text.
inline void type(QWidget *box, const QString &text)
{
    for (const QChar ch : text) {
        QInputMethodEvent composed;
        composed.setCommitString(ch);
        ch.unicode() < 0x80 ? QTest::keyClick(box, char(ch.unicode()))
                            : void(QCoreApplication::sendEvent(box, &composed));
    }
}

// Presses each key where the focus is, as a person types, else on the window given.
inline void press(const Keys &keys, QWidget *window = nullptr)
{
    for (const QKeyCombination key : keys) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, key.key(), key.keyboardModifiers());
    }
}

// A fresh main window with the doubles for each test, and no message box shown at its end.
class MainWindowDriver
{
protected:
    std::unique_ptr<TestServices> m_doubles;
    std::unique_ptr<frmMain> m_form;

    template <typename T = QWidget> T *find(const char *name, int index = -1) const
    {
        return m_form->findChild<T *>(platform::controlName(name, index));
    }
    QLineEdit *year() const { return find<QLineEdit>("txtYear"); }
    QLineEdit *bearing() const { return find<QLineEdit>("txtFacing"); }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
    void open()
    {
        m_form = std::make_unique<frmMain>(m_doubles->services);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void start()
    {
        m_doubles = std::make_unique<TestServices>();
        open();
    }
    void finish()
    {
        QVERIFY2(m_doubles->msgBox.boxes.empty(), "a message box was shown");
        m_form.reset();
        m_doubles.reset();
    }
    void calculate(const QString &y = "2004", const QString &b = "180")
    {
        type(year(), y), type(bearing(), b);
        QTest::mouseClick(button("btnCalculate"), Qt::LeftButton);
    }
};

} // namespace orrindel::test
