// Arbitrary bytes as a floor plan's file, the first byte choosing the page: refused with one
// sentence, or taken within the limits and drawn at the size it was taken at. An image taken
// is always drawn; only a PDF page may still fail when it is drawn.
#include "fuzzcheck.h"
#include "plan/planimage.h"
#include "store/storeerror.h"

#include <QGuiApplication>
#include <QImage>

using namespace orrindel;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    plan::PlanSource taken; // its format is empty until a plan is taken
    try {
        taken = plan::checkPlan(bytes.mid(1), size ? data[0] % 4 : 0);
        const QSize shown = taken.size.boundedTo({plan::MaxPlanSide, plan::MaxPlanSide});
        check(shown == taken.size && !shown.isEmpty() && taken.bytes == bytes.mid(1) &&
              qint64(shown.width()) * shown.height() <= plan::MaxPlanPixels && taken.page >= 1 &&
              taken.page <= taken.pageCount);
        check(plan::renderPlan(taken).size() == shown);
    } catch (const store::StoreError &error) {
        check(error.kind() == store::StoreError::Kind::Invalid && error.message().endsWith('.') &&
              !error.message().contains('\n') && (taken.format.isEmpty() || taken.format == "pdf"));
    }
    return 0;
}
