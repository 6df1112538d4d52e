#pragma once

// Test data as arrays of structs with named fields: one QTest row per entry, tagged with its
// index and, if given, one of its fields; and the entry of the running row.

#include "support/errorof.h"

#include <QTest>
#include <QVariant>

#include <type_traits>

namespace orrindel::test {

// One QTest row per entry of the table, tagged with the field given, if any.
template <typename Table, typename Field = std::nullptr_t>
void addRows(const Table &table, Field field = nullptr)
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(table)); ++i) {
        if constexpr (std::is_member_object_pointer_v<Field>)
            QTest::addRow("%d: %s", i, qPrintable(QVariant(table[i].*field).toString())) << i;
        else
            QTest::addRow("%d", i) << i;
    }
}

template <typename Table> const auto &current(const Table &table)
{
    QFETCH(int, row);
    return table[row];
}

} // namespace orrindel::test
