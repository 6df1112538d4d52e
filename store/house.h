#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include "storeerror.h"

#include <functional>
#include <memory>
#include <optional>

class QSqlQuery;

namespace orrindel::store {

// A house as the practitioner measured it. Charts are never stored: they are computed from
// the year and the bearing, kept exactly as typed, whenever the house is shown. What each field
// is to the register, the tool and the window is said once, in housefields.h.
struct House
{
    qint64 id = 0; // 0 until the store has saved it
    QString client;
    QString label; // a label or the address
    QString year;  // as typed
    QString facing;
    QDate measured;
    QString notes;
    QDateTime created; // UTC, set by the store
    QDateTime changed;
};

// What every title and heading calls a house: its client, else its label.
QString displayName(const House &house);

// Why a house cannot be saved, in one sentence for the user; empty when it can. The window,
// the tool and the import all check with this.
QString houseProblem(const House &house);

class PlanStore;
struct Plan;

// One SQLite file of houses. Every change is one transaction, committed before the call
// returns; every failure raises StoreError, of its kind, whose message is one sentence naming
// the file. Nothing is created until the first house is saved.
class HouseStore
{
public:
    // Opens the file if it exists. A damaged or non-SQLite file raises and is left as it is;
    // a file of a newer version opens read-only (readOnlyReason() says why).
    explicit HouseStore(const QString &path);
    ~HouseStore();
    HouseStore(const HouseStore &) = delete;
    HouseStore &operator=(const HouseStore &) = delete;

    QString path() const;
    bool isReadOnly() const;
    QString readOnlyReason() const;

    // Houses whose client, label or notes contain the text (case-insensitive), all for "".
    QList<House> houses(const QString &filter = {}) const;
    std::optional<House> house(qint64 id) const;

    qint64 add(const House &house); // returns the new id
    void update(const House &house);
    void remove(qint64 id); // with its plans
    // Puts a removed house back under its old id; the plans this store removed with it come
    // back too when it is the house removed last, as the window's Undo brings it back.
    void restore(const House &house);
    // All or nothing, in one transaction; returns the new ids.
    QList<qint64> addAll(const QList<House> &houses);

private:
    // The plans share the file, its transactions, migrations and errors.
    friend class PlanStore;
    using Statement = std::function<QSqlQuery(const QString &sql, const QVariantList &values)>;
    // Runs the step on the file as it is; not at all while there is no file.
    void read(const std::function<void(const Statement &run)> &step) const;
    // Runs the change in one transaction on the file migrated to this version.
    void write(const std::function<void(const Statement &run)> &change);

    struct Private;
    std::unique_ptr<Private> d;
};

// --database FILE, else ORRINDEL_DATABASE, else houses.sqlite in the application data folder.
QString databasePath(const QString &option = {});

// Whether a file written at target would replace the register at path or its journal, and
// with them every house.
bool isRegisterFile(const QString &path, const QString &target);

} // namespace orrindel::store
