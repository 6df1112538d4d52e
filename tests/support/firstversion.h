#pragma once

#include <QString>

namespace orrindel::test {

// The first version's schema, as that program made it.
inline const QString FirstSchema =
    "CREATE TABLE houses (id INTEGER PRIMARY KEY AUTOINCREMENT, client TEXT NOT NULL, label TEXT "
    "NOT NULL, year TEXT NOT NULL, facing TEXT NOT NULL, measured TEXT, notes TEXT NOT NULL, "
    "created TEXT NOT NULL, changed TEXT NOT NULL, client_key TEXT NOT NULL, label_key TEXT NOT "
    "NULL, notes_key TEXT NOT NULL)";

} // namespace orrindel::test
