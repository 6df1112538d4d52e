#pragma once

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <cups/cups.h>
#include <sys/prctl.h>

#include <csignal>

namespace orrindel::test {

// A private CUPS scheduler (private-cupsd beside this file) in a temporary folder. Its one
// raw queue is the default destination and holds every job until release(): a job cancelled
// after it was handed over is then seen cancelled, never completed. This process and its
// children talk to it only, and it dies with the process.
class CupsServer
{
public:
    static inline const QString AddQueue = QStringLiteral(
        "lpadmin -p orrindel -E -v file:/dev/null -o job-hold-until-default=indefinite && "
        "lpadmin -d orrindel");

    CupsServer()
    {
        qputenv("CUPS_SERVER", m_dir.filePath(QStringLiteral("cups.sock")).toLocal8Bit());
        qputenv("CUPS_SERVERROOT", m_dir.path().toLocal8Bit());
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    }
    ~CupsServer() { act(QStringLiteral("stop")); }
    // Starts the scheduler with its queue; false if either fails.
    bool open() { return act(QStringLiteral("start")) && act(AddQueue); }

    // One step of a test: "stop", "start" or "restart" the scheduler, the latter two with one
    // more configuration line, or a shell command. False if it fails.
    bool act(const QString &step)
    {
        const QString verb = step.section(u' ', 0, 0);
        if (verb == u"stop" || verb == u"restart")
            m_cupsd.terminate(), m_cupsd.waitForFinished(10000);
        if (verb == u"stop")
            return true;
        if (verb != u"start" && verb != u"restart")
            return QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), step}) == 0;
        m_cupsd.start(QStringLiteral(ORRINDEL_PRINT_TEST_DIR "/private-cupsd"),
                      {m_dir.path(), step.section(u' ', 1)});
        // Up once it answers; asked again every 20 ms.
        return act(QStringLiteral(
            "timeout 10 sh -c 'until lpstat -r | grep -qv not; do sleep 0.02; done'"));
    }

    // The states (ipp_jstate_t) of the jobs made since the last call, oldest first.
    QList<int> newJobs()
    {
        cups_job_t *list = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
        QMap<int, int> made;
        for (int i = 0; i < count; ++i)
            if (list[i].id > m_seen)
                made.insert(list[i].id, list[i].state);
        cupsFreeJobs(count, list);
        m_seen = made.isEmpty() ? m_seen : made.lastKey();
        return made.values();
    }
    // Lets the newest job print. Once it has completed, not been cancelled or aborted, the
    // file of its document as it was sent, else nothing.
    QString release()
    {
        const QString file = QStringLiteral("spool/d%1-001").arg(m_seen, 5, 10, QChar(u'0'));
        const bool done =
            act(QStringLiteral("lp -i %1 -H resume && timeout 10 sh -c 'until lpstat -W completed "
                               "-o | grep -q \"^orrindel-%1 \"; do sleep 0.02; done'")
                    .arg(m_seen--)); // newJobs() reports it once more
        return done && newJobs() == QList<int>{IPP_JSTATE_COMPLETED} ? m_dir.filePath(file)
                                                                     : QString();
    }

private:
    // Under /tmp, for a socket path short enough.
    QTemporaryDir m_dir{QStringLiteral("/tmp/orrindel-cups-XXXXXX")};
    QProcess m_cupsd;
    int m_seen = 0; // the newest job that newJobs() reported
};

} // namespace orrindel::test
