#include "printer.h"

#include "application.h"
#include "cupsjob.h"
#include "engine/runtimeerror.h"

#include <QBuffer>
#include <QCoreApplication>
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
            throw RuntimeError::printerError(
                QCoreApplication::translate("orrindel::platform::PdfPrinter",
                                            "The page for the printer could not be drawn.")
                    .toStdString());
        form.render(&painter, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
        if (!painter.end())
            throw RuntimeError::printerError(
                QCoreApplication::translate("orrindel::platform::PdfPrinter",
                                            "The page for the printer could not be finished.")
                    .toStdString());
    }
    return pdf;
}

// CUPS is opened on the first page, not at start, and kept for the next.
class CupsPrinter final : public Printer
{
public:
    void PrintForm(QWidget &form) override
    {
        if (!m_cups)
            m_cups = std::make_unique<CupsClient>();
        m_cups->submitPdfToDefaultDestination(renderPage(form), Application::title());
    }

private:
    std::unique_ptr<CupsClient> m_cups;
};

} // namespace

std::unique_ptr<Printer> makeSystemPrinter()
{
    return std::make_unique<CupsPrinter>();
}

} // namespace orrindel::platform
