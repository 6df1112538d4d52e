#pragma once

#include "house.h"

#include <QJsonValue>
#include <QVariant>

#include <span>
#include <variant>

namespace orrindel::store {

// What a field holds, which decides how it is stored, written, read back, typed and sorted.
enum class FieldKind {
    Id,     // the store's number for the house
    Name,   // one line of text, searched; trimmed when typed in the form
    Number, // a chart's input as typed, sorted by its value; required, and taken from the chart
    Date,   // a day, empty when not known
    Notes,  // free text of many lines, searched, shown last
    Time,   // set by the store, in UTC
};

// One field of a house, everything every part of the program needs to know about it.
struct HouseField
{
    using Member =
        std::variant<qint64 House::*, QString House::*, QDate House::*, QDateTime House::*>;

    const char *name; // the SQL column, the JSON key, the option and the form's object name
    FieldKind kind;
    Member member;
    int since;                  // the register's version whose file first has its column
    const char *caption;        // the tool's show
    const char *column;         // the window's column header; null when not a column
    const char *formCaption;    // null when the form does not edit it
    const char *help;           // the option's help; null when there is no option
    const char *valueName;      // the option's value
    int listed;                 // its place in the tool's list line; -1 when not there
    bool (*valid)(const QString &text) = nullptr; // a Number's own rule
    const char *problem = nullptr;                // and what breaking it is called

    QString text() const; // the field's name as a QString
    bool isTyped() const { return help != nullptr; }
    bool isSearched() const { return kind == FieldKind::Name || kind == FieldKind::Notes; }
};

// The fields of a house in the register's column order. The translations of the captions,
// helps and problems are in the context "HouseField".
std::span<const HouseField> houseFields();
const HouseField &houseField(const char *name);
// The field's text in the user's language.
QString fieldText(const char *text);

// The field's value in the forms the program writes it: as text (the tool's show and list, the
// form; a time in UTC as ISO 8601, a missing date empty), as JSON and as an SQL value.
QString textOf(const HouseField &field, const House &house);
QJsonValue jsonOf(const HouseField &field, const House &house);
QVariant sqlOf(const HouseField &field, const House &house);
void setFromSql(const HouseField &field, House &house, const QVariant &value);
// Sets a typed field from text as the user typed it; false, changing nothing, when it cannot
// be the field's value (a date that is not YYYY-MM-DD).
bool setFromText(const HouseField &field, House &house, const QString &text);
// Whether a comes before b by this field: names without regard to case, numbers and dates by
// their values, whatever way they were typed.
bool lessThan(const HouseField &field, const House &a, const House &b);

// The texts the register searches, case-folded, as the store keeps them beside each house.
QStringList searchKeys(const House &house);
// Whether a house with these keys is found by the search text: every house for "".
bool isFound(const QStringList &keys, const QString &search);

} // namespace orrindel::store
