#include "cupsjob.h"

#include "engine/runtimeerror.h"

#include <cups/cups.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace orrindel::platform {

namespace {

struct DestDeleter
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestDeleter>;

[[noreturn]] void fail(const std::string &what)
{
    const char *reason = cupsLastErrorString();
    throw RuntimeError::printerError(what + (reason && *reason ? ": " + std::string(reason) : ""));
}

// Job options, freed on every path.
class Options
{
public:
    Options() = default;
    Options(const Options &) = delete;
    Options &operator=(const Options &) = delete;
    ~Options() { cupsFreeOptions(m_count, m_options); }
    void add(const char *name, const char *value)
    {
        m_count = cupsAddOption(name, value, m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t *options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t *m_options = nullptr;
};

// A created job that is cancelled unless it was handed over completely, so that a failure
// half way leaves nothing held or pending on the server.
class PendingJob
{
public:
    PendingJob(const char *queue, int id) : m_queue(queue), m_id(id) {}
    PendingJob(const PendingJob &) = delete;
    PendingJob &operator=(const PendingJob &) = delete;
    ~PendingJob()
    {
        if (m_id > 0)
            cupsCancelJob2(CUPS_HTTP_DEFAULT, m_queue.c_str(), m_id, 0);
    }
    void accepted() { m_id = 0; }

private:
    std::string m_queue;
    int m_id;
};

bool serverReachable()
{
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                5000, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

} // namespace

void submitPdfToDefaultDestination(const QByteArray &pdf, const QString &title)
{
    // Asks the server afresh: a missing default, an unreachable server and the queue's
    // state all show up here, before a job exists.
    const DestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest) {
        // libcups reports both as "no default destination"; tell them apart for the reason.
        if (!serverReachable())
            throw RuntimeError::printerError(std::string("cannot reach the print server ") +
                                             cupsServer());
        fail("no default printer");
    }

    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state && std::atoi(state) == IPP_PSTATE_STOPPED)
        throw RuntimeError::printerError(std::string("printer ") + dest->name + " is stopped");
    const char *accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting && std::strcmp(accepting, "true") != 0)
        throw RuntimeError::printerError(std::string("printer ") + dest->name +
                                         " is not accepting jobs");

    // The page carries its own size; it is printed as it is, not scaled to the sheet.
    Options options;
    options.add("print-scaling", "none");

    const QByteArray name = title.toUtf8();
    const int id = cupsCreateJob(CUPS_HTTP_DEFAULT, dest->name, name.constData(), options.count(),
                                 options.options());
    if (id <= 0)
        fail("job refused");
    PendingJob job(dest->name, id);

    if (cupsStartDocument(CUPS_HTTP_DEFAULT, dest->name, id, name.constData(), CUPS_FORMAT_PDF,
                          1) != HTTP_STATUS_CONTINUE)
        fail("document refused");
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        cupsFinishDocument(CUPS_HTTP_DEFAULT, dest->name);
        fail("sending the page failed");
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, dest->name) > IPP_STATUS_OK_CONFLICTING)
        fail("page refused");
    job.accepted();
}

} // namespace orrindel::platform
