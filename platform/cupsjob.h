#pragma once

#include <QByteArray>
#include <QString>

namespace orrindel::platform {

// Sends one PDF document as one job to the default CUPS destination of the user (as set by
// CUPS_SERVER, lpoptions and lpadmin -d). Returns once the server has accepted the job.
// Raises RuntimeError (PrinterError) when there is no default destination, the server
// cannot be reached, the queue is stopped or not accepting jobs (checked before anything is
// sent), or the server refuses or breaks off the job; a job left half sent is cancelled.
void submitPdfToDefaultDestination(const QByteArray &pdf, const QString &title);

} // namespace orrindel::platform
