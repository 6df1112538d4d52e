#include "housefields.h"

#include "engine/validation.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstring>

namespace orrindel::store {

namespace {

// The main window's facing box holds five characters; a longer bearing could not be opened.
constexpr qsizetype FacingTextMaxLength = 5;

bool validYear(const QString &text)
{
    return text.size() <= YearTextMaxLength && isValidYearText(text.toStdString());
}

bool validBearing(const QString &text)
{
    return text.size() <= FacingTextMaxLength && isValidBearingText(text.toStdString());
}

using enum FieldKind;

// clang-format off
const HouseField Fields[] = {
    {"id", Id, &House::id, 1, QT_TRANSLATE_NOOP("HouseField", "House"), nullptr, nullptr, nullptr, nullptr, 0},
    {"client", Name, &House::client, 1, QT_TRANSLATE_NOOP("HouseField", "Client"), QT_TRANSLATE_NOOP("HouseField", "Client"), QT_TRANSLATE_NOOP("HouseField", "&Client:"), QT_TRANSLATE_NOOP("HouseField", "The client's name."), "NAME", 4},
    {"label", Name, &House::label, 1, QT_TRANSLATE_NOOP("HouseField", "Label"), QT_TRANSLATE_NOOP("HouseField", "Label"), QT_TRANSLATE_NOOP("HouseField", "&Label or address:"), QT_TRANSLATE_NOOP("HouseField", "A label or the address."), "TEXT", 5},
    {"year", Number, &House::year, 1, QT_TRANSLATE_NOOP("HouseField", "Year"), QT_TRANSLATE_NOOP("HouseField", "Year"), QT_TRANSLATE_NOOP("HouseField", "&Year of construction:"), QT_TRANSLATE_NOOP("HouseField", "Year of construction, 65 to 9999."), "YEAR", 1,
     validYear, QT_TRANSLATE_NOOP("HouseStore", "Construction years may only be in the range 65 to 9999.")},
    {"facing", Number, &House::facing, 1, QT_TRANSLATE_NOOP("HouseField", "Facing"), QT_TRANSLATE_NOOP("HouseField", "Bearing"), QT_TRANSLATE_NOOP("HouseField", "&Facing degree:"), QT_TRANSLATE_NOOP("HouseField", "Facing bearing in degrees, 0 to below 360."), "DEGREES", 2,
     validBearing, QT_TRANSLATE_NOOP("HouseStore", "Degrees may only be in the range 0 to below 360, written in at most five characters with digits and at most one decimal point.")},
    {"measured", Date, &House::measured, 1, QT_TRANSLATE_NOOP("HouseField", "Measured"), QT_TRANSLATE_NOOP("HouseField", "Measured"), QT_TRANSLATE_NOOP("HouseField", "&Measured on:"), QT_TRANSLATE_NOOP("HouseField", "The day it was measured."), "YYYY-MM-DD", 3},
    {"notes", Notes, &House::notes, 1, QT_TRANSLATE_NOOP("HouseField", "Notes"), nullptr, QT_TRANSLATE_NOOP("HouseField", "&Notes:"), QT_TRANSLATE_NOOP("HouseField", "Free notes."), "TEXT", -1},
    {"created", Time, &House::created, 1, QT_TRANSLATE_NOOP("HouseField", "Created"), nullptr, nullptr, nullptr, nullptr, -1},
    {"changed", Time, &House::changed, 1, QT_TRANSLATE_NOOP("HouseField", "Changed"), QT_TRANSLATE_NOOP("HouseField", "Last change"), nullptr, nullptr, nullptr, -1},
};
// clang-format on

template <class Value> Value &at(const HouseField &field, House &house)
{
    return house.*std::get<Value House::*>(field.member);
}

template <class Value> const Value &at(const HouseField &field, const House &house)
{
    return house.*std::get<Value House::*>(field.member);
}

QDate dateFrom(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return shape.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
}

} // namespace

QString HouseField::text() const
{
    return QLatin1String(name);
}

std::span<const HouseField> houseFields()
{
    return Fields;
}

const HouseField &houseField(const char *name)
{
    for (const HouseField &field : Fields)
        if (std::strcmp(field.name, name) == 0)
            return field;
    throw std::out_of_range(name);
}

QString fieldText(const char *text)
{
    return QCoreApplication::translate("HouseField", text);
}

QString textOf(const HouseField &field, const House &house)
{
    switch (field.kind) {
    case Id:
        return QString::number(at<qint64>(field, house));
    case Date:
        return at<QDate>(field, house).toString(Qt::ISODate);
    case Time:
        return at<QDateTime>(field, house).toString(Qt::ISODate);
    default:
        return at<QString>(field, house);
    }
}

QJsonValue jsonOf(const HouseField &field, const House &house)
{
    switch (field.kind) {
    case Id:
        return at<qint64>(field, house);
    case Date: {
        const QDate &date = at<QDate>(field, house);
        return date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue();
    }
    case Time:
        return at<QDateTime>(field, house).toString(Qt::ISODateWithMs);
    default:
        return at<QString>(field, house);
    }
}

QVariant sqlOf(const HouseField &field, const House &house)
{
    switch (field.kind) {
    case Id:
        return at<qint64>(field, house);
    case Date: {
        const QDate &date = at<QDate>(field, house);
        return date.isValid() ? QVariant(date.toString(Qt::ISODate))
                              : QVariant(QMetaType::fromType<QString>());
    }
    case Time:
        return at<QDateTime>(field, house).toUTC().toString(Qt::ISODateWithMs);
    default:
        return at<QString>(field, house);
    }
}

void setFromSql(const HouseField &field, House &house, const QVariant &value)
{
    switch (field.kind) {
    case Id:
        at<qint64>(field, house) = value.toLongLong();
        break;
    case Date:
        at<QDate>(field, house) = QDate::fromString(value.toString(), Qt::ISODate);
        break;
    case Time:
        at<QDateTime>(field, house) = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
        break;
    default:
        at<QString>(field, house) = value.toString();
    }
}

bool setFromText(const HouseField &field, House &house, const QString &text)
{
    switch (field.kind) {
    case Id:
    case Time:
        return false;
    case Date: {
        const QDate date = dateFrom(text);
        if (date.isValid())
            at<QDate>(field, house) = date;
        return date.isValid();
    }
    default:
        at<QString>(field, house) = text;
        return true;
    }
}

bool lessThan(const HouseField &field, const House &a, const House &b)
{
    switch (field.kind) {
    case Id:
        return at<qint64>(field, a) < at<qint64>(field, b);
    case Number:
        return at<QString>(field, a).toDouble() < at<QString>(field, b).toDouble();
    case Date:
        return at<QDate>(field, a) < at<QDate>(field, b);
    case Time:
        return at<QDateTime>(field, a) < at<QDateTime>(field, b);
    default:
        return at<QString>(field, a).compare(at<QString>(field, b), Qt::CaseInsensitive) < 0;
    }
}

QStringList searchKeys(const House &house)
{
    QStringList keys;
    for (const HouseField &field : Fields)
        if (field.isSearched())
            keys.append(at<QString>(field, house).toCaseFolded());
    return keys;
}

bool isFound(const QStringList &keys, const QString &search)
{
    const QString key = search.toCaseFolded();
    return std::ranges::any_of(keys, [&key](const QString &text) { return text.contains(key); });
}

} // namespace orrindel::store
