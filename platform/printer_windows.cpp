#include "printer.h"

#include "application.h"
#include "engine/runtimeerror.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <string>

namespace orrindel::platform {

namespace {

class WindowsPrinter final : public Printer
{
public:
    void PrintForm(QWidget &form) override
    {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull())
            throw RuntimeError::printerError("No default printer is set.");
        // The reasons name the printer, in one sentence each.
        const std::string name = target.printerName().toStdString();
        QPrinter printer(target, QPrinter::HighResolution);
        printer.setDocName(Application::title());
        if (!printer.isValid())
            throw RuntimeError::printerError("The printer " + name + " cannot be used.");

        QPainter painter;
        if (!painter.begin(&printer))
            throw RuntimeError::printerError("The printer " + name + " refused the job.");
        // Scaled so that the form lands on the page at its true size.
        painter.scale(printer.logicalDpiX() / double(FormDpi),
                      printer.logicalDpiY() / double(FormDpi));
        form.render(&painter, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            throw RuntimeError::printerError("Sending the page to the printer " + name +
                                             " failed.");
    }
};

} // namespace

std::unique_ptr<Printer> makeSystemPrinter()
{
    return std::make_unique<WindowsPrinter>();
}

} // namespace orrindel::platform
