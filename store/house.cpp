#include "house.h"
#include "plan.h"

#include "engine/runtimeerror.h"
#include "engine/validation.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <iterator>

namespace orrindel::store {

namespace {

// Each entry takes the file from the version of its index to the next; a new version appends
// one. The *_key columns hold the case-folded text the filter searches.
const QStringList Migrations[] = {
    {QStringLiteral("CREATE TABLE houses (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                    "client TEXT NOT NULL, label TEXT NOT NULL, year TEXT NOT NULL, "
                    "facing TEXT NOT NULL, measured TEXT, notes TEXT NOT NULL, "
                    "created TEXT NOT NULL, changed TEXT NOT NULL, client_key TEXT NOT NULL, "
                    "label_key TEXT NOT NULL, notes_key TEXT NOT NULL)")},
    // The floor plans. The image goes last, so that listing a house's plans reads only the
    // start of each row and never the pages the image runs on into.
    {QStringLiteral("CREATE TABLE plans (id INTEGER PRIMARY KEY AUTOINCREMENT, house INTEGER "
                    "NOT NULL REFERENCES houses (id) ON DELETE CASCADE, position INTEGER NOT "
                    "NULL, floor TEXT NOT NULL, format TEXT NOT NULL, page INTEGER NOT NULL, "
                    "width INTEGER NOT NULL, height INTEGER NOT NULL, geometry TEXT NOT NULL, "
                    "created TEXT NOT NULL, changed TEXT NOT NULL, image BLOB NOT NULL)"),
     QStringLiteral("CREATE INDEX plans_by_house ON plans (house, position)")},
};
constexpr int SchemaVersion = int(std::size(Migrations));
constexpr int BusyTimeoutMs = 5000;
// The main window's facing box holds five characters; a longer bearing could not be opened.
constexpr qsizetype FacingTextMaxLength = 5;
constexpr qsizetype FieldMaxLength = 1 << 20;
// The placeholders of bindHouse(); a null text is stored as empty.
const QLatin1StringView Values("(coalesce(?, ''), coalesce(?, ''), coalesce(?, ''), "
                               "coalesce(?, ''), ?, coalesce(?, ''), ?, ?, coalesce(?, ''), "
                               "coalesce(?, ''), coalesce(?, '')");
const QLatin1StringView Columns("id, client, label, year, facing, measured, notes, created, "
                                "changed");

struct HouseText
{
    Q_DECLARE_TR_FUNCTIONS(HouseStore)
};

[[noreturn]] void fail(const QString &detail)
{
    throw RuntimeError(RuntimeError::PathFileAccessError, "Path/File access error",
                       detail.toStdString());
}

// SQLite's primary result codes that say more than the driver's text.
enum SqliteCode {
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADatabase = 26
};

[[noreturn]] void failQuery(const QString &path, const QSqlError &error)
{
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case Busy:
    case Locked:
        throw RuntimeError(
            RuntimeError::PermissionDenied, "Permission denied", // another program holds it locked
            HouseText::tr("%1 is busy: another program kept it locked. Nothing was changed.")
                .arg(path)
                .toStdString());
    case CantOpen:
        fail(HouseText::tr("%1 cannot be opened or made here. Nothing was changed.").arg(path));
    case ReadOnly:
        fail(HouseText::tr("%1 cannot be written. Nothing was changed.").arg(path));
    case Corrupt:
    case NotADatabase:
        fail(HouseText::tr("%1 is damaged. It has been left as it is.").arg(path));
    case Full:
        fail(HouseText::tr("The disk holding %1 is full. Nothing was changed.").arg(path));
    default:
        fail(HouseText::tr("%1 could not be read or written: %2").arg(path, error.text()));
    }
}

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QVariant dateValue(const QDate &date)
{
    return date.isValid() ? QVariant(date.toString(Qt::ISODate))
                          : QVariant(QMetaType::fromType<QString>());
}

House houseFrom(const QSqlQuery &query)
{
    House house;
    house.id = query.value(0).toLongLong();
    house.client = query.value(1).toString();
    house.label = query.value(2).toString();
    house.year = query.value(3).toString();
    house.facing = query.value(4).toString();
    house.measured = QDate::fromString(query.value(5).toString(), Qt::ISODate);
    house.notes = query.value(6).toString();
    house.created = QDateTime::fromString(query.value(7).toString(), Qt::ISODateWithMs);
    house.changed = QDateTime::fromString(query.value(8).toString(), Qt::ISODateWithMs);
    return house;
}

// The values of a row in the order of `Columns` after the id, then the three keys; an update
// leaves out the creation time, which stays the stored one.
void bindHouse(QSqlQuery &query, const House &house, bool withCreated = true)
{
    query.addBindValue(house.client);
    query.addBindValue(house.label);
    query.addBindValue(house.year);
    query.addBindValue(house.facing);
    query.addBindValue(dateValue(house.measured));
    query.addBindValue(house.notes);
    if (withCreated)
        query.addBindValue(timeText(house.created));
    query.addBindValue(timeText(house.changed));
    query.addBindValue(house.client.toCaseFolded());
    query.addBindValue(house.label.toCaseFolded());
    query.addBindValue(house.notes.toCaseFolded());
}

} // namespace

