// The window's program on the command line: it answers without a display, and leaves Qt's own
// options to Qt.

#include "orrindel/version.h"
#include "support/commandline.h"
#include "support/table.h"

using namespace orrindel::test;

namespace {

const QString Version = ORRINDEL_VERSION_STRING;
// clang-format off
const Run Runs[] = {
    {.command = "orrindel x --help", .says = "Usage: \n/orrindel [options]\n-h, --help\n-v, --version"},
    {.command = "orrindel --version", .says = "Orrindel " + Version}, {.command = "orrindel -session s1 -v", .says = "Orrindel " + Version},
    {.command = "orrindel -q -h", .status = Usage, .says = "orrindel: Unknown option 'q'. Try 'orrindel --help'.\n"},
    {.command = "orrindel a", .status = Usage, .says = "orrindel: Unexpected argument 'a'. Try 'orrindel --help'.\n"}};
// clang-format on

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void run_data() { addRows(Runs, &Run::command); }
    void run() { checkRun(ORRINDEL_BINARY, current(Runs)); }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
