#include "printer.h"

#include "application.h"
#include "engine/runtimeerror.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace orrindel::platform {

namespace {

class WindowsPrinter final : public Printer
{
public:
    void PrintForm(QWidget &form) override
    {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull())
            throw RuntimeError::printerError("no default printer");
        QPrinter printer(target, QPrinter::HighResolution);
        printer.setDocName(Application::title());
        if (!printer.isValid())
            throw RuntimeError::printerError("the default printer cannot be used");

        QPainter painter;
        if (!painter.begin(&printer))
            throw RuntimeError::printerError("the print job could not be started");
        // Scaled so that the form lands on the page at its true size.
        painter.scale(printer.logicalDpiX() / double(FormDpi),
                      printer.logicalDpiY() / double(FormDpi));
        form.render(&painter, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            throw RuntimeError::printerError("the page did not reach the printer");
    }
};

} // namespace

std::unique_ptr<Printer> makeSystemPrinter()
{
    return std::make_unique<WindowsPrinter>();
}

} // namespace orrindel::platform
