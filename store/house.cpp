#include "house.h"
#include "plan.h"

#include "housefields.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <algorithm>

namespace orrindel::store {

namespace {

using Kind = StoreError::Kind;

// The floor plans came with the second version. The image goes last, so that listing a house's
// plans reads only the start of each row and never the pages the image runs on into.
constexpr int PlansVersion = 2;
const QStringList PlansTable = {
    QStringLiteral("CREATE TABLE plans (id INTEGER PRIMARY KEY AUTOINCREMENT, house INTEGER "
                   "NOT NULL REFERENCES houses (id) ON DELETE CASCADE, position INTEGER NOT "
                   "NULL, floor TEXT NOT NULL, format TEXT NOT NULL, page INTEGER NOT NULL, "
                   "width INTEGER NOT NULL, height INTEGER NOT NULL, geometry TEXT NOT NULL, "
                   "created TEXT NOT NULL, changed TEXT NOT NULL, image BLOB NOT NULL)"),
    QStringLiteral("CREATE INDEX plans_by_house ON plans (house, position)")};

constexpr int BusyTimeoutMs = 5000;
constexpr qsizetype FieldMaxLength = 1 << 20;

struct HouseText
{
    Q_DECLARE_TR_FUNCTIONS(HouseStore)
};

// The column a field is kept in, with what it may hold; a searched field has a second column
// beside it, "_key", with its case-folded text for the search.
QString columnOf(const HouseField &field)
{
    switch (field.kind) {
    case FieldKind::Id:
        return field.text() + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldKind::Date:
        return field.text() + QStringLiteral(" TEXT");
    default:
        return field.text() + QStringLiteral(" TEXT NOT NULL");
    }
}

QString keyOf(const HouseField &field)
{
    return field.text() + QStringLiteral("_key");
}

// The version of the register the fields make: the newest that added a column.
int schemaVersion()
{
    int version = PlansVersion;
    for (const HouseField &field : houseFields())
        version = std::max(version, field.since);
    return version;
}

// The statements that take a file from version `step` to the next: the first makes the table
// with the columns of the first version, each later one adds the columns of its own.
QStringList migration(int step)
{
    QStringList columns, keys;
    for (const HouseField &field : houseFields()) {
        if (field.since != step + 1)
            continue;
        columns.append(columnOf(field));
        if (field.isSearched())
            keys.append(keyOf(field) + QStringLiteral(" TEXT NOT NULL"));
    }
    columns += keys;
    if (step == 0)
        return {QStringLiteral("CREATE TABLE houses (%1)").arg(columns.join(QStringLiteral(", ")))};
    QStringList added;
    for (const QString &column : columns)
        added.append(QStringLiteral("ALTER TABLE houses ADD COLUMN %1 DEFAULT ''").arg(column));
    if (step + 1 == PlansVersion)
        added += PlansTable;
    return added;
}

// The columns a statement writes and their placeholders: every field but the id unless
// `withId`, and but the creation time unless `withCreated`, then the search keys. A null text
// is stored as empty.
struct Written
{
    QStringList columns, placeholders;
    QList<const HouseField *> fields;
};

Written written(bool withId, bool withCreated)
{
    Written row;
    QList<const HouseField *> searched;
    for (const HouseField &field : houseFields()) {
        if ((field.kind == FieldKind::Id && !withId) ||
            (field.member == HouseField::Member(&House::created) && !withCreated))
            continue;
        row.columns.append(field.text());
        row.placeholders.append(field.kind == FieldKind::Date || field.kind == FieldKind::Id
                                    ? QStringLiteral("?")
                                    : QStringLiteral("coalesce(?, '')"));
        row.fields.append(&field);
        if (field.isSearched())
            searched.append(&field);
    }
    for (const HouseField *field : searched) {
        row.columns.append(keyOf(*field));
        row.placeholders.append(QStringLiteral("coalesce(?, '')"));
    }
    return row;
}

void bindHouse(QSqlQuery &query, const Written &row, const House &house)
{
    for (const HouseField *field : row.fields)
        query.addBindValue(sqlOf(*field, house));
    for (const QString &key : searchKeys(house))
        query.addBindValue(key);
}

QString insertSql(const Written &row)
{
    return QStringLiteral("INSERT INTO houses (%1) VALUES (%2)")
        .arg(row.columns.join(QStringLiteral(", ")), row.placeholders.join(QStringLiteral(", ")));
}

QString selectSql()
{
    QStringList columns;
    for (const HouseField &field : houseFields())
        columns.append(field.text());
    return QStringLiteral("SELECT %1 FROM houses").arg(columns.join(QStringLiteral(", ")));
}

// Reads each field from its column by name.
QList<House> housesFrom(QSqlQuery &query)
{
    QList<House> houses;
    QList<int> at;
    for (const HouseField &field : houseFields())
        at.append(query.record().indexOf(field.text()));
    const std::span<const HouseField> fields = houseFields();
    while (query.next()) {
        House house;
        for (std::size_t i = 0; i < fields.size(); ++i)
            setFromSql(fields[i], house, query.value(at[qsizetype(i)]));
        houses.append(house);
    }
    return houses;
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
        throw StoreError::about(Kind::Busy, path);
    case CantOpen:
        throw StoreError::about(Kind::CannotOpen, path);
    case ReadOnly:
        throw StoreError::about(Kind::ReadOnly, path);
    case Corrupt:
    case NotADatabase:
        throw StoreError::about(Kind::Damaged, path);
    case Full:
        throw StoreError::about(Kind::DiskFull, path);
    default:
        throw StoreError::about(Kind::Failed, path, error.text());
    }
}

} // namespace

