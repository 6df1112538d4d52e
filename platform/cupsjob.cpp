#include "cupsjob.h"

#include "engine/runtimeerror.h"

#include <QCoreApplication>

#include <cups/cups.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace orrindel::platform {

namespace {

// The reasons reach the user's message box, in the program's language.
std::string reason(const char *sentence, const std::string &subject)
{
    return QCoreApplication::translate("orrindel::platform::CupsClient", sentence)
        .arg(QString::fromStdString(subject))
        .toStdString();
}

// A shared library opened by name and closed with this object. Its code stays mapped after
// the close (RTLD_NODELETE): libcups leaves a thread-key destructor behind.
class SharedLibrary
{
public:
    explicit SharedLibrary(const char *soname)
        : m_handle(dlopen(soname, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE))
    {
        if (!m_handle)
            throw RuntimeError::printerError(
                reason(QT_TRANSLATE_NOOP("orrindel::platform::CupsClient",
                                         "The print system cannot be used: %1."),
                       dlerror()));
    }
    SharedLibrary(const SharedLibrary &) = delete;
    SharedLibrary &operator=(const SharedLibrary &) = delete;
    ~SharedLibrary() { dlclose(m_handle); }

    template <typename Function> Function symbol(const char *name) const
    {
        void *address = dlsym(m_handle, name);
        if (!address)
            throw RuntimeError::printerError(reason(
                QT_TRANSLATE_NOOP("orrindel::platform::CupsClient", "The print system lacks %1."),
                name));
        return reinterpret_cast<Function>(address);
    }

private:
    void *m_handle;
};

} // namespace

// The calls this file makes, each typed as libcups declares it.
struct CupsClient::Library
{
    SharedLibrary so{"libcups.so.2"};
#define ORRINDEL_CUPS(name) const decltype(&::name) name = so.symbol<decltype(&::name)>(#name)
    ORRINDEL_CUPS(cupsAddOption);
    ORRINDEL_CUPS(cupsCancelJob2);
    ORRINDEL_CUPS(cupsCreateJob);
    ORRINDEL_CUPS(cupsEncryption);
    ORRINDEL_CUPS(cupsFinishDocument);
    ORRINDEL_CUPS(cupsFreeDests);
    ORRINDEL_CUPS(cupsFreeOptions);
    ORRINDEL_CUPS(cupsGetNamedDest);
    ORRINDEL_CUPS(cupsGetOption);
    ORRINDEL_CUPS(cupsLastErrorString);
    ORRINDEL_CUPS(cupsServer);
    ORRINDEL_CUPS(cupsStartDocument);
    ORRINDEL_CUPS(cupsWriteRequestData);
    ORRINDEL_CUPS(httpClose);
    ORRINDEL_CUPS(httpConnect2);
    ORRINDEL_CUPS(ippPort);
#undef ORRINDEL_CUPS
};

namespace {

using Library = CupsClient::Library;

// The default destination, freed on every path.
class Destination
{
public:
    explicit Destination(const Library &cups)
        : m_cups(cups), m_dest(cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr))
    {
    }
    Destination(const Destination &) = delete;
    Destination &operator=(const Destination &) = delete;
    ~Destination()
    {
        if (m_dest)
            m_cups.cupsFreeDests(1, m_dest);
    }
    explicit operator bool() const { return m_dest != nullptr; }
    const cups_dest_t *operator->() const { return m_dest; }
    const char *option(const char *name) const
    {
        return m_cups.cupsGetOption(name, m_dest->num_options, m_dest->options);
    }

private:
    const Library &m_cups;
    cups_dest_t *m_dest;
};

