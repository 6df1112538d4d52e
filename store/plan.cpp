#include "plan.h"
#include "storeerror.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlQuery>

namespace orrindel::store {

namespace {

constexpr qsizetype FloorMaxLength = 200;
constexpr qsizetype GeometryMaxLength = 16 << 20;
// A listing's columns; the image follows them where it is read.
const QLatin1StringView Columns("id, house, position, floor, format, page, width, height, "
                                "geometry, created, changed");

struct PlanText
{
    Q_DECLARE_TR_FUNCTIONS(HouseStore)
};

using Kind = StoreError::Kind;

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QString now()
{
    return timeText(QDateTime::currentDateTimeUtc());
}

Plan planFrom(const QSqlQuery &query, bool withImage)
{
    Plan plan;
    plan.id = query.value(0).toLongLong();
    plan.house = query.value(1).toLongLong();
    plan.position = query.value(2).toInt();
    plan.floor = query.value(3).toString();
    plan.format = query.value(4).toString();
    plan.page = query.value(5).toInt();
    plan.width = query.value(6).toInt();
    plan.height = query.value(7).toInt();
    plan.geometry = query.value(8).toString();
    plan.created = QDateTime::fromString(query.value(9).toString(), Qt::ISODateWithMs);
    plan.changed = QDateTime::fromString(query.value(10).toString(), Qt::ISODateWithMs);
    if (withImage)
        plan.image = query.value(11).toByteArray();
    return plan;
}

// The values of `Columns` and the image; a null id lets SQLite number a new plan.
QVariantList valuesOf(const Plan &plan)
{
    return {plan.id ? QVariant(plan.id) : QVariant(),
            plan.house,
            plan.position,
            plan.floor.isNull() ? QStringLiteral("") : plan.floor,
            plan.format,
            plan.page,
            plan.width,
            plan.height,
            plan.geometry.isNull() ? QStringLiteral("") : plan.geometry,
            timeText(plan.created),
            timeText(plan.changed),
            plan.image};
}

QString geometryProblem(const QString &geometry)
{
    if (geometry.isEmpty())
        return {};
    if (geometry.size() > GeometryMaxLength ||
        !QJsonDocument::fromJson(geometry.toUtf8()).isObject())
        return PlanText::tr("A plan's geometry is a JSON object of at most %1 characters.")
            .arg(GeometryMaxLength);
    return {};
}

QString floorProblem(const QString &floor)
{
    return floor.size() > FloorMaxLength
               ? PlanText::tr("A floor's name is at most %1 characters.").arg(FloorMaxLength)
               : QString();
}

// Why the plan cannot be stored, in one sentence; empty when it can.
QString planProblem(const Plan &plan)
{
    static const QRegularExpression format(QStringLiteral("^[a-z0-9]{1,16}$"));
    if (plan.image.isEmpty() || plan.image.size() > PlanImageMaxBytes)
        return PlanText::tr("A plan needs its file, of at most %1 MB.")
            .arg(PlanImageMaxBytes >> 20);
    if (!format.match(plan.format).hasMatch())
        return PlanText::tr("A plan's format is a short name in lower case, such as png or pdf.");
    if (plan.page < 1 || plan.width < 1 || plan.height < 1)
        return PlanText::tr("A plan's page counts from 1, and it is at least one pixel wide "
                            "and high.");
    if (QString problem = floorProblem(plan.floor); !problem.isEmpty())
        return problem;
    return geometryProblem(plan.geometry);
}

void refuse(const QString &problem)
{
    if (!problem.isEmpty())
        throw StoreError(Kind::Invalid, problem);
}

// A register of the first version has no plans table until it is written to, and one of a
// newer version may have none.
template <class Run> bool hasPlans(const Run &run)
{
    QSqlQuery query = run(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                         "name = 'plans'"),
                          {});
    return query.next();
}

QString insert()
{
    return QStringLiteral("INSERT INTO plans (%1, image) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                          "?, ?)")
        .arg(Columns);
}

} // namespace

QList<Plan> PlanStore::plans(qint64 house) const
{
    QList<Plan> found;
    m_houses.read([&](const HouseStore::Statement &run) {
        if (!hasPlans(run))
            return;
        QSqlQuery query =
            run(QStringLiteral("SELECT %1 FROM plans WHERE house = ? ORDER BY position, id")
                    .arg(Columns),
                {house});
        while (query.next())
            found.append(planFrom(query, false));
    });
    return found;
}

