#pragma once

#include "platform/controls.h"

#include <QDialog>

#include <cstdint>

class QPushButton;

namespace orrindel {

namespace platform {
struct Services;
} // namespace platform

// The About box: title, version, credits and a notice, and the button that starts the
// system's System Information tool. Created for one showing and destroyed after it, so each
// showing runs the load afresh.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // Lays out the controls and runs the load.
    explicit frmAbout(platform::Services &services, QWidget *parent = nullptr);

    // Starts the System Information tool found through the registry, else the desktop's
    // own viewer, or tells the user that neither is available. Never raises.
    void StartSysInfo();

    // Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal: true when it
    // was read. Raises RuntimeError for a value of zero bytes.
    bool GetKeyValue(std::uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    platform::Label &label(const char *name) const;

    platform::Services &m_services;
    platform::Controls m_controls;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
};

} // namespace orrindel
