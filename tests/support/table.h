#pragma once

// Test data as arrays of tuples: one QTest row per entry, tagged with its index and its first
// field, and the entry of the running row; and the error a call raises.

#include "engine/runtimeerror.h"

#include <QTest>
#include <QVariant>

#include <cstdlib>
#include <tuple>

namespace orrindel::test {

// One QTest row per entry of the table.
template <typename Table> void addRows(const Table &table)
{
    QTest::addColumn<int>("row"); // QTest needs a column; current() reads the tag
    for (int i = 0; i < int(std::size(table)); ++i)
        QTest::addRow("%d: %s", i, qPrintable(QVariant(std::get<0>(table[i])).toString())) << i;
}

template <typename Table> const auto &current(const Table &table)
{
    return table[std::atoi(QTest::currentDataTag())];
}

// The runtime error number a call raises; 0 when it returns.
template <typename F> int errorOf(F &&call)
{
    try {
        return call(), 0;
    } catch (const RuntimeError &error) {
        return error.number();
    }
}

} // namespace orrindel::test
