#pragma once

// Test data as arrays of structs with named fields: one QTest row per entry, tagged with its
// index and, if given, one of its fields; and the entry of the running row.

#include "support/errorof.h"

#include <QTest>
#include <QVariant>

#include <algorithm>
#include <cstdlib>
#include <type_traits>

namespace orrindel::test {

// One QTest row per entry of the table, tagged with the field given, if any.
template <typename Table, typename Field = std::nullptr_t>
void addRows(const Table &table, Field field = nullptr)
{
    QTest::addColumn<int>("row"); // QTest needs a column; current() reads the tag
    for (int i = 0; i < int(std::size(table)); ++i) {
        if constexpr (std::is_member_object_pointer_v<Field>)
            QTest::addRow("%d: %s", i, qPrintable(QVariant(table[i].*field).toString())) << i;
        else
            QTest::addRow("%d", i) << i;
    }
}

template <typename Table> const auto &current(const Table &table)
{
    // Clamped so that each table's reader stays its own function: GCC folds identical ones
    // and then warns of one table read through another's type.
    return table[std::clamp(std::atoi(QTest::currentDataTag()), 0, int(std::size(table)) - 1)];
}

} // namespace orrindel::test
