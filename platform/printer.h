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

// Qt's widget pixels are 96 per inch (15 twips): the resolution at which a form's image
// lands on the page at its true size, point-sized fonts included.
inline constexpr int FormDpi = 96;

// The system's printer for this operating system.
std::unique_ptr<Printer> makeSystemPrinter();

} // namespace orrindel::platform
