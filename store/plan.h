#pragma once

#include "house.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace orrindel::store {

// The largest plan file the register keeps, in bytes.
constexpr qint64 PlanImageMaxBytes = qint64(64) << 20;

// One floor of a house: the plan's file as it was given, the page of it shown, and what was
// traced on it. The store keeps the geometry as text and computes nothing from it.
struct Plan
{
    qint64 id = 0; // 0 until the store has saved it
    qint64 house = 0;
    int position = 0; // the floor's place among the house's floors, from 0; set by the store
    QString floor;    // its name, "Ground floor"
    QString format;   // "png", "jpeg", "pdf", …
    int page = 1;     // of a PDF, from 1
    int width = 0;    // the pixel size the plan is shown at
    int height = 0;
    QString geometry;  // a JSON object: outline, front, centre, rooms, outside areas, scale
    QByteArray image;  // the file; empty in a listing
    QDateTime created; // UTC, set by the store
    QDateTime changed;
};

// The floor plans kept with the houses of a HouseStore, in its file. Every change is one
// transaction, committed before the call returns; a refused change raises StoreError and
// changes nothing. A register of the first version has no plans until it is written to.
class PlanStore
{
public:
    explicit PlanStore(HouseStore &houses) : m_houses(houses) {}

    // A house's plans in floor order, without their images.
    QList<Plan> plans(qint64 house) const;
    // A house's plans in floor order with their images, as its report shows them.
    QList<Plan> withImages(qint64 house) const;
    // One plan with its image.
    std::optional<Plan> plan(qint64 id) const;

    // Adds the plan as the house's last floor; returns its id.
    qint64 add(const Plan &plan);
    void setGeometry(qint64 id, const QString &geometry);
    void rename(qint64 id, const QString &floor);
    // Puts the plan at that place among its house's floors, the others keeping their order.
    void move(qint64 id, int position);
    void remove(qint64 id);

private:
    friend class HouseStore;
    // A house's plans with their images, for its removal to keep.
    static QList<Plan> withImages(const HouseStore::Statement &run, qint64 house);
    // Plans removed with their house, back under their ids.
    static void putBack(const HouseStore::Statement &run, const QList<Plan> &plans);

    Plan stored(const HouseStore::Statement &run, qint64 id) const; // raises when there is none
    void set(qint64 id, const char *column, const QVariant &value);

    HouseStore &m_houses;
};

} // namespace orrindel::store
