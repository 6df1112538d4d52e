#include "msgbox.h"

#include <QMessageBox>

namespace orrindel::platform {

void QtMsgBox::show(QWidget *parent, const QString &prompt, int style, const QString &title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setStandardButtons(QMessageBox::Ok);
    box.setIcon((style & vbCritical) == vbCritical ? QMessageBox::Critical
                                                     : QMessageBox::NoIcon);
    box.exec();
}

} // namespace orrindel::platform
