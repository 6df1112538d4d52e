#pragma once

// Test data as arrays of tuples: one QTest row per entry, tagged with its index and its first
// field, and the entry of the running row.

#include "support/errorof.h"

#include <QTest>
#include <QVariant>

#include <cstdlib>
#include <tuple>

namespace orrindel::test {

// One QTest row per entry of the table.
template <typename Table> void addRows(const Table &table)
{
    QTest::addColumn<int>("row"); // QTest needs a column; current() reads the tag
    for (int i = 0; i < int(std::size(table)); ++i) {
        if constexpr (requires { std::get<0>(table[i]); })
            QTest::addRow("%d: %s", i, qPrintable(QVariant(std::get<0>(table[i])).toString())) << i;
        else
            QTest::addRow("%d", i) << i; // a struct row: its fields have names
    }
}

template <typename Table> const auto &current(const Table &table)
{
    return table[std::atoi(QTest::currentDataTag())];
}

} // namespace orrindel::test
