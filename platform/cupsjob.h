#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace orrindel::platform {

// The CUPS client library, opened when it is first needed rather than linked, so that the
// program starts without it and its TLS and Kerberos stack. Raises RuntimeError
// (PrinterError) when the library cannot be opened.
class CupsClient
{
public:
    CupsClient();
    ~CupsClient();
    CupsClient(const CupsClient &) = delete;
    CupsClient &operator=(const CupsClient &) = delete;

    // Sends one PDF document as one job to the default CUPS destination of the user (as set
    // by CUPS_SERVER, lpoptions and lpadmin -d). Returns once the server has accepted the
    // job. Raises RuntimeError (PrinterError), its detail one sentence naming the fault and
    // the printer or server, when there is no default destination, the server cannot be
    // reached, the queue is stopped or not accepting jobs (checked before anything is sent),
    // or the server refuses or breaks off the job; a job left half sent is cancelled.
    void submitPdfToDefaultDestination(const QByteArray &pdf, const QString &title);

    // The opened library and the calls made into it.
    struct Library;

private:
    std::unique_ptr<const Library> m_cups;
};

} // namespace orrindel::platform
