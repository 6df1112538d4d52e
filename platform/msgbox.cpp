#include "msgbox.h"

#include "application.h"
#include "engine/runtimeerror.h"

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

void reportUntrapped(MsgBox &msgBox, QWidget *parent, const RuntimeError &error)
{
    msgBox.show(parent,
                QStringLiteral("Run-time error '%1':\n\n%2")
                    .arg(error.number())
                    .arg(QString::fromStdString(error.what())),
                vbCritical, Application::title());
}

} // namespace orrindel::platform
