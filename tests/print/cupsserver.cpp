#include "cupsserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace orrindel::test {

namespace {

// Whether something accepts connections on the local socket.
bool accepts(const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}

// cupsd drops root for filters and backends; as another user it runs them as that user.
QString schedulerUser()
{
    if (::geteuid() == 0)
        return QStringLiteral("lp");
    const passwd *entry = ::getpwuid(::geteuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QStringLiteral("lp");
}

} // namespace

CupsServer::CupsServer()
{
    // Under /tmp rather than TMPDIR: the socket path must stay short, and the scheduler's
    // unprivileged user must be able to reach the folders.
    m_dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/orrindel-cups-XXXXXX"));
    if (!m_dir->isValid()) {
        m_error = QStringLiteral("cannot make a temporary folder");
        return;
    }
    QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
    if (!writeConfiguration())
        return;

    // Everything in this process and its children talks to this scheduler only.
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(path(QStringLiteral("client"))));
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");

    m_ok = start() && addQueue();
}

CupsServer::~CupsServer()
{
    stop();
}

QString CupsServer::path(const QString &name) const
{
    return m_dir->filePath(name);
}

QString CupsServer::socketPath() const
{
    return path(QStringLiteral("cups.sock"));
}

qint64 CupsServer::pid() const
{
    return m_cupsd ? m_cupsd->processId() : 0;
}

bool CupsServer::writeConfiguration()
{
    for (const char *folder : {"conf", "client", "spool", "spool/tmp", "log", "cache", "state"}) {
        if (!QDir(m_dir->path()).mkpath(QString::fromLatin1(folder))) {
            m_error = QStringLiteral("cannot make %1").arg(QString::fromLatin1(folder));
            return false;
        }
    }
    // Anyone may do anything: the socket is private to this test.
    const QString cupsd = QStringLiteral("Listen %1\n"
                                         "LogLevel warn\n"
                                         "Browsing No\n"
                                         "WebInterface No\n"
                                         "DefaultAuthType None\n"
                                         "PreserveJobFiles Yes\n"
                                         "PreserveJobHistory Yes\n"
                                         "MaxJobs 0\n"
                                         "DirtyCleanInterval 0\n"
                                         "<Policy default>\n"
                                         "  <Limit All>\n"
                                         "    Order deny,allow\n"
                                         "  </Limit>\n"
                                         "</Policy>\n")
                              .arg(socketPath());
    const QString files = QStringLiteral("User %1\n"
                                         "Group lp\n"
                                         "SystemGroup root\n"
                                         "ServerRoot %2\n"
                                         "RequestRoot %3\n"
                                         "TempDir %3/tmp\n"
                                         "CacheDir %4\n"
                                         "StateDir %5\n"
                                         "AccessLog %6/access_log\n"
                                         "ErrorLog %6/error_log\n"
                                         "PageLog %6/page_log\n"
                                         "FileDevice Yes\n")
                              .arg(schedulerUser(), path(QStringLiteral("conf")),
                                   path(QStringLiteral("spool")), path(QStringLiteral("cache")),
                                   path(QStringLiteral("state")), path(QStringLiteral("log")));
    for (const auto &[name, text] : {std::pair{QStringLiteral("conf/cupsd.conf"), cupsd},
                                     std::pair{QStringLiteral("conf/cups-files.conf"), files}}) {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
            m_error = QStringLiteral("cannot write %1").arg(name);
            return false;
        }
    }
    return true;
}

bool CupsServer::start()
{
    if (m_cupsd)
        return true;
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    // If the test process dies without running its destructors, the scheduler goes too.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process->start(QStringLiteral("cupsd"),
                   {QStringLiteral("-f"), QStringLiteral("-c"), path("conf/cupsd.conf"),
                    QStringLiteral("-s"), path("conf/cups-files.conf")});
    if (!process->waitForStarted(5000)) {
        m_error = QStringLiteral("cupsd did not start: %1").arg(process->errorString());
        return false;
    }
    const QDeadlineTimer deadline(10000);
    while (!accepts(socketPath())) {
        if (process->state() != QProcess::Running || deadline.hasExpired()) {
            m_error = QStringLiteral("cupsd did not come up; see %1").arg(path("log/error_log"));
            process->kill();
            process->waitForFinished(5000);
            return false;
        }
        QThread::msleep(20);
    }
    m_cupsd = std::move(process);
    return true;
}

bool CupsServer::stop()
{
    if (!m_cupsd)
        return true;
    const auto pid = pid_t(m_cupsd->processId());
    if (pid > 0)
        ::kill(pid, SIGTERM);
    bool stopped = m_cupsd->waitForFinished(10000);
    if (!stopped && pid > 0) {
        ::kill(pid, SIGKILL);
        stopped = m_cupsd->waitForFinished(5000);
    }
    m_cupsd.reset();
    // The socket file stays behind a killed scheduler; nobody must find it listening.
    QFile::remove(socketPath());
    return stopped;
}

bool CupsServer::addQueue()
{
    // A raw queue: the document is kept exactly as the program sent it.
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
                QStringLiteral("file:/dev/null")}) &&
           run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Queue});
}

bool CupsServer::denyThisUser()
{
    const passwd *entry = ::getpwuid(::geteuid());
    return entry && run(QStringLiteral("lpadmin"),
                        {QStringLiteral("-p"), Queue, QStringLiteral("-u"),
                         QStringLiteral("deny:") + QString::fromLocal8Bit(entry->pw_name)});
}

QList<int> CupsServer::jobs() const
{
    static const QRegularExpression line(
        QStringLiteral("^%1-(\\d+)\\s").arg(QString::fromLatin1(Queue)),
        QRegularExpression::MultilineOption);
    QList<int> ids;
    auto match = line.globalMatch(
        capture(QStringLiteral("lpstat"),
                {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}));
    while (match.hasNext())
        ids.append(match.next().captured(1).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool CupsServer::waitUntilIdle(int msecs) const
{
    const QDeadlineTimer deadline(msecs);
    do {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"),
                     {QStringLiteral("-W"), QStringLiteral("not-completed"), QStringLiteral("-o")});
        if (lpstat.waitForFinished(5000) && lpstat.exitCode() == 0 &&
            lpstat.readAllStandardOutput().trimmed().isEmpty())
            return true;
        QThread::msleep(25);
    } while (!deadline.hasExpired());
    return false;
}

QByteArray CupsServer::document(int job) const
{
    QFile file(path(QStringLiteral("spool/d%1-001").arg(job, 5, 10, QLatin1Char('0'))));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool CupsServer::run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error = QStringLiteral("%1 %2 failed: %3")
                      .arg(program, arguments.join(QLatin1Char(' ')),
                           QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    return true;
}

QString CupsServer::capture(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace orrindel::test
