#include "printer.h"

#include "application.h"
#include "cupsjob.h"
#include "engine/runtimeerror.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

namespace orrindel::platform {

namespace {

// One PDF page the size of the form's client area, with the form drawn on it as vectors
// and real text, built in memory.
QByteArray renderPage(QWidget &form)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // At the form's own resolution the writer takes its geometry and fonts one to one,
        // and stays vector output.
        writer.setResolution(FormDpi);
        writer.setCreator(Application::title());
        writer.setTitle(Application::title());
        const QSizeF inches(double(form.width()) / FormDpi, double(form.height()) / FormDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            throw RuntimeError::printerError("cannot draw the page");
        form.render(&painter, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
        if (!painter.end())
            throw RuntimeError::printerError("cannot finish the page");
    }
    return pdf;
}

class CupsPrinter final : public Printer
{
public:
    void PrintForm(QWidget &form) override
    {
        submitPdfToDefaultDestination(renderPage(form), Application::title());
    }
};

} // namespace

std::unique_ptr<Printer> makeSystemPrinter()
{
    return std::make_unique<CupsPrinter>();
}

} // namespace orrindel::platform
