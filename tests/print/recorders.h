#pragma once

#include "engine/runtimeerror.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

namespace orrindel::test {

// Records every message box instead of waiting for a user.
class RecordingMsgBox final : public platform::MsgBox
{
public:
    struct Call
    {
        QWidget *parent;
        QString prompt;
        int style;
        QString title;
    };
    void show(QWidget *parent, const QString &prompt, int style, const QString &title) override
    {
        calls.append({parent, prompt, style, title});
    }
    QList<Call> calls;
};

// A printer that hands the form to a probe instead of printing it, and can fail.
class ProbePrinter final : public platform::Printer
{
public:
    void PrintForm(QWidget &form) override
    {
        ++count;
        if (probe)
            probe(form);
        if (fails)
            throw RuntimeError::printerError("probe");
    }
    std::function<void(QWidget &)> probe;
    bool fails = false;
    int count = 0;
};

} // namespace orrindel::test