std::optional<Plan> PlanStore::plan(qint64 id) const
{
    std::optional<Plan> found;
    m_houses.read([&](const HouseStore::Statement &run) {
        if (!hasPlans(run))
            return;
        QSqlQuery query =
            run(QStringLiteral("SELECT %1, image FROM plans WHERE id = ?").arg(Columns), {id});
        if (query.next())
            found = planFrom(query, true);
    });
    return found;
}

qint64 PlanStore::add(const Plan &plan)
{
    refuse(planProblem(plan));
    qint64 id = 0;
    m_houses.write([&](const HouseStore::Statement &run) {
        QSqlQuery house = run(QStringLiteral("SELECT (SELECT count(*) FROM plans WHERE house = "
                                             "?) FROM houses WHERE id = ?"),
                              {plan.house, plan.house});
        if (!house.next())
            throw StoreError(
                Kind::NotFound,
                PlanText::tr("House %1 is not in %2.").arg(plan.house).arg(m_houses.path()));
        Plan added = plan;
        added.id = 0;
        added.position = house.value(0).toInt();
        house.finish();
        added.created = added.changed = QDateTime::currentDateTimeUtc();
        id = run(insert(), valuesOf(added)).lastInsertId().toLongLong();
    });
    return id;
}

void PlanStore::setGeometry(qint64 id, const QString &geometry)
{
    refuse(geometryProblem(geometry));
    set(id, "geometry", geometry.isNull() ? QStringLiteral("") : geometry);
}

void PlanStore::rename(qint64 id, const QString &floor)
{
    refuse(floorProblem(floor));
    set(id, "floor", floor.isNull() ? QStringLiteral("") : floor);
}

void PlanStore::set(qint64 id, const char *column, const QVariant &value)
{
    m_houses.write([&](const HouseStore::Statement &run) {
        stored(run, id);
        run(QStringLiteral("UPDATE plans SET %1 = ?, changed = ? WHERE id = ?")
                .arg(QLatin1String(column)),
            {value, now(), id});
    });
}

void PlanStore::move(qint64 id, int position)
{
    m_houses.write([&](const HouseStore::Statement &run) {
        const Plan plan = stored(run, id);
        QSqlQuery count =
            run(QStringLiteral("SELECT count(*) FROM plans WHERE house = ?"), {plan.house});
        if (!count.next() || position < 0 || position >= count.value(0).toInt())
            throw StoreError(Kind::Invalid,
                             PlanText::tr("There is no place %1 among the floors of house %2.")
                                 .arg(position)
                                 .arg(plan.house));
        count.finish();
        // The floors between its old place and the new one close up behind it or make room.
        run(QStringLiteral("UPDATE plans SET position = position + ? WHERE house = ? AND "
                           "position BETWEEN ? AND ?"),
            {position > plan.position ? -1 : 1, plan.house, qMin(position, plan.position),
             qMax(position, plan.position)});
        run(QStringLiteral("UPDATE plans SET position = ?, changed = ? WHERE id = ?"),
            {position, now(), id});
    });
}

void PlanStore::remove(qint64 id)
{
    m_houses.write([&](const HouseStore::Statement &run) {
        const Plan plan = stored(run, id);
        run(QStringLiteral("DELETE FROM plans WHERE id = ?"), {id});
        run(QStringLiteral("UPDATE plans SET position = position - 1 WHERE house = ? AND "
                           "position > ?"),
            {plan.house, plan.position});
    });
}

Plan PlanStore::stored(const HouseStore::Statement &run, qint64 id) const
{
    QSqlQuery query = run(QStringLiteral("SELECT %1 FROM plans WHERE id = ?").arg(Columns), {id});
    if (!query.next())
        throw StoreError(Kind::NotFound,
                         PlanText::tr("Plan %1 is not in %2.").arg(id).arg(m_houses.path()));
    return planFrom(query, false);
}

QList<Plan> PlanStore::withImages(qint64 house) const
{
    QList<Plan> found;
    m_houses.read([&](const HouseStore::Statement &run) {
        if (hasPlans(run))
            found = withImages(run, house);
    });
    return found;
}

QList<Plan> PlanStore::withImages(const HouseStore::Statement &run, qint64 house)
{
    QList<Plan> plans;
    QSqlQuery query = run(
        QStringLiteral("SELECT %1, image FROM plans WHERE house = ? ORDER BY position, id")
            .arg(Columns),
        {house});
    while (query.next())
        plans.append(planFrom(query, true));
    return plans;
}

void PlanStore::putBack(const HouseStore::Statement &run, const QList<Plan> &plans)
{
    for (const Plan &plan : plans)
        run(insert(), valuesOf(plan));
}

} // namespace orrindel::store