// Job options, freed on every path.
class Options
{
public:
    explicit Options(const Library &cups) : m_cups(cups) {}
    Options(const Options &) = delete;
    Options &operator=(const Options &) = delete;
    ~Options() { m_cups.cupsFreeOptions(m_count, m_options); }
    void add(const char *name, const char *value)
    {
        m_count = m_cups.cupsAddOption(name, value, m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t *options() const { return m_options; }

private:
    const Library &m_cups;
    int m_count = 0;
    cups_option_t *m_options = nullptr;
};

// A created job that is cancelled unless it was handed over completely, so that a failure
// half way leaves nothing held or pending on the server.
class PendingJob
{
public:
    PendingJob(const Library &cups, const char *queue, int id)
        : m_cups(cups), m_queue(queue), m_id(id)
    {
    }
    PendingJob(const PendingJob &) = delete;
    PendingJob &operator=(const PendingJob &) = delete;
    ~PendingJob()
    {
        if (m_id > 0)
            m_cups.cupsCancelJob2(CUPS_HTTP_DEFAULT, m_queue.c_str(), m_id, 0);
    }
    void accepted() { m_id = 0; }

private:
    const Library &m_cups;
    std::string m_queue;
    int m_id;
};

bool serverReachable(const Library &cups)
{
    http_t *http = cups.httpConnect2(cups.cupsServer(), cups.ippPort(), nullptr, AF_UNSPEC,
                                     cups.cupsEncryption(), 1, 5000, nullptr);
    if (!http)
        return false;
    cups.httpClose(http);
    return true;
}

// A fault told in one sentence, ending with the server's own words where it gave any.
[[noreturn]] void fail(const Library &cups, const char *sentence, const std::string &printer)
{
    QString said = QString::fromUtf8(cups.cupsLastErrorString() ? cups.cupsLastErrorString() : "");
    if (said.endsWith(QLatin1Char('.')))
        said.chop(1);
    const QString fault = QCoreApplication::translate("orrindel::platform::CupsClient", sentence)
                              .arg(QString::fromStdString(printer));
    throw RuntimeError::printerError(
        (said.isEmpty()
             ? QCoreApplication::translate("orrindel::platform::CupsClient", "%1.").arg(fault)
             : QCoreApplication::translate("orrindel::platform::CupsClient", "%1 (%2).")
                   .arg(fault, said))
            .toStdString());
}

} // namespace

CupsClient::CupsClient() : m_cups(std::make_unique<const Library>()) {}

CupsClient::~CupsClient() = default;

void CupsClient::submitPdfToDefaultDestination(const QByteArray &pdf, const QString &title)
{
    const Library &cups = *m_cups;
    // Asks the server afresh: a missing default, an unreachable server and the queue's
    // state all show up here, before a job exists.
    const Destination dest(cups);
    if (!dest) {
        // libcups reports both as "no default destination"; tell them apart for the reason.
        const std::string server = cups.cupsServer();
        throw RuntimeError::printerError(reason(
            serverReachable(cups) ? QT_TRANSLATE_NOOP("orrindel::platform::CupsClient",
                                                      "The print server %1 has no default printer.")
                                  : QT_TRANSLATE_NOOP("orrindel::platform::CupsClient",
                                                      "The print server %1 is not answering."),
            server));
    }

    const char *state = dest.option("printer-state");
    if (state && std::atoi(state) == IPP_PSTATE_STOPPED)
        throw RuntimeError::printerError(reason(
            QT_TRANSLATE_NOOP("orrindel::platform::CupsClient", "The printer %1 is stopped."),
            dest->name));
    const char *accepting = dest.option("printer-is-accepting-jobs");
    if (accepting && std::strcmp(accepting, "true") != 0)
        throw RuntimeError::printerError(
            reason(QT_TRANSLATE_NOOP("orrindel::platform::CupsClient",
                                     "The printer %1 is not accepting jobs."),
                   dest->name));

    // The page carries its own size; it is printed as it is, not scaled to the sheet.
    Options options(cups);
    options.add("print-scaling", "none");

    const QByteArray name = title.toUtf8();
    const int id = cups.cupsCreateJob(CUPS_HTTP_DEFAULT, dest->name, name.constData(),
                                      options.count(), options.options());
    if (id <= 0)
        fail(cups,
             QT_TRANSLATE_NOOP("orrindel::platform::CupsClient", "The printer %1 refused the job"),
             dest->name);
    PendingJob job(cups, dest->name, id);

    if (cups.cupsStartDocument(CUPS_HTTP_DEFAULT, dest->name, id, name.constData(), CUPS_FORMAT_PDF,
                               1) != HTTP_STATUS_CONTINUE)
        fail(cups,
             QT_TRANSLATE_NOOP("orrindel::platform::CupsClient",
                               "The printer %1 refused the document"),
             dest->name);
    if (cups.cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        cups.cupsFinishDocument(CUPS_HTTP_DEFAULT, dest->name);
        fail(cups,
             QT_TRANSLATE_NOOP("orrindel::platform::CupsClient",
                               "Sending the page to the printer %1 failed"),
             dest->name);
    }
    if (cups.cupsFinishDocument(CUPS_HTTP_DEFAULT, dest->name) > IPP_STATUS_OK_CONFLICTING)
        fail(cups,
             QT_TRANSLATE_NOOP("orrindel::platform::CupsClient", "The printer %1 refused the page"),
             dest->name);
    job.accepted();
}

} // namespace orrindel::platform
