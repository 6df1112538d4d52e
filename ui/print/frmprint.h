#pragma once

#include "platform/controls.h"

#include <QString>
#include <QWidget>

#include <array>

namespace orrindel {

namespace platform {
class MsgBox;
class Printer;
} // namespace platform

// What a page shows of the main window's chart: the year and the bearing exactly as typed
// and the 27 star captions, by palace index.
struct PrintedChart
{
    QString year;
    QString bearing;
    std::array<QString, 9> time, facing, mountain;
};

// The print-only copy of the chart: never shown, loaded by Print Chart, printed during its
// load and destroyed (unloaded) by the caller right after.
class frmPrint : public QWidget
{
    Q_OBJECT
public:
    // Loads the form: every control with its layout values, star captions empty. A failure
    // is reported in a message box owned by the owner window.
    frmPrint(PrintedChart chart, QWidget *owner, platform::Printer &printer,
             platform::MsgBox &msgBox);

    // The load event: copies the chart into the captions, prints the form and reports a
    // printer failure in a message box, its reason as the details. Nothing escapes.
    void Form_Load();

private:
    platform::Label &label(const char *name, int index = -1) const;

    PrintedChart m_chart;
    QWidget *m_owner;
    platform::Printer &m_printer;
    platform::MsgBox &m_msgBox;
    platform::Controls m_controls;
};

} // namespace orrindel