QString displayName(const House &house)
{
    return house.client.isEmpty() ? house.label : house.client;
}

QString houseProblem(const House &house)
{
    for (const QString *text : {&house.client, &house.label, &house.notes})
        if (text->size() > FieldMaxLength)
            return HouseText::tr("A field is longer than %1 characters.").arg(FieldMaxLength);
    if (house.client.trimmed().isEmpty() && house.label.trimmed().isEmpty())
        return HouseText::tr("Give the client's name or a label.");
    if (house.year.size() > YearTextMaxLength || !isValidYearText(house.year.toStdString()))
        return HouseText::tr("Construction years may only be in the range 65 to 9999.");
    if (house.facing.size() > FacingTextMaxLength ||
        !isValidBearingText(house.facing.toStdString()))
        return HouseText::tr("Degrees may only be in the range 0 to below 360, written in at most "
                             "five characters with digits and at most one decimal point.");
    return {};
}

namespace {

// A house the store would refuse raises before anything is written.
void checkHouse(const House &house)
{
    if (const QString problem = houseProblem(house); !problem.isEmpty())
        throw RuntimeError(RuntimeError::InvalidProcedureCall, "Invalid procedure call or argument",
                           problem.toStdString());
}

} // namespace

struct HouseStore::Private
{
    QString path;
    QString connection;
    bool open = false;     // a connection to the file exists
    bool writable = false; // and it may write
    QString readOnlyReason;
    qint64 removedHouse = 0; // the house removed last, and its plans, for restore()
    QList<Plan> removedPlans;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }
    void close();
    void connect(bool write);
    void inspect();
    bool ensureRead();
    bool hasHouses() { return ensureRead() && version() > 0; }
    int version() const;
    void ensureWrite();
    QSqlQuery run(const QString &sql, const QVariantList &values = {}) const;
    void exec(QSqlQuery &query) const;
    Statement statement() const
    {
        return [this](const QString &sql, const QVariantList &values) { return run(sql, values); };
    }
    template <class Change> auto transact(Change change);
    template <class Step> auto patiently(Step step);
    template <class Change> auto attempt(Change change);
};

void HouseStore::Private::close()
{
    if (!open)
        return;
    open = writable = false;
    QSqlDatabase::removeDatabase(connection); // the handles went with the queries
}