QString displayName(const House &house)
{
    return house.client.isEmpty() ? house.label : house.client;
}

QString houseProblem(const House &house)
{
    for (const HouseField &field : houseFields())
        if (field.isSearched() && textOf(field, house).size() > FieldMaxLength)
            return HouseText::tr("A field is longer than %1 characters.").arg(FieldMaxLength);
    if (house.client.trimmed().isEmpty() && house.label.trimmed().isEmpty())
        return HouseText::tr("Give the client's name or a label.");
    for (const HouseField &field : houseFields())
        if (field.valid && !field.valid(textOf(field, house)))
            return QCoreApplication::translate("HouseStore", field.problem);
    return {};
}

namespace {

// A house the store would refuse raises before anything is written.
void checkHouse(const House &house)
{
    if (const QString problem = houseProblem(house); !problem.isEmpty())
        throw StoreError(Kind::Invalid, problem);
}

} // namespace

struct HouseStore::Private
{
    QString path;
    QString connection;
    bool open = false;     // a connection to the file exists
    bool writable = false; // and it may write
    std::optional<StoreError> readOnly; // why it may not be written, if it may not
    qint64 removedHouse = 0; // the house removed last, and its plans, for restore()
    QList<Plan> removedPlans;

    ~Private() { close(); }
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
            throw StoreError::about(Kind::NoDriver, path);
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
        throw StoreError::about(Kind::Unreadable, path, file.errorString());
    const QByteArray head = special ? QByteArray() : file.read(16);
    if (special || (file.size() > 0 && head != QByteArrayView("SQLite format 3\0", 16)))
        throw StoreError::about(Kind::NotSqlite, path);
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
        throw StoreError::about(Kind::Foreign, path);
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
        throw StoreError::about(Kind::Damaged, path);
    const QFileInfo info(path);
    if (found > schemaVersion())
        readOnly = StoreError::about(Kind::Newer, path);
    else if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        readOnly = StoreError::about(Kind::LockedDown, path);
}

