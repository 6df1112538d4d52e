#pragma once

#include <memory>

class QWidget;

namespace orrindel::platform {

// PrintForm: prints the image of a form's client area on the default printer as one
// page. Raises RuntimeError (PrinterError) when the page does not reach the printer.
class Printer
{
public:
    virtual ~Printer() = default;
    virtual void PrintForm(QWidget &form) = 0;
};

// The system's printer for this operating system.
std::unique_ptr<Printer> makeSystemPrinter();

} // namespace orrindel::platform