void HouseStore::Private::connect(bool write)
{
    {
        QSqlDatabase db = QSqlDatabase::contains(connection)
                              ? QSqlDatabase::database(connection, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        if (!db.isValid())
            fail(HouseText::tr("%1 cannot be opened: Qt's SQLite driver is not installed.")
                     .arg(path));
        db.close();
        db.setDatabaseName(path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
        if (!write)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        // SQLite reads a WAL file only beside a shared-memory file, which it cannot make in a
        // folder it may not write. With none there and no journal to replay, the file itself
        // holds every committed house: read it as one that does not change.
        const QFileInfo file(path);
        if (!write && !QFileInfo(file.absolutePath()).isWritable() &&
            !QFileInfo::exists(path + QStringLiteral("-shm")) &&
            !QFileInfo::exists(path + QStringLiteral("-journal")) &&
            QFileInfo(path + QStringLiteral("-wal")).size() == 0) {
            db.setDatabaseName(
                QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                QStringLiteral("?immutable=1"));
            options += QStringLiteral(";QSQLITE_OPEN_URI");
        }
        db.setConnectOptions(options);
        if (!db.open())
            failQuery(path, db.lastError());
    }
    open = true;
    writable = write;
    run(QStringLiteral("PRAGMA foreign_keys = ON"));
    // Room for a large register's pages, so a search reads them from memory, not the disk.
    run(QStringLiteral("PRAGMA cache_size = -32768"));
}

// Opens an existing file read-only and checks that it is a house register this version can
// use, before anything could write to it.
void HouseStore::Private::inspect()
{
    QFile file(path);
    // A pipe or a device is no register; opening a pipe would wait for a writer for ever.
    const QFileInfo kind(path);
    const bool special = !kind.isFile() && !kind.isDir();
    if (!special && !file.open(QIODevice::ReadOnly))
        fail(HouseText::tr("%1 cannot be read: %2").arg(path, file.errorString()));
    const QByteArray head = special ? QByteArray() : file.read(16);
    if (special || (file.size() > 0 && head != QByteArrayView("SQLite format 3\0", 16)))
        fail(HouseText::tr("%1 is not a house register: it is not an SQLite database. It has "
                           "been left as it is.")
                 .arg(path));
    file.close();
    connect(false);
    const int found = version();
    // Ours has the houses table from the first version on, and before it no table at all.
    QSqlQuery tables = run(QStringLiteral("SELECT count(*), count(CASE WHEN name = ? THEN 1 END) "
                                          "FROM sqlite_master WHERE type = 'table' AND name NOT "
                                          "LIKE 'sqlite%'"),
                           {QStringLiteral("houses")});
    tables.next();
    if (found == 0 ? tables.value(0).toInt() > 0 : tables.value(1).toInt() == 0)
        fail(HouseText::tr("%1 is not a house register: it holds other data. It has been left "
                           "as it is.")
                 .arg(path));
    tables.finish();
    // A truncated file can read as a shorter register without an error: check that it holds
    // every page it counts (the log, if any, holds the rest), and the houses whole. The plans,
    // gigabytes of images perhaps, are checked as each is read, not on every opening.
    QSqlQuery check = run(QStringLiteral("SELECT page_count * page_size FROM pragma_page_count, "
                                         "pragma_page_size"));
    bool whole = !check.next() || QFileInfo(path + QStringLiteral("-wal")).size() > 0 ||
                 QFileInfo(path).size() >= check.value(0).toLongLong();
    check.finish();
    if (whole && found > 0) {
        check = run(QStringLiteral("PRAGMA quick_check(houses)"));
        whole = check.next() && check.value(0).toString() == QLatin1String("ok");
        check.finish();
    }
    if (!whole)
        fail(HouseText::tr("%1 is damaged. It has been left as it is.").arg(path));
    const QFileInfo info(path);
    if (found > SchemaVersion)
        readOnlyReason = HouseText::tr("%1 was written by a newer version of Orrindel, so it is "
                                       "open read-only.")
                             .arg(path);
    else if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        readOnlyReason = HouseText::tr("%1 or its folder cannot be written, so it is open "
                                       "read-only.")
                             .arg(path);
}

// False while there is no file yet: no houses.
bool HouseStore::Private::ensureRead()
{
    if (!open && QFileInfo::exists(path)) {
        try {
            inspect();
        } catch (const RuntimeError &) {
            close();
            throw;
        }
    }
    return open;
}

int HouseStore::Private::version() const
{
    QSqlQuery query = run(QStringLiteral("PRAGMA user_version"));
    return query.next() ? query.value(0).toInt() : 0;
}

void HouseStore::Private::ensureWrite()
{
    ensureRead();
    if (!readOnlyReason.isEmpty())
        fail(readOnlyReason);
    if (writable)
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        fail(HouseText::tr("The folder %1 cannot be made, so %2 cannot be saved.")
                 .arg(folder, path));
    connect(true);
    QSqlQuery mode = run(QStringLiteral("PRAGMA journal_mode = WAL"));
    mode.finish();
}

QSqlQuery HouseStore::Private::run(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(db());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        failQuery(path, query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    exec(query);
    return query;
}

void HouseStore::Private::exec(QSqlQuery &query) const
{
    if (!query.exec())
        failQuery(path, query.lastError());
}

// Runs a step again while another program holds the file, for as long as the busy timeout.
// SQLite waits by itself inside a statement, but not everywhere: two programs making the file
// at once, or one switching it to WAL while the other reads its header, see a lock at once.
// A step that failed on a lock has changed nothing, so it can start over on a new connection.
template <class Step> auto HouseStore::Private::patiently(Step step)
{
    const QDeadlineTimer deadline(BusyTimeoutMs);
    for (;;) {
        try {
            return step();
        } catch (const RuntimeError &error) {
            if (error.number() != RuntimeError::PermissionDenied || deadline.hasExpired())
                throw;
        }
        close();
        QThread::msleep(QRandomGenerator::global()->bounded(5, 50));
    }
}

// Runs the change in one immediate transaction, migrating the file first, and returns only
// once it has committed; on any failure nothing of it stays.
template <class Change> auto HouseStore::Private::transact(Change change)
{
    return patiently([&] { return attempt(change); });
}

template <class Change> auto HouseStore::Private::attempt(Change change)
{
    ensureWrite();
    run(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        const int found = version();
        if (found > SchemaVersion) {
            readOnlyReason = HouseText::tr("%1 was written by a newer version of Orrindel, so "
                                           "it is open read-only.")
                                 .arg(path);
            fail(readOnlyReason);
        }
        for (int step = found; step < SchemaVersion; ++step)
            for (const QString &sql : Migrations[step])
                run(sql);
        if (found < SchemaVersion)
            run(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
        auto result = change();
        run(QStringLiteral("COMMIT"));
        return result;
    } catch (...) {
        QSqlQuery(db()).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

HouseStore::HouseStore(const QString &path) : d(new Private)
{
    d->path = path;
    d->connection = QStringLiteral("orrindel.store.%1").arg(quintptr(this), 0, 16);
    try {
        d->patiently([this] { return d->ensureRead(); });
    } catch (...) {
        d->close();
        delete d;
        throw;
    }
}

HouseStore::~HouseStore()
{
    d->close();
    delete d;
}

QString HouseStore::path() const
{
    return d->path;
}

bool HouseStore::isReadOnly() const
{
    return !d->readOnlyReason.isEmpty();
}

QString HouseStore::readOnlyReason() const
{
    return d->readOnlyReason;
}

QList<House> HouseStore::houses(const QString &filter) const
{
    QList<House> found;
    if (!d->hasHouses())
        return found;
    QString sql = QStringLiteral("SELECT %1 FROM houses").arg(Columns);
    QVariantList values;
    if (!filter.isEmpty()) {
        // instr() compares the bound text as it is: no wildcards, and NUL is a character.
        sql += QStringLiteral(" WHERE instr(client_key, ?) OR instr(label_key, ?) OR "
                              "instr(notes_key, ?)");
        const QString key = filter.toCaseFolded();
        values = {key, key, key};
    }
    QSqlQuery query = d->run(sql + QStringLiteral(" ORDER BY id"), values);
    while (query.next())
        found.append(houseFrom(query));
    return found;
}

std::optional<House> HouseStore::house(qint64 id) const
{
    if (!d->hasHouses())
        return std::nullopt;
    QSqlQuery query =
        d->run(QStringLiteral("SELECT %1 FROM houses WHERE id = ?").arg(Columns), {id});
    if (!query.next())
        return std::nullopt;
    return houseFrom(query);
}

qint64 HouseStore::add(const House &house)
{
    return addAll({house}).constFirst();
}

QList<qint64> HouseStore::addAll(const QList<House> &houses)
{
    if (houses.isEmpty()) // nothing to save, so no file to make
        return {};
    for (const House &house : houses)
        checkHouse(house);
    return d->transact([&] {
        QSqlQuery insert(d->db());
        if (!insert.prepare(QLatin1String("INSERT INTO houses (client, label, year, facing, "
                                          "measured, notes, created, changed, client_key, "
                                          "label_key, notes_key) VALUES ") +
                            Values + QLatin1Char(')')))
            failQuery(d->path, insert.lastError());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QList<qint64> ids;
        ids.reserve(houses.size());
        for (House house : houses) {
            house.created = house.changed = now;
            bindHouse(insert, house);
            d->exec(insert);
            ids.append(insert.lastInsertId().toLongLong());
        }
        return ids;
    });
}

void HouseStore::update(const House &house)
{
    checkHouse(house);
    d->transact([&] {
        House changed = house;
        changed.changed = QDateTime::currentDateTimeUtc();
        QSqlQuery query(d->db());
        query.prepare(QStringLiteral("UPDATE houses SET client = coalesce(?, ''), label = "
                                     "coalesce(?, ''), year = coalesce(?, ''), facing = "
                                     "coalesce(?, ''), measured = ?, notes = coalesce(?, ''), "
                                     "changed = ?, client_key = coalesce(?, ''), label_key = "
                                     "coalesce(?, ''), notes_key = coalesce(?, '') WHERE id = ?"));
        bindHouse(query, changed, false);
        query.addBindValue(changed.id);
        d->exec(query);
        if (query.numRowsAffected() != 1)
            fail(HouseText::tr("House %1 is not in %2.").arg(house.id).arg(d->path));
        return true;
    });
}

void HouseStore::remove(qint64 id)
{
    d->removedPlans = d->transact([&] {
        QList<Plan> plans = PlanStore::withImages(d->statement(), id);
        // The plans go with it: their key cascades.
        QSqlQuery query = d->run(QStringLiteral("DELETE FROM houses WHERE id = ?"), {id});
        if (query.numRowsAffected() != 1)
            fail(HouseText::tr("House %1 is not in %2.").arg(id).arg(d->path));
        return plans;
    });
    d->removedHouse = id;
}

void HouseStore::restore(const House &house)
{
    if (house.id <= 0) // never saved, so there is no number to put it back under
        throw RuntimeError::invalidProcedureCall();
    d->transact([&] {
        House back = house;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        if (!back.created.isValid())
            back.created = now;
        if (!back.changed.isValid())
            back.changed = now;
        QSqlQuery exists = d->run(QStringLiteral("SELECT 1 FROM houses WHERE id = ?"), {back.id});
        if (exists.next())
            fail(HouseText::tr("House %1 is already in %2.").arg(back.id).arg(d->path));
        exists.finish();
        QSqlQuery insert(d->db());
        insert.prepare(QLatin1String("INSERT INTO houses (id, client, label, year, facing, "
                                     "measured, notes, created, changed, client_key, "
                                     "label_key, notes_key) VALUES (?, ") +
                       Values.sliced(1) + QLatin1Char(')'));
        insert.addBindValue(back.id);
        bindHouse(insert, back);
        d->exec(insert);
        if (back.id == d->removedHouse)
            PlanStore::putBack(d->statement(), d->removedPlans);
        return true;
    });
    if (house.id == d->removedHouse)
        d->removedPlans.clear();
}

void HouseStore::read(const std::function<void(const Statement &)> &step) const
{
    if (d->ensureRead())
        step(d->statement());
}

void HouseStore::write(const std::function<void(const Statement &)> &change)
{
    d->transact([&] {
        change(d->statement());
        return true;
    });
}

// The name as a file's absolute path: to SQLite ":memory:" and "file:…?mode=memory" are
// databases in memory, and to QFile ":name" is a resource, so a house said saved there would
// be gone, or not found again.
namespace {
QString fileName(const QString &name)
{
    return QFileInfo(name.startsWith(u':') ? QStringLiteral("./") + name : name).absoluteFilePath();
}
} // namespace

QString databasePath(const QString &option)
{
    if (!option.isEmpty())
        return fileName(option);
    const QString fromEnvironment = qEnvironmentVariable("ORRINDEL_DATABASE");
    if (!fromEnvironment.isEmpty())
        return fileName(fromEnvironment);
    // Named here rather than by the application's name, so the window and the tool, whose
    // names differ, share one file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/orrindel/houses.sqlite");
}

bool isRegisterFile(const QString &path, const QString &target)
{
    const QFileInfo written(target);
    for (const char *suffix : {"", "-wal", "-shm", "-journal"}) {
        const QFileInfo file(path + QLatin1String(suffix));
        if (written.exists() && file.exists()
                ? written.canonicalFilePath() == file.canonicalFilePath()
                : written.absoluteFilePath() == file.absoluteFilePath())
            return true;
    }
    return false;
}

} // namespace orrindel::store
