#pragma once

#include "platform/controls.h"

#include <QWidget>

namespace orrindel {

namespace platform {
class MsgBox;
class Printer;
} // namespace platform

// The print-only copy of the chart: never shown, loaded by Print Chart, printed during its
// load and destroyed (unloaded) by the caller right after.
class frmPrint : public QWidget
{
    Q_OBJECT
public:
    // Loads the form: every control with its layout values, star captions empty.
    frmPrint(const QWidget &source, platform::Printer &printer, platform::MsgBox &msgBox);

    // The load event: copies the inputs and the 27 stars out of the source window, prints
    // the form and reports a printer failure in a message box. Nothing escapes.
    void Form_Load();

private:
    platform::Label &label(const char *name, int index = -1) const;

    const QWidget &m_source;
    platform::Printer &m_printer;
    platform::MsgBox &m_msgBox;
    platform::Controls m_controls;
};

} // namespace orrindel