// False while there is no file yet: no houses.
bool HouseStore::Private::ensureRead()
{
    if (!open && QFileInfo::exists(path)) {
        try {
            inspect();
        } catch (const StoreError &) {
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
    if (readOnly)
        throw *readOnly;
    if (writable)
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw StoreError::about(Kind::NoFolder, folder, path);
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
        } catch (const StoreError &error) {
            if (error.kind() != Kind::Busy || deadline.hasExpired())
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
        const int latest = schemaVersion();
        if (found > latest) {
            readOnly = StoreError::about(Kind::Newer, path);
            throw *readOnly;
        }
        for (int step = found; step < latest; ++step)
            for (const QString &sql : migration(step))
                run(sql);
        if (found < latest)
            run(QStringLiteral("PRAGMA user_version = %1").arg(latest));
        auto result = change();
        run(QStringLiteral("COMMIT"));
        return result;
    } catch (...) {
        QSqlQuery(db()).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

HouseStore::HouseStore(const QString &path) : d(std::make_unique<Private>())
{
    d->path = path;
    d->connection = QStringLiteral("orrindel.store.%1").arg(quintptr(this), 0, 16);
    d->patiently([this] { return d->ensureRead(); });
}

HouseStore::~HouseStore() = default;

QString HouseStore::path() const
{
    return d->path;
}

bool HouseStore::isReadOnly() const
{
    return d->readOnly.has_value();
}

QString HouseStore::readOnlyReason() const
{
    return d->readOnly ? d->readOnly->message() : QString();
}

QList<House> HouseStore::houses(const QString &filter) const
{
    if (!d->hasHouses())
        return {};
    QString sql = selectSql();
    QVariantList values;
    if (!filter.isEmpty()) {
        // instr() compares the bound text as it is: no wildcards, and NUL is a character. It is
        // isFound() in SQL, on the keys searchKeys() stored.
        QStringList found;
        for (const HouseField &field : houseFields())
            if (field.isSearched()) {
                found.append(QStringLiteral("instr(%1, ?)").arg(keyOf(field)));
                values.append(filter.toCaseFolded());
            }
        sql += QStringLiteral(" WHERE ") + found.join(QStringLiteral(" OR "));
    }
    QSqlQuery query = d->run(sql + QStringLiteral(" ORDER BY id"), values);
    return housesFrom(query);
}

std::optional<House> HouseStore::house(qint64 id) const
{
    if (!d->hasHouses())
        return std::nullopt;
    QSqlQuery query = d->run(selectSql() + QStringLiteral(" WHERE id = ?"), {id});
    const QList<House> found = housesFrom(query);
    return found.isEmpty() ? std::nullopt : std::optional(found.constFirst());
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
        const Written row = written(false, true);
        QSqlQuery insert(d->db());
        if (!insert.prepare(insertSql(row)))
            failQuery(d->path, insert.lastError());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QList<qint64> ids;
        ids.reserve(houses.size());
        for (House house : houses) {
            house.created = house.changed = now;
            bindHouse(insert, row, house);
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
        const Written row = written(false, false);
        QStringList set;
        for (qsizetype i = 0; i < row.columns.size(); ++i)
            set.append(row.columns[i] + QStringLiteral(" = ") + row.placeholders[i]);
        QSqlQuery query(d->db());
        query.prepare(QStringLiteral("UPDATE houses SET %1 WHERE id = ?")
                          .arg(set.join(QStringLiteral(", "))));
        bindHouse(query, row, changed);
        query.addBindValue(changed.id);
        d->exec(query);
        if (query.numRowsAffected() != 1)
            throw StoreError::about(Kind::NotFound, QString::number(house.id), d->path);
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
            throw StoreError::about(Kind::NotFound, QString::number(id), d->path);
        return plans;
    });
    d->removedHouse = id;
}

void HouseStore::restore(const House &house)
{
    if (house.id <= 0) // never saved, so there is no number to put it back under
        throw StoreError(Kind::Invalid, HouseText::tr("A house never saved cannot be put back."));
    d->transact([&] {
        House back = house;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        if (!back.created.isValid())
            back.created = now;
        if (!back.changed.isValid())
            back.changed = now;
        QSqlQuery exists = d->run(QStringLiteral("SELECT 1 FROM houses WHERE id = ?"), {back.id});
        if (exists.next())
            throw StoreError::about(Kind::Exists, QString::number(back.id), d->path);
        exists.finish();
        const Written row = written(true, true);
        QSqlQuery insert(d->db());
        insert.prepare(insertSql(row));
        bindHouse(insert, row, back);
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
    // A file that exists by its links resolved, so that a link to the register is the register.
    const auto where = [](const QFileInfo &file) {
        return file.exists() ? file.canonicalFilePath() : file.absoluteFilePath();
    };
    const QString written = where(QFileInfo(target));
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        if (where(QFileInfo(path + QLatin1String(suffix))) == written)
            return true;
    return false;
}

} // namespace orrindel::store
