#include "msgbox.h"

#include "application.h"
#include "engine/runtimeerror.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orrindel::platform {

void QtMsgBox::show(QWidget *parent, const QString &prompt, int style, const QString &title,
                    const QString &details)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setDetailedText(details);
    box.setStandardButtons(QMessageBox::Ok);
    box.setIcon((style & vbCritical) == vbCritical ? QMessageBox::Critical : QMessageBox::NoIcon);
    box.exec();
}

bool QtMsgBox::confirm(QWidget *parent, const QString &prompt, const QString &title)
{
    return QMessageBox::question(parent, title, prompt, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

namespace {

// The runtime's messages, as the engine raises them, marked for translation. A message with
// details, which come from elsewhere, is shown as it is.
[[maybe_unused]] constexpr const char *RuntimeMessages[] = {
    QT_TRANSLATE_NOOP("orrindel::RuntimeError", "Overflow"),
    QT_TRANSLATE_NOOP("orrindel::RuntimeError", "Type mismatch"),
    QT_TRANSLATE_NOOP("orrindel::RuntimeError", "Invalid procedure call or argument"),
    QT_TRANSLATE_NOOP("orrindel::RuntimeError", "File not found"),
    QT_TRANSLATE_NOOP("orrindel::RuntimeError", "Printer error"),
};

} // namespace

void reportUntrapped(MsgBox &msgBox, QWidget *parent, const RuntimeError &error)
{
    msgBox.show(
        parent,
        QCoreApplication::translate("orrindel::platform::MsgBox", "Run-time error '%1':\n\n%2")
            .arg(error.number())
            .arg(QCoreApplication::translate("orrindel::RuntimeError", error.what())),
        vbCritical, Application::title());
}

} // namespace orrindel::platform
