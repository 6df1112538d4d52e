#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace orrindel::test {

// A private CUPS scheduler for the print tests: its own configuration, spool, log, cache
// and state folders in a temporary folder, listening only on its own local socket, with one
// raw queue as the default destination that keeps every job's document in the spool. The
// process environment is pointed at it (CUPS_SERVER, CUPS_SERVERROOT) so that the program
// and the command-line tools talk to it and never to the system's scheduler. The scheduler
// is stopped by its PID when the object goes, and dies with the test process if that dies.
class CupsServer
{
public:
    static constexpr const char *Queue = "Orrindel_Test";

    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer &) = delete;
    CupsServer &operator=(const CupsServer &) = delete;

    // False, with a reason in error(), when the scheduler or its queue could not be set up.
    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    QString socketPath() const;
    qint64 pid() const;

    // The scheduler process; its queues and jobs survive a stop and start.
    bool start();
    bool stop();

    // The queue: stopped (cupsdisable) or started, rejecting (cupsreject) or accepting jobs,
    // removed (then there is no default destination) or added back as the default, and
    // refusing this user's jobs or allowing them again.
    bool disableQueue() { return run("cupsdisable", {Queue}); }
    bool enableQueue() { return run("cupsenable", {Queue}); }
    bool rejectJobs() { return run("cupsreject", {Queue}); }
    bool acceptJobs() { return run("cupsaccept", {Queue}); }
    bool removeQueue() { return run("lpadmin", {"-x", Queue}); }
    bool addQueue();
    bool denyThisUser();
    bool allowAllUsers() { return run("lpadmin", {"-p", Queue, "-u", "allow:all"}); }

    // Ids of every job the scheduler has, completed or not, oldest first.
    QList<int> jobs() const;
    // Waits until no job is pending or printing; false on time-out.
    bool waitUntilIdle(int msecs = 10000) const;
    // The document of a job exactly as it was sent.
    QByteArray document(int job) const;

private:
    bool run(const QString &program, const QStringList &arguments) const;
    QString capture(const QString &program, const QStringList &arguments) const;
    QString path(const QString &name) const;
    bool writeConfiguration();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_cupsd;
    bool m_ok = false;
    mutable QString m_error;
};

} // namespace orrindel::test
